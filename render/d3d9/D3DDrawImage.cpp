// A picture file drawn through the sprite batch.
#include "render/d3d9/D3DDrawImage.h"

#include <d3d9.h>

#include <algorithm>
#include <utility>

#include "diag/Log.h"
#include "render/Matrix4.h"
#include "render/d3d9/SpriteBatch.h"
#include "render/d3d9/Textures.h"

namespace {

constexpr char kLogSource[] = "D3DDrawImage";
constexpr uint32_t kUntinted = 0xFFFFFFFFu;

}  // namespace

CD3DDrawImage::CD3DDrawImage(std::string path) : path_(std::move(path)) {}

CD3DDrawImage::~CD3DDrawImage() = default;

bool CD3DDrawImage::Init(IDirect3DDevice9* device, int32_t /*width*/, int32_t /*height*/) {
    TextureInfo info;
    if (!LoadTextureFromFile(device, path_, texture_, &info)) {
        VS_LOG_ERROR("Could not load texture data: " << path_);
        return false;
    }
    imageWidth_ = static_cast<int32_t>(info.imageWidth);
    imageHeight_ = static_cast<int32_t>(info.imageHeight);
    return true;
}

void CD3DDrawImage::SetSourceRect(const os::Rect& source) {
    source_ = source;
    useSource_ = true;
}

void CD3DDrawImage::Draw2D(CSpriteBatch* sprite) {
    if (!texture_ || sprite == nullptr) return;
    if (pictureScale_ != 1.0f) {
        const Matrix4 previous = sprite->Transform();
        sprite->SetTransform(ScalingMatrix(1.0f / pictureScale_, 1.0f / pictureScale_, 1.0f) *
                             previous);
        DrawPicture(sprite,
                    Vector3{position_.x * pictureScale_, position_.y * pictureScale_, position_.z});
        sprite->SetTransform(previous);
        return;
    }
    DrawPicture(sprite, position_);
}

void CD3DDrawImage::DrawPicture(CSpriteBatch* sprite, const Vector3& position) {
    if (!useSource_) {
        sprite->Draw(texture_.Get(), nullptr, nullptr, &position, kUntinted);
        return;
    }
    // A picture smaller than the rectangle asked for is drawn as it is,
    // never stretched by texels outside it.
    const os::Rect held{std::max(source_.left, 0), std::max(source_.top, 0),
                        std::min(source_.right, imageWidth_),
                        std::min(source_.bottom, imageHeight_)};
    if (held.right <= held.left || held.bottom <= held.top) return;
    sprite->Draw(texture_.Get(), &held, nullptr, &position, kUntinted);
}

void CD3DDrawImage::ReleaseResources() {
    texture_.Reset();
}
