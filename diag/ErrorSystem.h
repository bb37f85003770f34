// The process-wide diagnostics service: source-tagged log lines go to the
// debugger channel, to registered listeners and to a pending HTML text that
// is appended to "Vantoscope Log.html" in the common documents folder when an
// error is reported and when the last reference is released. Errors are also
// shown in a modal box captioned "Error".
#pragma once

#include <string>
#include <vector>

#include "diag/LogListener.h"
#include "os/Lockable.h"

class ErrorSystem : public CLockable {
public:
    // Reference counting by the plug-in objects; called on the host's
    // user-interface thread, one instance at a time, so no lock is taken.
    static void Acquire();
    static void Release();
    static ErrorSystem* Instance();

    // One reference for as long as the object lives.
    class Reference {
    public:
        Reference() { Acquire(); }
        ~Reference() { Release(); }
        Reference(const Reference&) = delete;
        Reference& operator=(const Reference&) = delete;
    };

    ~ErrorSystem() override;

    // Any thread. sourceFile may be null, then the text stands alone.
    void Log(const std::string& text, const char* sourceFile, int line);
    // Any thread. Blocks until the user has closed the message box, holding
    // the lock all that time.
    void LogError(const std::string& text, const char* sourceFile, int line);
    void LogBlankLine();
    void WriteLogFile();

    void AddListener(CLogListener* listener);
    void RemoveListener(CLogListener* listener);

    // The file the log is written to, or the bare file name when the common
    // documents folder cannot be determined.
    static std::string LogFilePath();

private:
    ErrorSystem();
    void AppendEntry(const std::string& entry);
    void NotifyListeners(const std::string& entry);

    std::string pending_;
    std::vector<CLogListener*> listeners_;
};
