// Walks the variable part of a DLGTEMPLATEEX header up to its font.
#include "editor/DialogTemplateFont.h"

namespace {

constexpr size_t kFixedHeaderBytes = 26;
constexpr uint16_t kExtendedSignature = 0xFFFF;
constexpr uint32_t kSetFontStyle = 0x40;  // DS_SETFONT; DS_SHELLFONT includes it

uint16_t WordAt(const std::vector<uint8_t>& bytes, size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

// Past a menu or class field: none (0), an ordinal (0xFFFF, number) or a
// wide string; nothing when the template ends first.
std::optional<size_t> SkipNameOrOrdinal(const std::vector<uint8_t>& bytes, size_t offset) {
    if (offset + 2 > bytes.size()) return std::nullopt;
    const uint16_t first = WordAt(bytes, offset);
    if (first == 0) return offset + 2;
    if (first == 0xFFFF)
        return offset + 4 <= bytes.size() ? std::optional<size_t>(offset + 4) : std::nullopt;
    for (size_t at = offset; at + 2 <= bytes.size(); at += 2) {
        if (WordAt(bytes, at) == 0) return at + 2;
    }
    return std::nullopt;
}

}  // namespace

std::optional<size_t> DialogFontSizeOffset(const std::vector<uint8_t>& dialogTemplate) {
    const std::vector<uint8_t>& bytes = dialogTemplate;
    if (bytes.size() < kFixedHeaderBytes || WordAt(bytes, 0) != 1 ||
        WordAt(bytes, 2) != kExtendedSignature)
        return std::nullopt;
    const uint32_t style = WordAt(bytes, 12) | static_cast<uint32_t>(WordAt(bytes, 14)) << 16;
    if ((style & kSetFontStyle) == 0) return std::nullopt;
    // Menu, class, then the title, which is always a string (empty: 0).
    std::optional<size_t> offset = kFixedHeaderBytes;
    for (int field = 0; field < 3 && offset; ++field) {
        const bool title = field == 2;
        if (title && *offset + 2 <= bytes.size() && WordAt(bytes, *offset) == 0xFFFF)
            return std::nullopt;
        offset = SkipNameOrOrdinal(bytes, *offset);
    }
    if (!offset || *offset + 2 > bytes.size()) return std::nullopt;
    return offset;
}

std::vector<uint8_t> WithScaledDialogFont(std::vector<uint8_t> dialogTemplate, int percent) {
    const std::optional<size_t> offset = DialogFontSizeOffset(dialogTemplate);
    if (!offset) return dialogTemplate;
    const int points = WordAt(dialogTemplate, *offset);
    const int scaled = (points * percent + 50) / 100;
    dialogTemplate[*offset] = static_cast<uint8_t>(scaled & 0xFF);
    dialogTemplate[*offset + 1] = static_cast<uint8_t>(scaled >> 8);
    return dialogTemplate;
}
