#include "tests/win/HostedEffectFixture.h"

#include <shlobj.h>
#include <windows.h>

#include <fstream>
#include <sstream>

std::string HostedEffectFixture::LogFileBytes() {
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_COMMON_DOCUMENTS, nullptr, 0, folder))) return {};
    std::ifstream file(std::string(folder) + "\\Vantoscope Log.html", std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}
