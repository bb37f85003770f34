// The renderer on a real window under Wine: device tries, fill modes,
// components, lost-device recovery and a rendered scene checked by pixels.
#include <d3d9.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "render/d3d9/D3DRenderer.h"
#include "render/d3d9/SpriteBatch.h"
#include "tests/win/render/RenderFixture.h"
#include "tests/win/render/TestScene.h"

namespace {

constexpr uint32_t kPureFlags = 0x54;
constexpr uint32_t kMixedFlags = 0x84;
constexpr uint32_t kSoftwareFlags = 0x24;

int Brightness(uint32_t pixel) {
    return (RedOf(pixel) + GreenOf(pixel) + BlueOf(pixel)) / 3;
}

int CountLit(const CapturedImage& image, int left, int top, int right, int bottom) {
    int lit = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) lit += Brightness(image.At(x, y)) > 40 ? 1 : 0;
    }
    return lit;
}

void ExpectColourNear(uint32_t pixel, int red, int green, int blue, const char* where) {
    EXPECT_NEAR(RedOf(pixel), red, 3) << where;
    EXPECT_NEAR(GreenOf(pixel), green, 3) << where;
    EXPECT_NEAR(BlueOf(pixel), blue, 3) << where;
}

class RendererTest : public RenderFixture {};

TEST_F(RendererTest, SetupTakesTheFirstTryOnARealWindow) {
    auto renderer = MakeRenderer();
    ASSERT_NE(renderer->Device(), nullptr);
    EXPECT_NE(renderer->Sprite(), nullptr);
    EXPECT_EQ(renderer->BehaviourFlags(), kPureFlags);
    EXPECT_EQ(renderer->Width(), 900);
    EXPECT_EQ(renderer->Height(), 400);
    const CapturedImage frame = RenderAndCapture(*renderer);
    EXPECT_EQ(frame.width, 900);
    EXPECT_EQ(frame.height, 400);
    EXPECT_EQ(frame.At(450, 200), 0xFF000000u) << "cleared to opaque black";
    EXPECT_TRUE(errorBoxes_->Errors().empty());
}

TEST_F(RendererTest, FallsThroughToMixedThenSoftwareWithOrdinaryLogLines) {
    CD3DRenderer::TestHooks noHardware;
    noHardware.refuseDeviceTry = [](uint32_t flags) {
        return (flags & D3DCREATE_HARDWARE_VERTEXPROCESSING) != 0;
    };
    auto mixed = MakeRenderer(noHardware);
    EXPECT_EQ(mixed->BehaviourFlags(), kMixedFlags);
    EXPECT_EQ(log_.Count("Could not create a PURE Direct3D device."), 1);
    EXPECT_EQ(log_.Count("Could not create a HARDWARE Direct3D device."), 1);
    EXPECT_EQ(log_.Count("Could not create a MIXED Direct3D device."), 0);
    RenderAndCapture(*mixed);
    mixed.reset();

    CD3DRenderer::TestHooks softwareOnly;
    softwareOnly.refuseDeviceTry = [](uint32_t flags) {
        return (flags & D3DCREATE_SOFTWARE_VERTEXPROCESSING) == 0;
    };
    auto software = MakeRenderer(softwareOnly);
    EXPECT_EQ(software->BehaviourFlags(), kSoftwareFlags);
    EXPECT_EQ(log_.Count("Could not create a MIXED Direct3D device."), 1);
    EXPECT_EQ(log_.Count("Could not create a SOFTWARE Direct3D device."), 0);
    RenderAndCapture(*software);
    EXPECT_TRUE(errorBoxes_->Errors().empty());
}

TEST_F(RendererTest, NoDeviceAtAllIsOneErrorAndFramesReturnAtOnce) {
    CD3DRenderer::TestHooks noDevice;
    noDevice.refuseDeviceTry = [](uint32_t) { return true; };
    auto renderer = MakeRenderer(noDevice);
    EXPECT_EQ(renderer->Device(), nullptr);
    EXPECT_EQ(log_.Count("Could not create a SOFTWARE Direct3D device."), 1);
    ASSERT_TRUE(errorBoxes_->WaitForErrors(1, 5000));
    for (int frame = 0; frame < 3; ++frame) EXPECT_TRUE(renderer->RenderFrame());
    EXPECT_EQ(capture_->FramesPresented(), 0u);
    renderer.reset();
    const auto errors = errorBoxes_->Errors();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("Could not create the Direct3D device."), std::string::npos)
        << errors[0];
}

