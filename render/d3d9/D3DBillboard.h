// The waterfall's label writer: a short white text centred on the screen
// position of a 3D point, drawn through the frame's sprite batch at that
// point's depth so that the scene in front of it hides it.
// User-interface thread only.
#pragma once

#include <memory>

#include "render/LabelPlacement.h"
#include "render/Matrix4.h"
#include "render/Vector3.h"
#include "render/Viewport.h"

struct IDirect3DDevice9;
class CD3DFont;
class CSpriteBatch;

class CD3DBillboard {
public:
    CD3DBillboard();
    ~CD3DBillboard();
    CD3DBillboard(const CD3DBillboard&) = delete;
    CD3DBillboard& operator=(const CD3DBillboard&) = delete;

    // Creates the 12-pixel bold Arial font; false (reported) without it, and
    // labels are then not drawn.
    // pixelScale as the owning component has it.
    bool Init(IDirect3DDevice9* device, float pixelScale = 1.0f);

    void DrawLabel(CSpriteBatch* sprite, const Matrix4& projection, const Matrix4& view,
                   const Vector3& position, const char* text);
    // Where DrawLabel puts the text; not visible without a font.
    LabelBox Place(const Matrix4& projection, const Matrix4& view, const Vector3& position,
                   const char* text) const;

private:
    std::unique_ptr<CD3DFont> font_;
    Viewport viewport_;
};
