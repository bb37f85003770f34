// The on-screen log: the last 24 log entries, oldest at the top, one 16-pixel
// slot each, in white 14-pixel text while the "Show Log" button is on. It
// collects entries from its construction to its release, before its font
// exists, so set-up errors of the other components are there when shown.
//
// Threads: OnLogLine runs on whichever thread logs, the rest on the
// user-interface thread; the ring's own lock hands the entries over.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "diag/LogListener.h"
#include "editor/EditorListener.h"
#include "render/D3DComponent.h"
#include "render/LogLineRing.h"

class CD3DFont;

class CD3DDrawLog : public CD3DComponent, public CLogListener, public CEditorListener {
public:
    // Registers with the error system.
    CD3DDrawLog();
    ~CD3DDrawLog() override;

    // Any thread, under the error system's lock.
    void OnLogLine(const std::string& line) override { ring_.Add(line); }

    // False, after reporting it, when the font cannot be created; the log
    // still collects entries.
    bool Init(IDirect3DDevice9* device, int32_t width, int32_t height) override;
    void Draw2D(CSpriteBatch* sprite) override;
    void Render3D(IDirect3DDevice9* /*device*/) override {}
    // Unregisters from the error system and frees the font.
    void ReleaseResources() override;
    void SyncFromEditor(const CSynthEditor& editor) override;

private:
    void StopListening();

    std::unique_ptr<CD3DFont> font_;
    uint32_t colour_ = 0xFFFFFFFFu;
    CLogLineRing ring_;
    bool shown_ = false;
    bool listening_ = false;
    // The drawing side's copy, taken under the ring's lock before drawing.
    CLogLineRing::Lines lines_;
};
