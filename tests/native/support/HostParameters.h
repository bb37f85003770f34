// What the host sees of parameters 0 to 8 of a fresh plug-in.
#pragma once

inline const char* const kHostParameterNames[] = {"CX",   "CY",  "CZ",   "CYaw", "CPitch",
                                                  "Axis", "Ave", "Hold", "Freq"};
inline const char* const kHostParameterLabels[] = {"M", "M",  "M",  "Deg", "Deg",
                                                   "%", "ms", "ms", "Hz"};
