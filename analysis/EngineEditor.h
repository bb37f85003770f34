// The editor as the engine sees it: the engine creates it with itself,
// through a factory that the plug-in hands in, opens and closes it, and
// reads the test-signal generator's controls from it. Nothing here knows
// the windows or the renderer behind it.
//
// Threads: Open and Close run on the user-interface thread; the generator
// controls are read on the audio thread.
#pragma once

#include <functional>
#include <memory>

#include "os/Window.h"

class CGeneratorControls;
class CSpectrumStore;

class CEngineEditor {
public:
    virtual ~CEngineEditor() = default;

    virtual void Open(os::WindowHandle parent, CSpectrumStore* store) = 0;
    virtual void Close() = 0;
    // Lives as long as the editor.
    virtual const CGeneratorControls& Generator() const = 0;
};

using EditorFactory = std::function<std::unique_ptr<CEngineEditor>()>;
