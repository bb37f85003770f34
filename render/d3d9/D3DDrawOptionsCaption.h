// The caption in the view's top right corner that names the view options in
// effect ("4.5 dB/oct · 10 s · Side"), so that a screenshot or an export of
// a tilted, time-spread or one-channel picture is never read as the plain
// spectrum. Nothing is drawn while every such option is at its default.
// Screen-space pass only; user-interface thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "editor/EditorListener.h"
#include "render/D3DComponent.h"

class CD3DOverlayPainter;

class CD3DDrawOptionsCaption : public CD3DComponent, public CEditorListener {
public:
    CD3DDrawOptionsCaption();
    ~CD3DDrawOptionsCaption() override;

    bool Init(IDirect3DDevice9* device, int32_t width, int32_t height) override;
    void Draw2D(CSpriteBatch* sprite) override;
    void Render3D(IDirect3DDevice9* /*device*/) override {}
    void ReleaseResources() override;
    void SyncFromEditor(const CSynthEditor& editor) override;

private:
    std::unique_ptr<CD3DOverlayPainter> painter_;
    int32_t width_ = 0;
    std::string caption_;
};
