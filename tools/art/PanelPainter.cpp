// CPanelPainter: the metal, the screws, the name box, the name and the logo.
#include "tools/art/PanelPainter.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "tools/art/Random.h"

namespace {

constexpr float kPi = 3.14159265f;

// Left and right ends of the panel's shading.
constexpr Rgb kDarkBlue{16, 30, 68};
constexpr Rgb kGreyBlue{108, 122, 150};

// The name box, its corner radius and frame width.
constexpr float kBoxCorner = 7.0f;
constexpr float kBoxFrame = 3.5f;

// The screws sit clear of the buttons nearest the corners.
constexpr float kScrewRadius = 6.5f;
constexpr float kScrewInset = 11.0f;

float Clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

float DistanceToSegment(float px, float py, const Segment& s) {
    const float dx = s.x1 - s.x0;
    const float dy = s.y1 - s.y0;
    const float lengthSq = dx * dx + dy * dy;
    float t = lengthSq > 0.0f ? ((px - s.x0) * dx + (py - s.y0) * dy) / lengthSq : 0.0f;
    t = Clamp01(t);
    return std::hypot(px - (s.x0 + t * dx), py - (s.y0 + t * dy));
}

// Signed distance to a rounded rectangle: negative inside.
float RoundedBoxDistance(float px, float py, float left, float top, float right, float bottom,
                         float radius) {
    const float cx = (left + right) * 0.5f;
    const float cy = (top + bottom) * 0.5f;
    const float qx = std::fabs(px - cx) - ((right - left) * 0.5f - radius);
    const float qy = std::fabs(py - cy) - ((bottom - top) * 0.5f - radius);
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

// Spreads white noise along a row into long soft streaks (three box passes
// approach a Gaussian); the row wraps so that its ends look like its middle.
std::vector<float> Streak(CRandom& random, int width, int radius) {
    std::vector<float> row(width);
    for (float& v : row) v = random.Signed();
    std::vector<float> blurred(width);
    for (int pass = 0; pass < 3; ++pass) {
        for (int x = 0; x < width; ++x) {
            float sum = 0.0f;
            for (int k = -radius; k <= radius; ++k) sum += row[(x + k + width) % width];
            blurred[x] = sum / static_cast<float>(2 * radius + 1);
        }
        row.swap(blurred);
    }
    return row;
}

Rgb LevelColour(float level) {
    constexpr Rgb kGreen{40, 215, 70};
    constexpr Rgb kYellow{255, 225, 0};
    constexpr Rgb kRed{255, 45, 10};
    return level < 0.5f ? Mix(kGreen, kYellow, level * 2.0f)
                        : Mix(kYellow, kRed, (level - 0.5f) * 2.0f);
}

}  // namespace

void CPanelPainter::PaintAll(CRandom& random) {
    PaintBrushedMetal(random);
    const float inset = S(kScrewInset);
    const float right = canvas_.Width() - inset;
    const float bottom = canvas_.Height() - inset;
    PaintScrew(inset, inset, random.Signed() * kPi);
    PaintScrew(right, inset, random.Signed() * kPi);
    PaintScrew(inset, bottom, random.Signed() * kPi);
    PaintScrew(right, bottom, random.Signed() * kPi);

    const Box nameBox{S(630), S(78), S(880), S(188)};
    PaintNameBox(nameBox);
    PaintName(nameBox);
    PaintLogo(nameBox, random);
}

void CPanelPainter::PaintBrushedMetal(CRandom& random) {
    const int streakRadius = static_cast<int>(S(22.0f));
    // The streaks' standard deviation after blurring is about 0.07; this
    // brings it near 0.5 before the amplitude below.
    constexpr float kStreakGain = 7.0f;
    constexpr float kStreakDepth = 0.05f;
    constexpr float kGrainDepth = 0.012f;

    const int width = canvas_.Width(), height = canvas_.Height();
    streaks_.assign(static_cast<size_t>(width) * height, 0.0f);
    for (int y = 0; y < height; ++y) {
        const float rowShade = random.Signed() * 0.5f;
        const std::vector<float> streak = Streak(random, width, streakRadius);
        const float vertical = 1.05f - 0.1f * static_cast<float>(y) / height;
        for (int x = 0; x < width; ++x) {
            const float s = rowShade * 0.6f + streak[x] * kStreakGain * 0.4f;
            streaks_[static_cast<size_t>(y) * width + x] = s;
            const float t = static_cast<float>(x) / (width - 1);
            // A broad soft sheen across the middle, as if lit from above left.
            const float sheenOffset =
                (static_cast<float>(x) - S(470.0f) + (y - S(100.0f)) * 1.4f) / S(170.0f);
            const float sheen = 0.08f * std::exp(-sheenOffset * sheenOffset);
            const float brightness =
                vertical * (1.0f + kStreakDepth * s + sheen) + kGrainDepth * random.Signed();
            const Rgb base = Mix(kDarkBlue, kGreyBlue, t * (0.85f + 0.15f * t));
            canvas_.Set(x, y, {base.r * brightness, base.g * brightness, base.b * brightness});
        }
    }
}

void CPanelPainter::PaintScrew(float cx, float cy, float slotAngle) {
    const float r = S(kScrewRadius);
    const int x0 = static_cast<int>(cx - r - S(4));
    const int x1 = static_cast<int>(cx + r + S(4));
    const int y0 = static_cast<int>(cy - r - S(4));
    const int y1 = static_cast<int>(cy + r + S(4));
    // Light from the upper left, towards the viewer.
    const float lx = -0.5f, ly = -0.6f, lz = 0.62f;
    const float hLength = std::sqrt(lx * lx + ly * ly + (lz + 1) * (lz + 1));
    const float hx = lx / hLength, hy = ly / hLength, hz = (lz + 1) / hLength;

    const float c = std::cos(slotAngle), s = std::sin(slotAngle);
    const float slotHalf = r * 0.78f;
    const Segment slot{cx - c * slotHalf, cy - s * slotHalf, cx + c * slotHalf, cy + s * slotHalf};

    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            // The hole's shadow, below right of the head.
            const float shadowDistance =
                std::hypot(px - cx - S(0.8f), py - cy - S(1.0f)) - (r + S(1.4f));
            canvas_.Scale(x, y, 1.0f - 0.5f * Clamp01(0.5f - shadowDistance / S(1.5f)));

            const float dx = (px - cx) / r, dy = (py - cy) / r;
            const float rr = dx * dx + dy * dy;
            const float coverage = Clamp01(0.5f - (std::sqrt(rr) * r - r));
            if (coverage <= 0.0f) continue;
            // A shallow dome.
            const float nx = dx * 0.7f, ny = dy * 0.7f;
            const float nz = std::sqrt(std::max(0.0f, 1.0f - nx * nx - ny * ny));
            const float diffuse = std::max(0.0f, nx * lx + ny * ly + nz * lz);
            const float glint = std::pow(std::max(0.0f, nx * hx + ny * hy + nz * hz), 28.0f);
            const float rim = 0.7f + 0.3f * Clamp01((1.0f - std::sqrt(rr)) * 4.0f);
            const float shade = (0.3f + 0.8f * diffuse) * rim;
            const Rgb head{std::min(255.0f, 140 * shade + 150 * glint),
                           std::min(255.0f, 148 * shade + 150 * glint),
                           std::min(255.0f, 165 * shade + 150 * glint)};
            canvas_.Blend(x, y, head, coverage);

            const float slotDistance = DistanceToSegment(px, py, slot);
            const float edgeDistance = DistanceToSegment(px - S(0.8f), py - S(0.8f), slot);
            // A lit lower edge, then the dark slot.
            canvas_.Blend(x, y, {215, 222, 235},
                          0.55f * Clamp01(S(1.4f) - edgeDistance) * coverage);
            canvas_.Blend(x, y, {24, 26, 34}, Clamp01(S(1.4f) - slotDistance) * coverage);
        }
    }
}

