// The text a key parameter shows for a virtual-key code.
#pragma once

#include <cstdint>
#include <string>

// Digits and capital letters as themselves, 0 as the empty text, named keys
// by the SDK name of their virtual-key constant ("VK_RETURN"), and any other
// code up to 255 as the one-byte text of the code itself.
std::string KeyName(int32_t code);

// The formatter of the key parameters: the value truncated toward zero.
std::string KeyNameFormatter(float value);
