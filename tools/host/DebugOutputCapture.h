// Records what the process sends to the debugger channel. Debugger output
// is raised as a continuable exception that a vectored handler sees first,
// so no debugger needs to be attached.
#pragma once

#include <string>
#include <vector>

class CDebugOutputCapture {
public:
    CDebugOutputCapture();
    ~CDebugOutputCapture();

    CDebugOutputCapture(const CDebugOutputCapture&) = delete;
    CDebugOutputCapture& operator=(const CDebugOutputCapture&) = delete;

    std::vector<std::string> Lines() const;
    bool Contains(const std::string& text) const;

private:
    void* handler_;
};