Rgb CPanelPainter::BoxInside(const Box& box, float y) const {
    const float t = Clamp01((y - box.top) / (box.bottom - box.top));
    return Mix(Rgb{10, 17, 40}, Rgb{22, 34, 64}, t);
}

void CPanelPainter::PaintNameBox(const Box& box) {
    const Rgb frameTop{190, 200, 220};
    const Rgb frameBottom{70, 80, 104};
    const int width = canvas_.Width(), height = canvas_.Height();
    const int margin = static_cast<int>(S(6)), shadowMargin = static_cast<int>(S(8));
    const float corner = S(kBoxCorner);
    for (int y = static_cast<int>(box.top) - margin;
         y <= static_cast<int>(box.bottom) + shadowMargin; ++y) {
        for (int x = static_cast<int>(box.left) - margin;
             x <= static_cast<int>(box.right) + shadowMargin; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float shadow = RoundedBoxDistance(px - S(2.0f), py - S(3.0f), box.left, box.top,
                                                    box.right, box.bottom, corner);
            canvas_.Scale(x, y, 1.0f - 0.4f * Clamp01(0.5f - shadow / S(4.0f)));

            const float d =
                RoundedBoxDistance(px, py, box.left, box.top, box.right, box.bottom, corner);
            const float t = Clamp01((py - box.top) / (box.bottom - box.top));
            canvas_.Blend(x, y, Mix(frameTop, frameBottom, t), Clamp01(0.5f - d));

            const float inside = -S(kBoxFrame) - d;  // depth inside the frame's inner edge
            if (inside <= -0.5f) continue;
            const float streak =
                streaks_[static_cast<size_t>(std::clamp(y, 0, height - 1)) * width +
                         std::clamp(x, 0, width - 1)];
            const Rgb base = BoxInside(box, py);
            // The inside is sunk: a soft shadow along its upper and left edges.
            const float sink =
                1.0f - 0.45f * std::exp(-inside / S(2.0f)) *
                           Clamp01(0.6f + (box.bottom - py) / (box.bottom - box.top));
            const float lit = (1.0f + 0.03f * streak) * sink;
            canvas_.Blend(x, y, {base.r * lit, base.g * lit, base.b * lit}, Clamp01(inside + 0.5f));
        }
    }
}

