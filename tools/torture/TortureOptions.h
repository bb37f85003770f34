// The torture run's command line: --seed, --seconds, --instances, --dll,
// --editor-cycles, --phase, --hang-seconds, --no-editors.
#pragma once

#include <cstdint>
#include <string>

struct TortureOptions {
    uint64_t seed = 1;
    double seconds = 45.0;
    int instances = 8;  // the largest group run at once, after a pair
    int editorCycles = 100;
    int hangSeconds = 30;  // a call that takes longer is a hang
    std::string dllPath;   // empty: Vantoscope.dll beside the program
    // False: the editor cycles and instance groups do the same work with
    // their editors closed (the warm-up still opens one), to tell the
    // memory the editors cost from the rest.
    bool editors = true;
    // "all", or one of "opcodes", "processing", "editor", "instances" to
    // spend the whole budget on that phase, or "load": only open the editor
    // and let it run with ordinary audio, to prove an installation works.
    std::string phase = "all";
};

// Fills options from argv; false (with a message on stderr) on a bad flag.
bool ParseTortureOptions(int argc, char** argv, TortureOptions& options);
