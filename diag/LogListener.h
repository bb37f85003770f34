// Receiver of every log entry, in the order the entries are made. Called
// with the error system's lock held: never wait here for a thread that may
// itself be logging.
#pragma once

#include <string>

class CLogListener {
public:
    virtual void OnLogLine(const std::string& line) = 0;

protected:
    // Listeners are never deleted through this interface.
    ~CLogListener() = default;
};