void CPanelPainter::DrawStrokes(const std::vector<Segment>& strokes, float halfWidth,
                                const Rgb& top, const Rgb& bottom, float opacity) {
    float minX = 1e9f, minY = 1e9f, maxX = -1e9f, maxY = -1e9f;
    for (const Segment& s : strokes) {
        minX = std::min({minX, s.x0, s.x1});
        maxX = std::max({maxX, s.x0, s.x1});
        minY = std::min({minY, s.y0, s.y1});
        maxY = std::max({maxY, s.y0, s.y1});
    }
    const float pad = halfWidth + 1.0f;
    for (int y = static_cast<int>(minY - pad); y <= static_cast<int>(maxY + pad); ++y) {
        const float t = Clamp01((y + 0.5f - minY) / std::max(1.0f, maxY - minY));
        const Rgb colour = Mix(top, bottom, t);
        for (int x = static_cast<int>(minX - pad); x <= static_cast<int>(maxX + pad); ++x) {
            float distance = 1e9f;
            for (const Segment& s : strokes) {
                distance = std::min(distance, DistanceToSegment(x + 0.5f, y + 0.5f, s));
            }
            canvas_.Blend(x, y, colour, opacity * Clamp01(halfWidth + 0.5f - distance));
        }
    }
}

void CPanelPainter::PaintName(const Box& box) {
    const char* name = "VANTOSCOPE";
    const float letterHeight = S(24.0f);
    const float advance = letterHeight * kGlyphWidth + S(6.2f);
    const float top = S(88.0f);
    const float width = advance * 9.0f + letterHeight * kGlyphWidth;
    const float left = (box.left + box.right - width) * 0.5f;

    const std::vector<Segment> shadow =
        TextStrokes(name, left + S(1.5f), top + S(1.5f), letterHeight, advance);
    DrawStrokes(shadow, S(1.9f), Rgb{0, 0, 0}, Rgb{0, 0, 0}, 0.6f);
    const std::vector<Segment> strokes = TextStrokes(name, left, top, letterHeight, advance);
    DrawStrokes(strokes, S(1.6f), Rgb{248, 250, 255}, Rgb{140, 180, 232}, 1.0f);

    // A thin rule under the name that fades out at both ends.
    const int ruleTop = static_cast<int>(S(121.0f));
    const int ruleRows = std::max(1, static_cast<int>(scale_));
    for (int x = static_cast<int>(left); x <= static_cast<int>(left + width); ++x) {
        const float t = (x - left) / width;
        for (int row = 0; row < ruleRows; ++row)
            canvas_.Blend(x, ruleTop + row, {90, 150, 225}, 0.9f * std::sin(kPi * t));
    }
}

