// The demo's script: loads the plug-in as a DAW does, opens its editor in a
// host window, plays the demo music through it in real time and, like a
// user, presses the editor's controls while taking pictures of what it
// shows. User-interface thread; the music plays on its own thread.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "plugin/VstAbi.h"
#include "tools/demo/DemoReport.h"
#include "tools/host/CapturedImage.h"
#include "tools/host/ErrorBoxWatcher.h"
#include "tools/host/FrameCapture.h"
#include "tools/host/HostCallRecorder.h"

class CHostWindow;
class CEditorPhotographer;
class CEditorRemote;
class CMusicStream;
class CPluginModule;

class CDemoScript {
public:
    // Pictures go to outputFolder, which must exist.
    explicit CDemoScript(std::string outputFolder);
    ~CDemoScript();

    CDemoScript(const CDemoScript&) = delete;
    CDemoScript& operator=(const CDemoScript&) = delete;

    // Plays the whole script; the report tells how it went.
    const CDemoReport& Run();

private:
    bool LoadPlugin();
    bool OpenEditor();
    void CloseEditorAndPlugin();

    void ShowWaterfallFromReset();
    void RecordScrollingFrames();
    void WriteScrollingFrames(const std::vector<CapturedImage>& recorded);
    void ShowPreset(int presetButton, const char* name, const char* caption);
    void Show2dView();
    // Holds the mouse over the highest peak of the view (looked for from
    // row topRow down) and pictures the values it shows.
    void ShowReadoutOverPeak(int topRow, const char* name, const char* caption);
    void ShowMeterWithScale();
    void ShowSlopeAndHistory();
    void ShowEditorAtTwiceTheSize();
    void ShowSettingsDialog();
    void ShowMeterAndLog();

    void Press(int controlId, const char* what);
    void PressInSettings(int controlId, const char* what);
    // Lets the view draw while the music plays on to the given time.
    void PlayUntil(double musicSeconds);
    double MusicSeconds() const;
    void SaveEditor(const char* name, const char* caption);
    void Save(const CapturedImage& picture, const std::string& name, const char* caption);

    std::string outputFolder_;
    CDemoReport report_;
    CErrorBoxWatcher errorBoxes_;
    CHostCallRecorder hostCalls_;
    CFrameCapture frames_;
    std::unique_ptr<CHostWindow> hostWindow_;
    std::unique_ptr<CEditorRemote> remote_;
    std::unique_ptr<CEditorPhotographer> photographer_;
    std::unique_ptr<CPluginModule> module_;
    AEffect* effect_ = nullptr;
    std::unique_ptr<CMusicStream> music_;
    unsigned long editorOpenedMs_ = 0;
};
