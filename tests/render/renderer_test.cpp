// The renderer without a device: 2D primitives into a recorder, the scene list, the frame
// counter, the technique table, the start-up checks, the scene's aspect and the camera.
#include "render/DeviceResultText.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/window/WindowMetrics.h"
#include "render/Camera.h"
#include "render/FrameCounter.h"
#include "render/Renderer.h"
#include "render/effects/SceneEffect.h"
#include "render/effects/SceneObject.h"
#include "support/RecordingSpriteSink.h"

#include <gtest/gtest.h>

TEST(RendererPrimitivesTest, EveryPrimitiveReachesTheSinkWithItsRectangles) {
    Renderer renderer;
    RecordingSpriteSink sink;
    renderer.spriteSink = &sink;
    TextureRecord t;
    t.width = 64;
    t.height = 32;
    renderer.drawTexture(&t, 5, 6);
    renderer.drawImage(AtlasImage{&t, 1, 2, 3, 4}, 7, 8, 0x80FF0000u);
    renderer.drawTextureRect(&t, 10, 11, 12, 13, 14, 15);
    renderer.drawTextureRectScaled(&t, 1, 1, 100, 200, 300, 40, 2, 2, 0x12345678u);
    renderer.drawTexture(nullptr, 0, 0);  // missing textures still reach the sink
    ASSERT_EQ(sink.draws.size(), 5u);
    const SpriteDraw& whole = sink.draws[0];
    EXPECT_EQ(whole.srcW, 64);
    EXPECT_EQ(whole.srcH, 32);
    EXPECT_EQ(whole.dstX, 5.0f);
    EXPECT_EQ(whole.dstW, 64.0f);
    EXPECT_EQ(whole.colour, 0xFFFFFFFFu);
    const SpriteDraw& image = sink.draws[1];
    EXPECT_EQ(image.srcX, 1);
    EXPECT_EQ(image.srcH, 4);
    EXPECT_EQ(image.dstY, 8.0f);
    EXPECT_EQ(image.dstW, 3.0f);
    EXPECT_EQ(image.colour, 0x80FF0000u);
    const SpriteDraw& rect = sink.draws[2];
    EXPECT_EQ(rect.srcY, 11);
    EXPECT_EQ(rect.dstX, 14.0f);
    EXPECT_EQ(rect.dstH, 13.0f);
    const SpriteDraw& scaled = sink.draws[3];
    EXPECT_EQ(scaled.srcW, 2);
    EXPECT_EQ(scaled.dstX, 100.0f);
    EXPECT_EQ(scaled.dstY, 200.0f);
    EXPECT_EQ(scaled.dstW, 300.0f);
    EXPECT_EQ(scaled.dstH, 40.0f);
    EXPECT_EQ(scaled.colour, 0x12345678u);
    EXPECT_EQ(sink.draws[4].texture, nullptr);

    // A stretch of a 3-pixel source to 10 pixels keeps the floating-point scale.
    sink.clear();
    renderer.drawTextureRectScaled(&t, 0, 0, 0, 0, 10, 7, 3, 3, 0xFFFFFFFFu);
    EXPECT_FLOAT_EQ(sink.draws[0].dstW, 3.0f * (10.0f / 3.0f));
    // A frame without a device draws nothing and does not fail.
    renderer.renderFrame();
    EXPECT_EQ(sink.draws.size(), 1u);
}

TEST(RendererSceneListTest, FlaggedObjectsLeaveInOrderWithTheirFlagCleared) {
    Renderer renderer;
    SceneObject a(nullptr), b(nullptr), c(nullptr), d(nullptr);
    for (SceneObject* o : {&a, &b, &c, &d}) renderer.addObject(o);
    b.removeRequested = true;
    d.removeRequested = true;
    renderer.removeFlaggedObjects();
    EXPECT_EQ(renderer.objects, (std::vector<SceneObject*>{&a, &c}));
    EXPECT_FALSE(b.removeRequested);
    EXPECT_FALSE(d.removeRequested);
    // Dropped objects can come back and go again.
    renderer.addObject(&b);
    a.removeRequested = true;
    renderer.removeFlaggedObjects();
    EXPECT_EQ(renderer.objects, (std::vector<SceneObject*>{&c, &b}));
}

TEST(FrameCounterTest, CountsWholeSecondWindowsAcrossTheClockWrap) {
    FrameCounter counter;
    // The first frame shows 0 and starts the first window.
    EXPECT_EQ(counter.tick(5000), 0);
    for (std::uint32_t t = 5010; t < 6000; t += 10) EXPECT_EQ(counter.tick(t), 0);
    EXPECT_EQ(counter.tick(6000), 100);  // the 100 frames of 5000..5990
    EXPECT_EQ(counter.tick(6500), 100);
    EXPECT_EQ(counter.tick(7000), 2);
    // Near the wrap of the 32-bit clock the difference stays small.
    FrameCounter wrapping;
    wrapping.windowStart = 0xFFFFFF00u;
    wrapping.counter = 7;
    EXPECT_EQ(wrapping.tick(0x00000010u), 0);  // 272 ms later: same window
    EXPECT_EQ(wrapping.tick(0x00000300u), 8);
}

