// The engine between the plug-in and everything that analyses or shows
// audio. It owns the editor object and passes audio through; while the
// editor is open the processing path may replace and analyse the output.
#pragma once

#include <atomic>
#include <memory>

#include "os/Lockable.h"
#include "os/Window.h"

class CVstPlugin;
class CSynthEditor;

class CSynth : public CLockable {
public:
    explicit CSynth(CVstPlugin* plugin);
    ~CSynth() override;

    // Host's audio thread, under the plug-in lock.
    void ProcessBlock(double** inputs, double** outputs, int32_t frames);

    // Host's user-interface thread.
    void OnEditorOpen(os::WindowHandle parent);
    void OnEditorClose();

    CSynthEditor* Editor() { return editor_.get(); }
    bool IsEditorOpen() const { return editorOpen_.load(std::memory_order_acquire); }
    os::WindowHandle ParentWindow() const { return parentWindow_; }

private:
    CVstPlugin* plugin_;
    std::unique_ptr<CSynthEditor> editor_;
    os::WindowHandle parentWindow_ = nullptr;
    std::atomic<bool> editorOpen_{false};
};
