// Where a label's text goes on the screen: the scene point is projected
// through the camera into the editor's view and the text's box is centred
// on it; the sprite draws it at the point's depth, a hair in front.
#pragma once

#include "editor/EditorLayout.h"
#include "render/Matrix4.h"
#include "render/Vector3.h"
#include "render/Viewport.h"

struct LabelBox {
    int left, top, right, bottom;
    // Depth of the point, 0 at the near plane and 1 at the far plane.
    float depth;
    // False for points behind the camera or beyond the far plane: their
    // projection would put the text at a mirrored, meaningless place.
    bool visible;
};

constexpr Viewport kLabelViewport{0.0f,
                                  0.0f,
                                  static_cast<float>(kEditorLayout.viewWidth),
                                  static_cast<float>(kEditorLayout.viewHeight),
                                  0.0f,
                                  1.0f};

// textWidth and textHeight: the measured text's extent in pixels.
LabelBox PlaceLabel(const Vector3& position, int textWidth, int textHeight,
                    const Matrix4& projection, const Matrix4& view,
                    const Viewport& viewport = kLabelViewport);

// The sprite's transform while the label is drawn.
Matrix4 LabelSpriteTransform(float depth);
