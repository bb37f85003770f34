// A text of fixed capacity held in place: what the screen texts draw. Longer
// texts are cut at the capacity, never written past it, and setting one never
// allocates, so any thread may fill it while another waits on a lock.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

template <size_t Capacity>
class CBoundedText {
public:
    static_assert(Capacity > 0, "a text needs room for at least one byte");
    static constexpr size_t kCapacity = Capacity;

    CBoundedText() = default;
    explicit CBoundedText(std::string_view text) { Set(text); }

    // Keeps the first Capacity bytes of text; the stored text is always
    // zero-terminated for APIs that want a C string.
    void Set(std::string_view text) {
        length_ = std::min(text.size(), Capacity);
        if (length_ > 0) std::memcpy(bytes_.data(), text.data(), length_);
        bytes_[length_] = '\0';
    }
    void Clear() { Set(std::string_view()); }

    std::string_view View() const { return std::string_view(bytes_.data(), length_); }
    const char* CStr() const { return bytes_.data(); }
    size_t Length() const { return length_; }
    bool Empty() const { return length_ == 0; }

private:
    std::array<char, Capacity + 1> bytes_{};
    size_t length_ = 0;
};
