// The renderer on a real GL context (Mesa under Xvfb): frames read back pixel by pixel,
// effects compiling or reporting their lines, meshes drawing lit and shadowed, device loss.
#include "app/DeviceAssetLoader.h"
#include "assets/ResourceManager.h"
#include "core/ErrorLog.h"
#include "platform/gfx/Effect.h"
#include "platform/gfx/GlTexture.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/window/GameWindow.h"
#include "render/Camera.h"
#include "render/Renderer.h"
#include "render/ScreenLayer.h"
#include "render/effects/SceneEffect.h"
#include "render/effects/SceneObject.h"
#include "render/effects/ShadowMap.h"
#include "support/FileText.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "platform/gfx/PictureFit.h"

#include <SDL.h>
#include <epoxy/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

struct Rgb { int r, g, b; };

class TestScreen : public ScreenLayer {
public:
    explicit TestScreen(Renderer* r) : renderer(r) {}
    Renderer* renderer;
    TextureRecord* layer2 = nullptr;
    TextureRecord* layer3 = nullptr;
    TextureRecord* cover = nullptr;  // a solid colour over the whole screen, as a fade
    bool showsPointer = true;
    int lost = 0, reset = 0;
    void draw(int pass) override {
        if (pass == 2 && layer2) renderer->drawTextureRectScaled(layer2, 0, 0, 100, 100, 40, 40, 4, 4, 0xFFFFFFFFu);
        if (pass == 3 && layer3) renderer->drawTextureRectScaled(layer3, 0, 0, 295, 195, 10, 10, 4, 4, 0xFFFFFFFFu);
        if (pass == 3 && cover) renderer->drawTextureRectScaled(cover, 1, 1, 0, 0, 1024, 768, 2, 2, 0x80FFFFFFu);
    }
    bool pointerShown() const override { return showsPointer; }
    void onDeviceLost() override { ++lost; }
    void onDeviceReset() override { ++reset; }
};

void writeSolidPng(const std::string& path, int w, int h, std::uint32_t rgba) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h, rgba);
    stbi_write_png(path.c_str(), w, h, 4, pixels.data(), w * 4);
}

class RendererGlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        base_ = (fs::temp_directory_path() / "pitchbar_renderer_gl").string() + "/";
        fs::remove_all(base_);
        fs::create_directories(base_ + "textures");
        fs::create_directories(base_ + "models");
        fs::create_directories(base_ + "effects");
        const char* source = std::getenv("PITCHBAR_SOURCE_DIR");
        const std::string effects = std::string(source ? source : ".") + "/resources/effects/";
        for (const char* name : {"TexturesAndColors.fx", "TexturesAndColors2.fx", "ShadowCaster.fx"})
            fs::copy_file(effects + name, base_ + "effects/" + name);
        writeSolidPng(base_ + "textures/mousepointer.png", 16, 16, 0xFF00FF00u);  // green
        writeSolidPng(base_ + "textures/red.png", 4, 4, 0xFF0000FFu);
        writeSolidPng(base_ + "textures/blue.png", 4, 4, 0xFFFF0000u);
        setErrorLogPath(base_ + "error.txt");
        window_ = new GameWindow();
        ASSERT_TRUE(window_->create());
        renderer_ = new Renderer();
        ASSERT_TRUE(renderer_->initDevice(window_));
        resources_ = new ResourceManager(base_, std::make_unique<DeviceAssetLoader>(renderer_->device, nullptr));
        renderer_->resources = resources_;
        ASSERT_TRUE(renderer_->initScene(window_));
    }
    static void TearDownTestSuite() {
        delete renderer_;
        delete resources_;
        delete window_;
    }
    void SetUp() override {
        std::remove((base_ + "error.txt").c_str());
        renderer_->objects.clear();
        renderer_->screen = nullptr;
        renderer_->camera = nullptr;
        renderer_->shadowsEnabled = 0;
    }
    static std::string log() { return fileText(base_ + "error.txt"); }
    static Rgb pixel(const std::vector<std::uint8_t>& image, int x, int y) {
        const std::size_t i = (static_cast<std::size_t>(y) * 1024 + x) * 4;
        return Rgb{image[i], image[i + 1], image[i + 2]};
    }
    static void expectColour(const std::vector<std::uint8_t>& image, int x, int y, Rgb want) {
        const Rgb got = pixel(image, x, y);
        EXPECT_NEAR(got.r, want.r, 2) << x << "," << y;
        EXPECT_NEAR(got.g, want.g, 2) << x << "," << y;
        EXPECT_NEAR(got.b, want.b, 2) << x << "," << y;
    }

    static std::string base_;
    static GameWindow* window_;
    static Renderer* renderer_;
    static ResourceManager* resources_;
};

