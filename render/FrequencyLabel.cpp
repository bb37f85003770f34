// Frequency label texts.
#include "render/FrequencyLabel.h"

#include <cmath>
#include <cstdio>

std::string FrequencyLabelText(int hz) {
    char text[32];
    if (hz >= 1000) {
        const float kilohertz = std::floor(static_cast<float>(hz) * 0.001f);
        const int remainderHz = static_cast<int>(hz - kilohertz * 1000.0);
        std::snprintf(text, sizeof text, "%d.%dK", static_cast<int>(kilohertz), remainderHz / 100);
    } else {
        std::snprintf(text, sizeof text, "%d", hz);
    }
    return text;
}
