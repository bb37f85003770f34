// ParseTortureOptions: flags as "--name value" or "--name=value".
#include "tools/torture/TortureOptions.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool ReadNumber(const char* text, double minimum, double maximum, double& number) {
    char* end = nullptr;
    number = std::strtod(text, &end);
    return end != text && *end == 0 && number >= minimum && number <= maximum;
}

bool Apply(const std::string& name, const char* value, TortureOptions& options) {
    double number = 0.0;
    if (name == "--phase") {
        options.phase = value;
        return options.phase == "all" || options.phase == "opcodes" ||
               options.phase == "processing" || options.phase == "editor" ||
               options.phase == "instances" || options.phase == "load";
    }
    if (name == "--dll") {
        options.dllPath = value;
        return true;
    }
    if (name == "--seed" && ReadNumber(value, 0, 1e15, number)) {
        options.seed = static_cast<uint64_t>(number);
        return true;
    }
    if (name == "--seconds" && ReadNumber(value, 1, 1e6, number)) {
        options.seconds = number;
        return true;
    }
    if (name == "--instances" && ReadNumber(value, 2, 11, number)) {
        options.instances = static_cast<int>(number);
        return true;
    }
    if (name == "--hang-seconds" && ReadNumber(value, 1, 3600, number)) {
        options.hangSeconds = static_cast<int>(number);
        return true;
    }
    if (name == "--editor-cycles" && ReadNumber(value, 0, 1e6, number)) {
        options.editorCycles = static_cast<int>(number);
        return true;
    }
    return false;
}

}  // namespace

bool ParseTortureOptions(int argc, char** argv, TortureOptions& options) {
    for (int i = 1; i < argc; ++i) {
        std::string name = argv[i];
        if (name == "--no-editors") {
            options.editors = false;
            continue;
        }
        const char* value = nullptr;
        const size_t equals = name.find('=');
        if (equals != std::string::npos) {
            value = argv[i] + equals + 1;
            name.resize(equals);
        } else if (i + 1 < argc) {
            value = argv[++i];
        }
        if (value == nullptr || !Apply(name, value, options)) {
            std::fprintf(stderr,
                         "usage: torture [--seed N] [--seconds S] [--instances N (2..11)]\n"
                         "               [--editor-cycles N] [--hang-seconds S] [--no-editors]\n"
                         "               [--dll path\\to\\Vantoscope.dll]\n"
                         "               [--phase all|opcodes|processing|editor|instances|load]\n"
                         "bad or incomplete flag: %s\n",
                         argv[i]);
            return false;
        }
    }
    return true;
}