std::string RendererGlTest::base_;
GameWindow* RendererGlTest::window_ = nullptr;
Renderer* RendererGlTest::renderer_ = nullptr;
ResourceManager* RendererGlTest::resources_ = nullptr;

}  // namespace

TEST_F(RendererGlTest, MenuFrameIsBlackWithBothLayersAndThePointerBetween) {
    TestScreen screen(renderer_);
    screen.layer2 = resources_->getTexture("red.png");
    screen.layer3 = resources_->getTexture("blue.png");
    renderer_->screen = &screen;
    renderer_->mouseX = 310.9f;  // pointer drawn at (302, 202), 16x16
    renderer_->mouseY = 210.2f;
    renderer_->renderFrame();
    const std::vector<std::uint8_t> image = renderer_->device->readBackBuffer();
    expectColour(image, 0, 0, {0, 0, 0});
    expectColour(image, 1023, 767, {0, 0, 0});
    expectColour(image, 100, 100, {255, 0, 0});   // layer 2, stretched to 40x40
    expectColour(image, 139, 139, {255, 0, 0});
    expectColour(image, 140, 140, {0, 0, 0});
    expectColour(image, 317, 217, {0, 255, 0});   // pointer outside layer 3
    expectColour(image, 302, 202, {0, 0, 255});   // layer 3 over the pointer
    expectColour(image, 301, 217, {0, 0, 0});
    expectColour(image, 318, 217, {0, 0, 0});
    // Without showsPointer only the layers are drawn.
    screen.showsPointer = false;
    renderer_->renderFrame();
    expectColour(renderer_->device->readBackBuffer(), 317, 217, {0, 0, 0});
    EXPECT_EQ(log(), "");
}

// With the wide picture the screen is drawn in the middle of a picture of the window's
// size; the pointer that a windowed game reads back from the system's pointer must land
// on what is drawn under it. The pointer image is found in the picture, and its middle,
// read back through the device's screenInWindow, must be where it was drawn.
TEST_F(RendererGlTest, TheWidePictureShowsTheScreenWhereThePointerIsReadBack) {
    TestScreen screen(renderer_);
    renderer_->screen = &screen;
    renderer_->mouseX = 310.0f;  // pointer image at (302, 202)-(318, 218), its middle at (310, 210)
    renderer_->mouseY = 210.0f;
    struct Size {
        int width, height;
    };
    for (const Size window : {Size{1280, 720}, Size{1000, 1000}, Size{940, 700}}) {
        SDL_SetWindowSize(window_->sdlWindow(), window.width, window.height);
        renderer_->widePicture = true;
        renderer_->renderFrame();
        const int w = renderer_->device->pictureWidth(), h = renderer_->device->pictureHeight();
        ASSERT_EQ(w, window.width);
        ASSERT_EQ(h, window.height);
        const std::vector<std::uint8_t> image = renderer_->device->readBackBuffer();
        // The pointer's green square in the picture.
        int left = w, right = -1, top = h, bottom = -1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::size_t i = (static_cast<std::size_t>(y) * w + x) * 4;
                if (image[i] < 60 && image[i + 1] > 200 && image[i + 2] < 60) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        ASSERT_GE(right, left) << window.width << "x" << window.height << ": no pointer drawn";
        const float u = (left + right + 1) * 0.5f / static_cast<float>(w);
        const float v = (top + bottom + 1) * 0.5f / static_cast<float>(h);
        float x = 0.0f, y = 0.0f;
        ASSERT_TRUE(pictureFromWindowRect(u, v, w, h, renderer_->device->screenInWindow(w, h), 1024, 768, x, y));
        EXPECT_NEAR(x, 310.0f, 1.0f) << window.width << "x" << window.height;
        EXPECT_NEAR(y, 210.0f, 1.0f) << window.width << "x" << window.height;
        // A fade's solid colour over the screen reaches the picture's corners beyond it.
        screen.cover = resources_->getTexture("red.png");
        renderer_->renderFrame();
        const std::vector<std::uint8_t> covered = renderer_->device->readBackBuffer();
        screen.cover = nullptr;
        for (const std::size_t corner : {std::size_t{0}, (static_cast<std::size_t>(h) * w - 1) * 4})
            EXPECT_NEAR(covered[corner], 128, 3) << window.width << "x" << window.height << ": the fade leaves bars";
    }
    renderer_->widePicture = false;
    SDL_SetWindowSize(window_->sdlWindow(), GameWindow::kWidth, GameWindow::kHeight);
    renderer_->renderFrame();
    EXPECT_EQ(renderer_->device->pictureWidth(), 1024);
    EXPECT_EQ(log(), "");
}

