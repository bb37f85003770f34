// One effect instance as a host holds it: created through the entry point,
// given a format, with an optional audio thread and an editor that opens
// into the host's top-level window itself, as a floating editor window, or
// into a fresh frame inside it, as hosts that dock editors do.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "plugin/VstAbi.h"

class CAudioThread;
class CFindings;
class CHostWindow;
class CPluginModule;
class CTortureRandom;

class CHostedInstance {
public:
    // All of these run on the user-interface thread.
    CHostedInstance(const CPluginModule& module, int number, void* hostWindow, CFindings& findings);
    ~CHostedInstance();  // closes the editor, stops the audio, sends effClose

    CHostedInstance(const CHostedInstance&) = delete;
    CHostedInstance& operator=(const CHostedInstance&) = delete;

    bool IsValid() const { return effect_ != nullptr; }
    AEffect* Effect() const { return effect_; }
    const std::string& Name() const { return name_; }
    void* Window() const;

    // Suspends (pausing the audio thread), announces a random rate and
    // block size, and resumes.
    void ChangeFormat(CTortureRandom& random);
    void StartAudio(uint64_t seed);
    void StopAudio();
    long long BlocksProcessed() const;

    enum class EditorParent { kHostWindow, kFreshFrame };
    void OpenEditor(EditorParent parent);
    void CloseEditor();
    bool IsEditorOpen() const { return editorOpen_; }
    // Editor idle, key events and parameter changes, as a host forwards
    // them while the editor is open.
    void PokeEditor(CTortureRandom& random);
    // Editor idle only.
    void Idle();

    // The host's answer to an editor asking for a new size: an editor in a
    // frame of its own gets it, one in the shared host window is refused.
    static bool ResizeEditorFrame(AEffect* effect, int width, int height);

private:
    VstIntPtr Dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f);
    int BoardSlot(int offset) const;

    AEffect* effect_;
    int number_;
    std::string name_;
    CFindings& findings_;
    void* hostWindow_;
    std::unique_ptr<CHostWindow> frame_;
    std::unique_ptr<CAudioThread> audio_;
    long long blocksBefore_ = 0;
    bool editorOpen_ = false;
    float sampleRate_ = 44100.0f;
    int blockFrames_ = 1024;
};