void CPanelPainter::PaintLogo(const Box& box, CRandom& random) {
    // A small waterfall: spectra receding up and to the right, each hiding
    // the ones behind it, coloured by level as the 3D view colours them.
    constexpr int kRows = 5;
    constexpr int kPoints = 40;
    const float logoWidth = S(54.0f);
    const float amplitude = S(15.0f);
    const float frontLeft = box.right - S(82.0f);
    const float frontBase = box.bottom - S(10.0f);

    for (int row = kRows - 1; row >= 0; --row) {
        const float left = frontLeft + row * S(5.0f);
        const float base = frontBase - row * S(7.0f);
        const float lowPeak = 0.65f + 0.25f * std::sin(row * 1.7f);
        const float midPeak = 0.55f + 0.3f * std::cos(row * 2.3f);
        const float highPeak = 0.35f + 0.15f * std::sin(row * 0.9f + 1.0f);
        std::vector<float> levels(kPoints + 1);
        for (int i = 0; i <= kPoints; ++i) {
            const float u = static_cast<float>(i) / kPoints;
            const auto bump = [u](float centre, float width) {
                const float z = (u - centre) / width;
                return std::exp(-z * z);
            };
            levels[i] = Clamp01(lowPeak * bump(0.2f, 0.13f) + midPeak * bump(0.55f, 0.07f) +
                                highPeak * bump(0.8f, 0.1f) + 0.05f + 0.04f * random.Signed());
        }
        const auto curveY = [&](float x) {
            const float u = Clamp01((x - left) / logoWidth) * kPoints;
            const int i = std::min(static_cast<int>(u), kPoints - 1);
            const float level = levels[i] + (levels[i + 1] - levels[i]) * (u - i);
            return base - level * amplitude;
        };
        // Hide what lies behind this row.
        for (int x = static_cast<int>(left); x <= static_cast<int>(left + logoWidth); ++x) {
            const float top = curveY(x + 0.5f);
            for (int y = static_cast<int>(top) - 1; y <= static_cast<int>(base) + 1; ++y) {
                const float coverage = Clamp01(y + 0.5f - top + 0.5f) * Clamp01(base + 0.5f - y);
                canvas_.Blend(x, y, BoxInside(box, y + 0.5f), coverage);
            }
        }
        // The row's line, dimmer further back.
        const float depth = 0.55f + 0.45f * (kRows - 1 - row) / (kRows - 1);
        for (int i = 0; i < kPoints; ++i) {
            const float xa = left + logoWidth * i / kPoints;
            const float xb = left + logoWidth * (i + 1) / kPoints;
            const Segment piece{xa, curveY(xa), xb, curveY(xb)};
            Rgb colour = LevelColour((levels[i] + levels[i + 1]) * 0.5f);
            colour = {colour.r * depth, colour.g * depth, colour.b * depth};
            DrawStrokes({piece}, S(0.6f), colour, colour, 1.0f);
        }
    }
}