TEST(SceneTechniqueTest, MaterialsChooseTheirTechnique) {
    Material m;
    TextureRecord t;
    struct Case { int model; bool receives; bool shadows; bool textured; int technique; };
    const Case cases[] = {
        {0, true, true, true, kModTexture},       {0, true, true, false, kLightingOnly},
        {1, false, true, true, kPPModTexture},    {1, true, false, false, kPPLightingOnly},
        {1, true, true, true, kPPHSModTexture},   {1, true, true, false, kPPHSLightingOnly},
        {2, false, false, true, kPPSpecModTexture}, {2, true, false, false, kPPSpecLightingOnly},
        {2, true, true, true, kPPSpecHSModTexture}, {2, true, true, false, kPPSpecHSLightingOnly},
        {3, true, true, true, -1},                {-1, false, false, false, -1},
    };
    for (const Case& c : cases) {
        m.lightingModel = c.model;
        m.receivesShadow = c.receives;
        m.texture = c.textured ? &t : nullptr;
        EXPECT_EQ(chooseSceneTechnique(m, c.shadows), c.technique)
            << c.model << c.receives << c.shadows << c.textured;
    }
    EXPECT_STREQ(kSceneTechniqueNames[kPPSpecHSModTexture], "PPSpecHSModTexture");
}

TEST(DeviceChecksTest, MessagesOfTheStartUpChecks) {
    DeviceCapabilities caps;
    caps.vertexShaderMajor = 3;
    caps.pixelShaderMajor = 1;
    caps.pixelShaderMinor = 4;
    caps.currentMode = DisplayMode{1920, 1080, 60, 22};
    EXPECT_EQ(checkDeviceCapabilities(caps),
              "Sorry, but a video card with at least shader model 2.0 is needed to play Pitchbar. "
              "Detected vertex shader version is 3.0 detected pixel shader version is 1.4");
    caps.pixelShaderMajor = 2;
    EXPECT_EQ(checkDeviceCapabilities(caps).rfind("Display format D3DFMT_X8R8G8B8 is not available", 0), 0u);
    EXPECT_NE(checkDeviceCapabilities(caps).find(
                  " Current display mode: width: 1920 height: 1080 refreshRate: 60 format: 22"),
              std::string::npos);
    caps.backBufferFormatAvailable = true;
    EXPECT_EQ(checkDeviceCapabilities(caps).rfind("Depth format D3DFMT_D16 cannot be used", 0), 0u);
    caps.depthFormatAvailable = true;
    caps.modes = {DisplayMode{800, 600, 60, 22}};
    EXPECT_EQ(checkDeviceCapabilities(caps),
              "Resolution 1024x768 is not available with the display format D3DFMT_X8R8G8B8 on this "
              "video device. Current display mode: width: 1920 height: 1080 refreshRate: 60 format: 22");
    // 1024x768 at any refresh rate passes.
    caps.modes.push_back(DisplayMode{1024, 768, 85, 22});
    EXPECT_EQ(checkDeviceCapabilities(caps), "");
}

TEST(SceneAspectTest, TheWindowsOuterSizeOrTheCreatedSize) {
    struct FakeWindow : WindowMetrics {
        bool open = true;
        bool outerSize(int& width, int& height) const override {
            if (!open) return false;
            width = 1000;
            height = 400;
            return true;
        }
    } window;
    EXPECT_FLOAT_EQ(sceneAspectRatio(&window), 2.5f);
    window.open = false;
    EXPECT_FLOAT_EQ(sceneAspectRatio(&window), 940.0f / 700.0f);
    EXPECT_FLOAT_EQ(sceneAspectRatio(nullptr), 940.0f / 700.0f);
}

TEST(CameraTest, ViewMovesTheWorldOppositeToTheCamera) {
    Camera camera;
    camera.x = 0;
    camera.y = 100;
    camera.z = -50;
    // Pitched down a quarter turn: the camera looks along -y.
    camera.orientation = quaternionRotationYawPitchRoll(0, 1.5707963f, 0);
    const Vector3 p = transformCoord(Vector3{0, 0, -50}, camera.computeView());
    EXPECT_NEAR(p.x, 0.0f, 1e-4f);
    EXPECT_NEAR(p.y, 0.0f, 1e-4f);
    EXPECT_NEAR(p.z, 100.0f, 1e-4f);  // straight ahead, 100 away
}

TEST(HresultText, KnownNamesAndSignedDecimalOtherwise)
{
    EXPECT_EQ(hresultText(0x88760868u), " (HRESULT=D3DERR_DEVICELOST)");
    EXPECT_EQ(hresultText(0u), " (HRESULT=D3D_OK)");
    EXPECT_EQ(hresultText(0x8876086Cu), " (HRESULT=D3DERR_INVALIDCALL)");
    EXPECT_EQ(hresultText(0x80004005u), " (HRESULT=-2147467259)");
    EXPECT_EQ(hresultText(7u), " (HRESULT=7)");
}
