// StrokeFont: straight strokes and elliptic arcs, in a unit cell.
#include "tools/art/StrokeFont.h"

#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;
constexpr int kArcSteps = 24;
constexpr float kMid = kGlyphWidth * 0.5f;

void Line(std::vector<Segment>& out, float x0, float y0, float x1, float y1) {
    out.push_back({x0, y0, x1, y1});
}

// An arc of the ellipse centred at (cx, cy), angles in degrees, y down:
// -90 is the top, 0 the right, 90 the bottom.
void Arc(std::vector<Segment>& out, float cx, float cy, float rx, float ry, float fromDeg,
         float toDeg) {
    float px = cx + rx * std::cos(fromDeg * kPi / 180.0f);
    float py = cy + ry * std::sin(fromDeg * kPi / 180.0f);
    for (int i = 1; i <= kArcSteps; ++i) {
        const float a = (fromDeg + (toDeg - fromDeg) * i / kArcSteps) * kPi / 180.0f;
        const float x = cx + rx * std::cos(a);
        const float y = cy + ry * std::sin(a);
        Line(out, px, py, x, y);
        px = x;
        py = y;
    }
}

std::vector<Segment> Glyph(char letter) {
    std::vector<Segment> g;
    const float w = kGlyphWidth;
    switch (letter) {
        case 'A':
            Line(g, 0, 1, kMid, 0);
            Line(g, kMid, 0, w, 1);
            Line(g, 0.14f, 0.64f, w - 0.14f, 0.64f);
            break;
        case 'C':
            Arc(g, kMid, 0.5f, kMid, 0.5f, -45, -315);
            break;
        case 'E':
            Line(g, w, 0, 0, 0);
            Line(g, 0, 0, 0, 1);
            Line(g, 0, 1, w, 1);
            Line(g, 0, 0.5f, w * 0.8f, 0.5f);
            break;
        case 'N':
            Line(g, 0, 1, 0, 0);
            Line(g, 0, 0, w, 1);
            Line(g, w, 1, w, 0);
            break;
        case 'O':
            Arc(g, kMid, 0.5f, kMid, 0.5f, 0, 360);
            break;
        case 'P':
            Line(g, 0, 1, 0, 0);
            Line(g, 0, 0, w * 0.55f, 0);
            Arc(g, w * 0.55f, 0.27f, w * 0.45f, 0.27f, -90, 90);
            Line(g, w * 0.55f, 0.54f, 0, 0.54f);
            break;
        case 'S':
            Arc(g, kMid, 0.25f, kMid * 0.95f, 0.25f, -20, -270);
            Arc(g, kMid, 0.75f, kMid, 0.25f, -90, 160);
            break;
        case 'T':
            Line(g, 0, 0, w, 0);
            Line(g, kMid, 0, kMid, 1);
            break;
        case 'V':
            Line(g, 0, 0, kMid, 1);
            Line(g, kMid, 1, w, 0);
            break;
        default:
            break;
    }
    return g;
}

}  // namespace

std::vector<Segment> TextStrokes(const std::string& text, float left, float top, float height,
                                 float advance) {
    std::vector<Segment> strokes;
    float x = left;
    for (char letter : text) {
        for (const Segment& s : Glyph(letter)) {
            strokes.push_back(
                {x + s.x0 * height, top + s.y0 * height, x + s.x1 * height, top + s.y1 * height});
        }
        x += advance;
    }
    return strokes;
}
