// The dialog template's font: found past the menu, class and title in each
// of their forms, scaled in a copy, and left alone in templates that have
// none or end too soon.
#include "editor/DialogTemplateFont.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void Word(std::vector<uint8_t>& bytes, uint16_t value) {
    bytes.push_back(static_cast<uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}
void WideString(std::vector<uint8_t>& bytes, const std::string& text) {
    for (char c : text) Word(bytes, static_cast<uint8_t>(c));
    Word(bytes, 0);
}

// A DLGTEMPLATEEX header: menu and class as given (empty: none, "#n": an
// ordinal, else a name), a title, and 8 points of Tahoma when withFont.
std::vector<uint8_t> Header(const std::string& menu, const std::string& windowClass,
                            bool withFont) {
    std::vector<uint8_t> bytes;
    Word(bytes, 1);
    Word(bytes, 0xFFFF);
    for (int i = 0; i < 4; ++i) Word(bytes, 0);  // help id, extended style
    const uint32_t style = 0x40000000u | (withFont ? 0x40u : 0u);
    Word(bytes, static_cast<uint16_t>(style & 0xFFFF));
    Word(bytes, static_cast<uint16_t>(style >> 16));
    for (uint16_t value : {3, 0, 0, 600, 123}) Word(bytes, value);
    for (const std::string* field : {&menu, &windowClass}) {
        if (field->empty()) {
            Word(bytes, 0);
        } else if ((*field)[0] == '#') {
            Word(bytes, 0xFFFF);
            Word(bytes, static_cast<uint16_t>(std::stoi(field->substr(1))));
        } else {
            WideString(bytes, *field);
        }
    }
    WideString(bytes, "Panel");
    if (withFont) {
        Word(bytes, 8);
        Word(bytes, 400);
        Word(bytes, 0);
        WideString(bytes, "Tahoma");
    }
    return bytes;
}

TEST(DialogTemplateFont, FoundPastEveryFormOfMenuAndClass) {
    const std::pair<std::string, std::string> forms[] = {
        {"", ""}, {"#101", ""}, {"MAINMENU", "#32770"}, {"", "PanelClass"}};
    for (const auto& [menu, windowClass] : forms) {
        const std::vector<uint8_t> original = Header(menu, windowClass, true);
        const auto offset = DialogFontSizeOffset(original);
        ASSERT_TRUE(offset) << menu << "/" << windowClass;
        EXPECT_EQ(original[*offset], 8);
        const std::vector<uint8_t> larger = WithScaledDialogFont(original, 150);
        EXPECT_EQ(larger[*offset], 12);
        EXPECT_EQ(WithScaledDialogFont(original, 125)[*offset], 10);
        EXPECT_EQ(WithScaledDialogFont(original, 200)[*offset], 16);
        ASSERT_EQ(larger.size(), original.size());
        for (size_t i = 0; i < original.size(); ++i) {
            if (i == *offset) continue;
            EXPECT_EQ(larger[i], original[i]) << i;
        }
    }
}

TEST(DialogTemplateFont, TemplatesWithoutAFontOrCutShortAreLeftAlone) {
    const std::vector<uint8_t> noFont = Header("", "", false);
    EXPECT_FALSE(DialogFontSizeOffset(noFont));
    EXPECT_EQ(WithScaledDialogFont(noFont, 200), noFont);
    std::vector<uint8_t> classic = Header("", "", true);
    classic[2] = 0;  // not the extended signature
    EXPECT_FALSE(DialogFontSizeOffset(classic));
    const std::vector<uint8_t> full = Header("MAINMENU", "", true);
    for (size_t length = 0; length < full.size(); ++length) {
        const std::vector<uint8_t> cut(full.begin(), full.begin() + length);
        const auto offset = DialogFontSizeOffset(cut);
        if (offset) {
            EXPECT_LE(*offset + 2, length);
        }
    }
}

}  // namespace
