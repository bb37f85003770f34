// Watches this process for message boxes captioned "Error", records their
// text and closes them, so that a plug-in's modal error report cannot hang
// an unattended host.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class CErrorBoxWatcher {
public:
    CErrorBoxWatcher();
    ~CErrorBoxWatcher();

    CErrorBoxWatcher(const CErrorBoxWatcher&) = delete;
    CErrorBoxWatcher& operator=(const CErrorBoxWatcher&) = delete;

    // The texts of the boxes closed so far, in the order they appeared.
    std::vector<std::string> Errors() const;
    // Waits until at least count boxes were closed, or timeoutMs passed.
    bool WaitForErrors(size_t count, int timeoutMs) const;

private:
    void Watch();
    void CloseErrorBoxes();

    std::atomic<bool> running_{true};
    mutable std::mutex mutex_;
    std::vector<std::string> errors_;
    std::thread thread_;
};
