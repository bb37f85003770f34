// The demo program: shows the plug-in at work in our host and writes its
// pictures to the folder given as the only argument (default build/demo).
#include <windows.h>

#include "tools/demo/DemoScript.h"

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : "build/demo";
    CreateDirectoryA(folder.c_str(), nullptr);
    CDemoScript script(folder);
    const CDemoReport& report = script.Run();
    report.Print();
    return report.ExitCode();
}
