// Effect files that compile but hold none of what the game draws with (empty, cut off
// before their techniques, a technique left without its pass): a failed load with one line
// naming the file, handled as a missing file is. On a real GL context (Mesa under Xvfb).
#include "app/DeviceAssetLoader.h"
#include "assets/ResourceManager.h"
#include "core/ErrorLog.h"
#include "platform/window/GameWindow.h"
#include "render/Renderer.h"
#include "render/effects/ShadowMap.h"
#include "support/FileText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class EffectFilesGlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        window_ = new GameWindow();
        ASSERT_TRUE(window_->create());
        renderer_ = new Renderer();
        ASSERT_TRUE(renderer_->initDevice(window_));
        ASSERT_TRUE(renderer_->shadowCapable);
    }
    static void TearDownTestSuite() {
        delete renderer_;
        delete window_;
    }
    void SetUp() override {
        base_ = (fs::temp_directory_path() / ("pitchbar_effect_files_" + std::to_string(getpid()))).string() + "/";
        fs::remove_all(base_);
        fs::create_directories(base_ + "effects");
        // The renderer's pointer comes with the scene.
        fs::create_directories(base_ + "textures");
        const char* resources = std::getenv("PITCHBAR_RESOURCES");
        fs::copy_file(std::string(resources ? resources : ".") + "/textures/mousepointer.png",
                      base_ + "textures/mousepointer.png");
        setErrorLogPath(base_ + "error.txt");
        renderer_->shadowCapable = true;
    }
    void TearDown() override {
        renderer_->shadowMap.reset();
        renderer_->shadowCapable = true;
        renderer_->resources = nullptr;
        resources_.reset();
        setErrorLogPath("error.txt");
        fs::remove_all(base_);
    }
    // The game's three effect files, with `name` holding `text` instead; a fresh resource
    // manager reads them.
    void effectsWith(const std::string& name, const std::string& text) {
        for (const char* file : {"TexturesAndColors.fx", "TexturesAndColors2.fx", "ShadowCaster.fx"})
            std::ofstream(base_ + "effects/" + file, std::ios::binary) << (name == file ? text : shipped(file));
        std::remove((base_ + "error.txt").c_str());
        resources_ = std::make_unique<ResourceManager>(base_, std::make_unique<DeviceAssetLoader>(renderer_->device, nullptr));
        renderer_->resources = resources_.get();
    }
    static std::string shipped(const std::string& name) {
        const char* source = std::getenv("PITCHBAR_SOURCE_DIR");
        return fileText(std::string(source ? source : ".") + "/resources/effects/" + name);
    }
    std::string log() const { return fileText(base_ + "error.txt"); }
    std::string failedLine(const std::string& name, const std::string& why) const {
        return "error: Loading effect file: " + base_ + "effects/" + name + " failed: technique " + why + "\n";
    }

    static GameWindow* window_;
    static Renderer* renderer_;
    std::string base_;
    std::unique_ptr<ResourceManager> resources_;
};

GameWindow* EffectFilesGlTest::window_ = nullptr;
Renderer* EffectFilesGlTest::renderer_ = nullptr;

}  // namespace

TEST_F(EffectFilesGlTest, SceneEffectWithoutItsTechniquesStopsStartUpLikeAMissingOne) {
    // Empty, and cut in half at a line end (inside the shared shader code, so no shader and
    // no technique is left).
    const std::string whole = shipped("TexturesAndColors.fx");
    for (const std::string& text : {std::string(), whole.substr(0, whole.rfind('\n', whole.size() / 2) + 1)}) {
        effectsWith("TexturesAndColors.fx", text);
        EXPECT_FALSE(renderer_->initScene(window_)) << text.size();
        EXPECT_EQ(log(), failedLine("TexturesAndColors.fx", "ModTexture is missing")) << text.size();
    }
    // Without shadow shaders the second file is read; its last technique cut off its pass.
    renderer_->shadowCapable = false;
    const std::string plain = shipped("TexturesAndColors2.fx");
    effectsWith("TexturesAndColors2.fx", plain.substr(0, plain.rfind("pass ")));
    EXPECT_FALSE(renderer_->initScene(window_));
    EXPECT_EQ(log(), failedLine("TexturesAndColors2.fx", "PPSpecModTexture has no pass"));
    // The shipped files load without a word.
    renderer_->shadowCapable = true;
    effectsWith("", "");
    EXPECT_TRUE(renderer_->initScene(window_));
    EXPECT_EQ(log(), "");
}

TEST_F(EffectFilesGlTest, EmptyShadowCasterTurnsShadowsOff) {
    effectsWith("ShadowCaster.fx", "");
    ASSERT_TRUE(renderer_->initScene(window_));
    EXPECT_FALSE(setUpShadowMap(*renderer_));
    EXPECT_EQ(renderer_->shadowMap, nullptr);
    EXPECT_FALSE(renderer_->shadowCapable);
    EXPECT_EQ(log(), failedLine("ShadowCaster.fx", "Shadow is missing"));
}