TEST_F(RendererTest, NoDirect3DObjectIsReported) {
    CD3DRenderer::TestHooks noObject;
    noObject.failDirect3DObject = true;
    auto renderer = MakeRenderer(noObject);
    EXPECT_EQ(renderer->Device(), nullptr);
    ASSERT_TRUE(errorBoxes_->WaitForErrors(1, 5000));
    EXPECT_NE(errorBoxes_->Errors()[0].find("Could not create the Direct3D object."),
              std::string::npos);
    EXPECT_TRUE(renderer->RenderFrame());
}

TEST_F(RendererTest, FillModesSolidWireframeAndPoints) {
    SceneCalls calls;
    auto renderer = MakeRenderer();
    renderer->AddComponent(new CTestScene(&calls, {}));
    int lit[4] = {};
    CapturedImage frames[4];
    for (int mode = 0; mode < 4; ++mode) {
        renderer->SetFillMode(mode);
        frames[mode] = RenderAndCapture(*renderer);
        // The near box only; the screen-space items are always solid.
        lit[mode] = CountLit(frames[mode], 100, 100, 300, 300);
    }
    EXPECT_GT(lit[0], 20000) << "a solid face";
    EXPECT_LT(lit[1], lit[0] / 4) << "edges only";
    EXPECT_GT(lit[1], 200);
    EXPECT_LT(lit[2], lit[1]) << "corners only";
    EXPECT_GT(lit[2], 0);
    EXPECT_EQ(frames[3].pixels, frames[2].pixels) << "3 also draws points";
    EXPECT_EQ(CountLit(frames[1], 690, 290, 800, 370), CountLit(frames[0], 690, 290, 800, 370));
}

TEST_F(RendererTest, ComponentWhoseInitFailsStaysListedAndIsReleased) {
    SceneCalls failing;
    SceneCalls working;
    auto renderer = MakeRenderer();
    CTestScene::Options fail;
    fail.failInit = true;
    renderer->AddComponent(new CTestScene(&failing, fail));
    renderer->AddComponent(new CTestScene(&working, {}));
    ASSERT_TRUE(errorBoxes_->WaitForErrors(1, 5000));
    EXPECT_NE(errorBoxes_->Errors()[0].find("CD3DRenderer: could not initialise component"),
              std::string::npos);
    EXPECT_EQ(renderer->Components().size(), 2u);
    RenderAndCapture(*renderer);
    EXPECT_EQ(failing.render3D, 1);
    EXPECT_EQ(failing.draw2D, 1);

    renderer.reset();
    EXPECT_EQ(failing.release, 1);
    EXPECT_EQ(failing.destroyed, 1);
    EXPECT_EQ(working.release, 1);
    EXPECT_EQ(working.destroyed, 1);
    EXPECT_EQ(errorBoxes_->Errors().size(), 1u);
}

TEST_F(RendererTest, LostDeviceIsResetAndDrawingGoesOn) {
    SceneCalls calls;
    int frame = 0;
    int levelCalls = 0;
    CD3DRenderer::TestHooks hooks;
    // The second frame's present finds the device lost; it stays lost for
    // two more frames, then says it can be reset.
    hooks.presentResult = [&frame](long result) {
        return ++frame == 2 ? static_cast<long>(D3DERR_DEVICELOST) : result;
    };
    hooks.cooperativeLevel = [&frame, &levelCalls](long result) {
        if (frame < 2) return result;
        ++levelCalls;
        if (levelCalls <= 2) return static_cast<long>(D3DERR_DEVICELOST);
        if (levelCalls == 3) return static_cast<long>(D3DERR_DEVICENOTRESET);
        return result;
    };
    auto renderer = MakeRenderer(hooks);
    renderer->AddComponent(new CTestScene(&calls, {}));
    const CapturedImage before = RenderAndCapture(*renderer);
    RenderAndCapture(*renderer);
    EXPECT_TRUE(renderer->DeviceLost());
    EXPECT_EQ(calls.lost, 1);

    const uint32_t presented = capture_->FramesPresented();
    EXPECT_TRUE(renderer->RenderFrame());
    EXPECT_TRUE(renderer->RenderFrame());
    EXPECT_EQ(capture_->FramesPresented(), presented) << "nothing drawn while lost";
    EXPECT_EQ(calls.reset, 0);

    const CapturedImage after = RenderAndCapture(*renderer);
    EXPECT_FALSE(renderer->DeviceLost());
    EXPECT_EQ(calls.reset, 1);
    EXPECT_EQ(after.pixels, before.pixels) << "the same scene after the reset";
    RenderAndCapture(*renderer);
    EXPECT_EQ(log_.Count("CD3DRenderer: device lost"), 1);
    EXPECT_EQ(log_.Count("CD3DRenderer: device reset"), 1);
    EXPECT_TRUE(errorBoxes_->Errors().empty());
}