TEST_F(RendererGlTest, EffectsCompileOrReportTheirOwnLines) {
    ASSERT_NE(renderer_->sceneEffect->effect, nullptr);
    for (int t = 0; t < kSceneTechniqueCount; ++t)
        EXPECT_GE(renderer_->sceneEffect->techniques[t], 0) << kSceneTechniqueNames[t];
    for (int p = 0; p < SceneEffect::kParameterCount; ++p)
        EXPECT_GE(renderer_->sceneEffect->parameters[p], 0) << p;
    Effect* unshadowed = resources_->getEffect("TexturesAndColors2.fx");
    ASSERT_NE(unshadowed, nullptr);
    EXPECT_GE(unshadowed->techniqueByName("PPSpecModTexture"), 0);
    EXPECT_LT(unshadowed->techniqueByName("PPHSModTexture"), 0);

    std::ofstream(base_ + "effects/broken.fx")
        << "// a shader with a typo on line 6\n@common\nuniform mat4 wvp;\n@vertex V\n"
           "layout(location = 0) in vec3 position;\nvoid main() { gl_Position = wvp * vec4(position, 1.0) }\n"
           "@fragment F\nout vec4 c;\nvoid main() { c = vec4(1.0); }\n@technique T\npass V F\n";
    EXPECT_EQ(resources_->getEffect("broken.fx"), nullptr);
    const std::string text = log();
    EXPECT_EQ(text.rfind("error: broken.fx:6(", 0), 0u) << text;
    EXPECT_NE(text.find("error"), std::string::npos);
    // The failure is cached: no second message.
    std::remove((base_ + "error.txt").c_str());
    EXPECT_EQ(resources_->getEffect("broken.fx"), nullptr);
    EXPECT_EQ(log(), "");
}

