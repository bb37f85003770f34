// Paints the background of the controls panel: brushed metal shading from
// dark blue to light grey-blue, a screw head in each corner, and a framed
// box at the lower right with the product's name and a small waterfall logo.
// The places where the panel's texts and buttons sit are kept calm. Larger
// editors get the same picture drawn at their size: every length is in the
// panel's pixels at 100 % and multiplied by the scale.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/art/Canvas.h"
#include "tools/art/StrokeFont.h"

class CRandom;

class CPanelPainter {
public:
    static constexpr int kWidth = 900;
    static constexpr int kHeight = 200;

    // The canvas is kWidth x kHeight times scale.
    CPanelPainter(CCanvas& canvas, float scale = 1.0f) : canvas_(canvas), scale_(scale) {}

    void PaintAll(CRandom& random);

private:
    struct Box {
        float left;
        float top;
        float right;
        float bottom;
    };

    void PaintBrushedMetal(CRandom& random);
    void PaintScrew(float cx, float cy, float slotAngle);
    void PaintNameBox(const Box& box);
    void PaintName(const Box& box);
    void PaintLogo(const Box& box, CRandom& random);

    // Colour of the name box's inside at row y.
    Rgb BoxInside(const Box& box, float y) const;
    // Draws segments of half-width halfWidth with smooth edges; colour at
    // each pixel from the row (top to bottom of the strokes as 0..1).
    void DrawStrokes(const std::vector<Segment>& strokes, float halfWidth, const Rgb& top,
                     const Rgb& bottom, float opacity);

    // A length at 100 % in this canvas's pixels.
    float S(float length) const { return length * scale_; }

    CCanvas& canvas_;
    float scale_;
    // Relative brightness of the metal's streaks, one per pixel, reused
    // faintly inside the name box.
    std::vector<float> streaks_;
};
