// Virtual-key names as the key parameters show them.
#include "editor/KeyName.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyName, NamesTheKeys) {
    const std::pair<int, const char*> cases[] = {
        {0, ""},
        {1, "VK_LBUTTON"},
        {13, "VK_RETURN"},
        {21, "VK_KANA"},
        {25, "VK_KANJI"},
        {48, "0"},
        {57, "9"},
        {65, "A"},
        {90, "Z"},
        {112, "VK_F1"},
        {135, "VK_F24"},
        {146, "VK_OEM_NEC_EQUAL"},
        {181, "VK_LAUNCH_MEDIA_SELECT"},
        {186, "VK_OEM_1"},
        {226, "VK_OEM_102"},
        {230, "VK_ICO_CLEAR"},
        {231, "VK_PACKET"},
    };
    for (const auto& [code, name] : cases) EXPECT_EQ(KeyName(code), name) << code;
}

TEST(KeyName, UnnamedCodesShowTheirOwnByte) {
    for (int code :
         {7, 10, 11, 14, 15, 22, 26, 58, 64, 94, 136, 143, 151, 159, 184, 185, 193, 218, 224}) {
        EXPECT_EQ(KeyName(code), std::string(1, static_cast<char>(code))) << code;
    }
    EXPECT_EQ(KeyName(58), ":");
}

TEST(KeyName, EveryCodeOfTheParameterRangeHasAText) {
    int named = 0;
    for (int code = 1; code <= 231; ++code) {
        const std::string name = KeyName(code);
        EXPECT_FALSE(name.empty()) << code;
        if (name.rfind("VK_", 0) == 0) ++named;
    }
    EXPECT_EQ(named, 134);
}

TEST(KeyName, FormatterTruncatesTheValue) {
    EXPECT_EQ(KeyNameFormatter(87.9f), "W");
    EXPECT_EQ(KeyNameFormatter(0.5f), "");
}

}  // namespace
