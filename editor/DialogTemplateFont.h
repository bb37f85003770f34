// Where the font's point size sits in an extended dialog template (the
// DIALOGEX resource), so that a copy of the template can carry a larger
// font: dialog units follow the font, so every control grows with it and
// keeps its place relative to the others.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The byte offset of the point size in template; nothing when it is not an
// extended template with a font of its own, or is cut short.
std::optional<size_t> DialogFontSizeOffset(const std::vector<uint8_t>& dialogTemplate);

// A copy of the template with its point size at percent of the original
// (8 points at 150 % is 12); the copy unchanged when there is no font.
std::vector<uint8_t> WithScaledDialogFont(std::vector<uint8_t> dialogTemplate, int percent);
