// KeyName: the virtual-key name table.
#include "editor/KeyName.h"

#include <algorithm>
#include <iterator>

namespace {

struct NamedKey {
    int32_t code;
    const char* name;
};

// Where the SDK gives one value two names, the table uses VK_KANA (21),
// VK_KANJI (25) and VK_OEM_NEC_EQUAL (146).
constexpr NamedKey kNamedKeys[] = {
    {1, "VK_LBUTTON"},
    {2, "VK_RBUTTON"},
    {3, "VK_CANCEL"},
    {4, "VK_MBUTTON"},
    {5, "VK_XBUTTON1"},
    {6, "VK_XBUTTON2"},
    {8, "VK_BACK"},
    {9, "VK_TAB"},
    {12, "VK_CLEAR"},
    {13, "VK_RETURN"},
    {16, "VK_SHIFT"},
    {17, "VK_CONTROL"},
    {18, "VK_MENU"},
    {19, "VK_PAUSE"},
    {20, "VK_CAPITAL"},
    {21, "VK_KANA"},
    {23, "VK_JUNJA"},
    {24, "VK_FINAL"},
    {25, "VK_KANJI"},
    {27, "VK_ESCAPE"},
    {28, "VK_CONVERT"},
    {29, "VK_NONCONVERT"},
    {30, "VK_ACCEPT"},
    {31, "VK_MODECHANGE"},
    {32, "VK_SPACE"},
    {33, "VK_PRIOR"},
    {34, "VK_NEXT"},
    {35, "VK_END"},
    {36, "VK_HOME"},
    {37, "VK_LEFT"},
    {38, "VK_UP"},
    {39, "VK_RIGHT"},
    {40, "VK_DOWN"},
    {41, "VK_SELECT"},
    {42, "VK_PRINT"},
    {43, "VK_EXECUTE"},
    {44, "VK_SNAPSHOT"},
    {45, "VK_INSERT"},
    {46, "VK_DELETE"},
    {47, "VK_HELP"},
    {91, "VK_LWIN"},
    {92, "VK_RWIN"},
    {93, "VK_APPS"},
    {95, "VK_SLEEP"},
    {96, "VK_NUMPAD0"},
    {97, "VK_NUMPAD1"},
    {98, "VK_NUMPAD2"},
    {99, "VK_NUMPAD3"},
    {100, "VK_NUMPAD4"},
    {101, "VK_NUMPAD5"},
    {102, "VK_NUMPAD6"},
    {103, "VK_NUMPAD7"},
    {104, "VK_NUMPAD8"},
    {105, "VK_NUMPAD9"},
    {106, "VK_MULTIPLY"},
    {107, "VK_ADD"},
    {108, "VK_SEPARATOR"},
    {109, "VK_SUBTRACT"},
    {110, "VK_DECIMAL"},
    {111, "VK_DIVIDE"},
    {112, "VK_F1"},
    {113, "VK_F2"},
    {114, "VK_F3"},
    {115, "VK_F4"},
    {116, "VK_F5"},
    {117, "VK_F6"},
    {118, "VK_F7"},
    {119, "VK_F8"},
    {120, "VK_F9"},
    {121, "VK_F10"},
    {122, "VK_F11"},
    {123, "VK_F12"},
    {124, "VK_F13"},
    {125, "VK_F14"},
    {126, "VK_F15"},
    {127, "VK_F16"},
    {128, "VK_F17"},
    {129, "VK_F18"},
    {130, "VK_F19"},
    {131, "VK_F20"},
    {132, "VK_F21"},
    {133, "VK_F22"},
    {134, "VK_F23"},
    {135, "VK_F24"},
    {144, "VK_NUMLOCK"},
    {145, "VK_SCROLL"},
    {146, "VK_OEM_NEC_EQUAL"},
    {147, "VK_OEM_FJ_MASSHOU"},
    {148, "VK_OEM_FJ_TOUROKU"},
    {149, "VK_OEM_FJ_LOYA"},
    {150, "VK_OEM_FJ_ROYA"},
    {160, "VK_LSHIFT"},
    {161, "VK_RSHIFT"},
    {162, "VK_LCONTROL"},
    {163, "VK_RCONTROL"},
    {164, "VK_LMENU"},
    {165, "VK_RMENU"},
    {166, "VK_BROWSER_BACK"},
    {167, "VK_BROWSER_FORWARD"},
    {168, "VK_BROWSER_REFRESH"},
    {169, "VK_BROWSER_STOP"},
    {170, "VK_BROWSER_SEARCH"},
    {171, "VK_BROWSER_FAVORITES"},
    {172, "VK_BROWSER_HOME"},
    {173, "VK_VOLUME_MUTE"},
    {174, "VK_VOLUME_DOWN"},
    {175, "VK_VOLUME_UP"},
    {176, "VK_MEDIA_NEXT_TRACK"},
    {177, "VK_MEDIA_PREV_TRACK"},
    {178, "VK_MEDIA_STOP"},
    {179, "VK_MEDIA_PLAY_PAUSE"},
    {180, "VK_LAUNCH_MAIL"},
    {181, "VK_LAUNCH_MEDIA_SELECT"},
    {182, "VK_LAUNCH_APP1"},
    {183, "VK_LAUNCH_APP2"},
    {186, "VK_OEM_1"},
    {187, "VK_OEM_PLUS"},
    {188, "VK_OEM_COMMA"},
    {189, "VK_OEM_MINUS"},
    {190, "VK_OEM_PERIOD"},
    {191, "VK_OEM_2"},
    {192, "VK_OEM_3"},
    {219, "VK_OEM_4"},
    {220, "VK_OEM_5"},
    {221, "VK_OEM_6"},
    {222, "VK_OEM_7"},
    {223, "VK_OEM_8"},
    {225, "VK_OEM_AX"},
    {226, "VK_OEM_102"},
    {227, "VK_ICO_HELP"},
    {228, "VK_ICO_00"},
    {229, "VK_PROCESSKEY"},
    {230, "VK_ICO_CLEAR"},
    {231, "VK_PACKET"},
};
static_assert(std::size(kNamedKeys) == 134, "every named virtual key");

}  // namespace

std::string KeyName(int32_t code) {
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z')) {
        return std::string(1, static_cast<char>(code));
    }
    if (code <= 0 || code > 255) return std::string();
    const auto named =
        std::lower_bound(std::begin(kNamedKeys), std::end(kNamedKeys), code,
                         [](const NamedKey& key, int32_t wanted) { return key.code < wanted; });
    if (named != std::end(kNamedKeys) && named->code == code) return named->name;
    return std::string(1, static_cast<char>(code));
}

std::string KeyNameFormatter(float value) {
    return KeyName(static_cast<int32_t>(value));
}