TEST_F(RendererGlTest, MeshesDrawLitAndReceiveSoftShadows) {
    // An 80x80 field at y = 0 and a small plate 25 above it, beside the light's axis.
    std::ofstream(base_ + "models/scene.krmt")
        << "@mesh field POSITION NORMAL UV0\n@vertices\n"
           "-40 0 -40 0 1 0 0 0\n40 0 -40 0 1 0 1 0\n40 0 40 0 1 0 1 1\n-40 0 40 0 1 0 0 1\n"
           "@indices\n0 2 1\n0 3 2\n"
           "@mesh plate POSITION NORMAL UV0\n@vertices\n"
           "8 25 -2 0 1 0 0 0\n12 25 -2 0 1 0 1 0\n12 25 2 0 1 0 1 1\n8 25 2 0 1 0 0 1\n"
           "@indices\n0 2 1\n0 3 2\n";
    Mesh* mesh = resources_->getMesh("scene.krmt");
    ASSERT_NE(mesh, nullptr);
    ASSERT_NE(mesh->find("field"), nullptr);
    EXPECT_NE(mesh->find("field")->vertexBuffer, nullptr);
    SceneObject object(mesh);
    Material& field = *object.material("field");
    field.meshColor[1] = field.meshColor[2] = 0.0f;  // red
    field.receivesShadow = true;
    field.lightingModel = 2;
    field.specPower = 20.0f;
    field.specIntensity = 0.2f;
    object.material("plate")->castsShadow = true;
    renderer_->addObject(&object);
    Camera camera;
    camera.y = 100;
    camera.orientation = quaternionRotationYawPitchRoll(0, 1.5707963f, 0);  // looking down
    renderer_->camera = &camera;
    ASSERT_TRUE(setUpShadowMap(*renderer_));
    ASSERT_NE(renderer_->shadowMap, nullptr);

    auto screenPoint = [&](float x, float z, int& sx, int& sy) {
        const Vector3 p = transformCoord(Vector3{x, 0, z},
                                         camera.computeView() * renderer_->sceneEffect->projection);
        sx = static_cast<int>((p.x * 0.5f + 0.5f) * 1024);
        sy = static_cast<int>((0.5f - p.y * 0.5f) * 768);
    };
    int shadowX, shadowY, litX, litY;
    screenPoint(10.0f * 51.0f / 26.0f, 0, shadowX, shadowY);  // below the plate, seen from the light
    screenPoint(-10.0f * 51.0f / 26.0f, 0, litX, litY);       // its mirror image, in the light

    renderer_->shadowsEnabled = 1;
    renderer_->renderFrame();
    std::vector<std::uint8_t> image = renderer_->device->readBackBuffer();
    if (const char* shot = std::getenv("PITCHBAR_SCENE_PNG"))
        stbi_write_png(shot, 1024, 768, 4, image.data(), 1024 * 4);
    const Rgb lit = pixel(image, litX, litY), shadowed = pixel(image, shadowX, shadowY);
    EXPECT_GT(lit.r, 150);
    EXPECT_LT(lit.g, 60);
    EXPECT_LT(shadowed.r, lit.r * 2 / 3);                   // in the plate's shadow
    EXPECT_GT(shadowed.r, 40);                               // the ambient share remains
    expectColour(image, 2, 2, {0, 0, 0});                    // beyond the field

    // Shadows switched off: the same spot is lit like its mirror image.
    renderer_->shadowsEnabled = 0;
    renderer_->renderFrame();
    image = renderer_->device->readBackBuffer();
    EXPECT_NEAR(pixel(image, shadowX, shadowY).r, pixel(image, litX, litY).r, 12);
    renderer_->shadowMap.reset();
    renderer_->objects.clear();
    EXPECT_EQ(log(), "");
}

TEST_F(RendererGlTest, DeviceLossAndResetReloadWhatHoldersKeep) {
    TestScreen screen(renderer_);
    TextureRecord* red = resources_->getTexture("red.png");
    screen.layer2 = red;
    screen.showsPointer = false;
    renderer_->screen = &screen;
    ASSERT_NE(red->texture, nullptr);
    renderer_->device->simulateLoss();
    renderer_->renderFrame();
    EXPECT_TRUE(renderer_->deviceLost);
    EXPECT_EQ(screen.lost, 1);
    // The window is there, so the next frame resets instead of drawing.
    renderer_->renderFrame();
    EXPECT_FALSE(renderer_->deviceLost);
    EXPECT_EQ(screen.reset, 1);
    ASSERT_NE(red->texture, nullptr);
    EXPECT_TRUE(glIsTexture(static_cast<GlTexture*>(red->texture)->name()));
    EXPECT_EQ(red, resources_->getTexture("red.png"));
    // The effects were rebuilt too: the scene effect's passes still link when drawn.
    Effect& scene = *renderer_->sceneEffect->effect;
    scene.setTechnique(0);
    scene.beginPass(0);
    EXPECT_TRUE(glIsProgram(scene.techniques()[0].passes[0].program));
    renderer_->renderFrame();
    expectColour(renderer_->device->readBackBuffer(), 120, 120, {255, 0, 0});
    EXPECT_EQ(log(), "");
}

TEST_F(RendererGlTest, ShadowMapWithoutMemoryTurnsShadowsOff) {
    ASSERT_TRUE(renderer_->shadowCapable);
    renderer_->device->refuseRenderTargets = true;
    EXPECT_FALSE(setUpShadowMap(*renderer_));
    renderer_->device->refuseRenderTargets = false;
    EXPECT_EQ(renderer_->shadowMap, nullptr);
    EXPECT_FALSE(renderer_->shadowCapable);
    EXPECT_EQ(log(), "error: Could not allocate the texture for the shadow map.\n");
    renderer_->shadowCapable = true;
}
