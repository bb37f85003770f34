// Screen placement of labels.
#include "render/LabelPlacement.h"

namespace {
constexpr float kInFrontOfPoint = 0.0001f;
}

LabelBox PlaceLabel(const Vector3& position, int textWidth, int textHeight,
                    const Matrix4& projection, const Matrix4& view, const Viewport& viewport) {
    const Matrix4 world = TranslationMatrix(position.x, position.y, position.z);
    const Vector3 screen = ProjectToScreen({}, viewport, projection, view, world);
    LabelBox box;
    // Truncated towards zero, as the text's pixel grid expects.
    box.left = static_cast<int>(screen.x - static_cast<float>(textWidth) * 0.5f);
    box.top = static_cast<int>(screen.y - static_cast<float>(textHeight) * 0.5f);
    box.right = box.left + textWidth;
    box.bottom = box.top + textHeight;
    box.depth = screen.z;
    box.visible = screen.z >= viewport.minZ && screen.z <= viewport.maxZ;
    return box;
}

Matrix4 LabelSpriteTransform(float depth) {
    return TranslationMatrix(0.0f, 0.0f, depth - kInFrontOfPoint);
}