TEST_F(RendererTest, RenderedSceneShowsLitBoxesFogTextAndBlendedSprites) {
    SceneCalls calls;
    auto renderer = MakeRenderer();
    auto* scene = new CTestScene(&calls, {});
    renderer->AddComponent(scene);
    const CapturedImage frame = RenderAndCapture(*renderer);
    CreateDirectoryA(VANTOSCOPE_SCREENSHOT_DIR, nullptr);
    EXPECT_TRUE(SavePng(frame, std::string(VANTOSCOPE_SCREENSHOT_DIR) + "/render_scene.png"));

    // The near front face is lit nearly fully; the far one, as large on
    // screen, fades towards the black fog.
    const uint32_t nearFace = frame.At(CTestScene::kNearBoxX, CTestScene::kNearBoxY);
    const uint32_t farFace = frame.At(CTestScene::kFarBoxX, CTestScene::kFarBoxY);
    EXPECT_GT(Brightness(nearFace), 200);
    EXPECT_LT(Brightness(farFace), Brightness(nearFace) - 40);
    EXPECT_GT(Brightness(farFace), 60);
    EXPECT_EQ(RedOf(nearFace), BlueOf(nearFace)) << "white light on a white box stays grey";
    // The turned box shows faces of clearly different brightness.
    int darkest = 255;
    int brightest = 0;
    for (int x = CTestScene::kTurnedBoxLeft; x < CTestScene::kTurnedBoxRight; ++x) {
        for (int y = 100; y < 300; ++y) {
            const int brightness = Brightness(frame.At(x, y));
            if (brightness == 0) continue;
            darkest = std::min(darkest, brightness);
            brightest = std::max(brightest, brightness);
        }
    }
    EXPECT_GT(brightest - darkest, 50);

    // Half-transparent red over the opaque white sprite and over the black
    // background.
    const int middleY = CTestScene::kSpriteY + CTestScene::kSpriteSize / 2;
    ExpectColourNear(frame.At(CTestScene::kRedSpriteX + 16, middleY), 255, 127, 127, "over white");
    ExpectColourNear(frame.At(CTestScene::kRedSpriteX + 48, middleY), 128, 0, 0, "over black");
    ExpectColourNear(frame.At(CTestScene::kWhiteSpriteX + 16, middleY), 255, 255, 255, "white");

    // The text lies where the measuring said, with nothing beside it.
    const os::Rect text = scene->TextRect();
    EXPECT_EQ(text.left, CTestScene::kTextLeft);
    EXPECT_GT(text.right - text.left, 100);
    EXPECT_GT(CountLit(frame, text.left, text.top, text.right, text.bottom), 150);
    EXPECT_EQ(CountLit(frame, text.right + 1, text.top - 4, text.right + 60, text.bottom + 4), 0);
    EXPECT_EQ(CountLit(frame, text.left, text.bottom, text.right, text.bottom + 20), 0);
    EXPECT_GT(CountLit(frame, text.right - 12, text.top, text.right, text.bottom), 0)
        << "the last glyph reaches the measured right edge";
}

TEST_F(RendererTest, AllTextAndSpritesOfAFrameTakeOneDrawCallPerTextureRun) {
    SceneCalls calls;
    auto renderer = MakeRenderer();
    CTestScene::Options manyLines;
    manyLines.extraTextLines = 24;
    renderer->AddComponent(new CTestScene(&calls, manyLines));
    RenderAndCapture(*renderer);
    // 1920 glyphs of the 24 log-like lines share the small font's atlas: one
    // call; the label's font, the white and the red sprite: one each.
    EXPECT_EQ(renderer->Sprite()->DrawCallsOfLastBatch(), 4u);
    // Plus the three boxes of the 3D pass.
    EXPECT_EQ(capture_->DrawCallsOfLastFrame(), 7u);
}

}  // namespace
