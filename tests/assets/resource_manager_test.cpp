// Caching, failure caching, paths and the device-loss steps, with a loader that only counts.
#include "assets/ResourceManager.h"
#include "core/ErrorLog.h"
#include "platform/gfx/DeviceTexture.h"
#include "platform/gfx/Effect.h"
#include "assets/Mesh.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <vector>

namespace {

struct FakeTexture : DeviceTexture {
    explicit FakeTexture(int generation) : generation(generation) { width = 16; height = 8; }
    int generation;
};

class FakeLoader : public AssetLoader {
public:
    std::vector<std::string> calls;
    std::set<std::string> existing;
    int generation = 0;
    SoundHandle* sound = reinterpret_cast<SoundHandle*>(0x10);

    std::unique_ptr<DeviceTexture> loadTexture(const std::string& path) override {
        calls.push_back("texture " + path);
        if (!existing.count(path)) return nullptr;
        return std::make_unique<FakeTexture>(generation);
    }
    std::unique_ptr<Effect> loadEffect(const std::string& path) override {
        calls.push_back("effect " + path);
        return existing.count(path) ? std::make_unique<Effect>() : nullptr;
    }
    std::unique_ptr<Mesh> loadMesh(const std::string& path) override {
        calls.push_back("mesh " + path);
        return existing.count(path) ? std::make_unique<Mesh>() : nullptr;
    }
    bool reloadMesh(const std::string& path, Mesh&) override {
        calls.push_back("reload " + path);
        return true;
    }
    const SoundHandle* loadSound(const std::string& path) override {
        calls.push_back("sound " + path);
        return existing.count(path) ? sound : nullptr;
    }
    const SoundHandle* loadMusic(const std::string& path) override {
        calls.push_back("music " + path);
        return sound;
    }
};

struct Fixture {
    FakeLoader* loader = new FakeLoader();
    ResourceManager resources{"res/", std::unique_ptr<AssetLoader>(loader)};
};

}  // namespace

TEST(ResourceManagerTest, EachNameLoadsOnceFailuresIncluded) {
    Fixture f;
    f.loader->existing = {"res/textures/gui.png", "res/effects/a.fx", "res/models/ball.krmt",
                          "res/sounds/kick.wav"};
    TextureRecord* gui = f.resources.getTexture("gui.png");
    EXPECT_EQ(f.resources.getTexture("gui.png"), gui);
    ASSERT_NE(gui->texture, nullptr);
    EXPECT_EQ(gui->width, 16);
    EXPECT_EQ(gui->height, 8);
    TextureRecord* missing = f.resources.getTexture("missing.png");
    EXPECT_EQ(f.resources.getTexture("missing.png"), missing);
    EXPECT_EQ(missing->texture, nullptr);
    EXPECT_EQ(missing->width, 0);
    // Case matters to the cache.
    EXPECT_NE(f.resources.getTexture("GUI.png"), gui);

    Effect* effect = f.resources.getEffect("a.fx");
    EXPECT_NE(effect, nullptr);
    EXPECT_EQ(f.resources.getEffect("a.fx"), effect);
    EXPECT_EQ(f.resources.getEffect("b.fx"), nullptr);
    EXPECT_EQ(f.resources.getEffect("b.fx"), nullptr);
    Mesh* ball = f.resources.getMesh("ball.krmt");
    EXPECT_EQ(f.resources.getMesh("ball.krmt"), ball);
    EXPECT_EQ(f.resources.getMesh("rod.krmt"), nullptr);
    EXPECT_EQ(f.resources.getMesh("rod.krmt"), nullptr);
    EXPECT_EQ(f.resources.getSound("kick.wav"), f.loader->sound);
    EXPECT_EQ(f.resources.getSound("none.wav"), nullptr);
    EXPECT_EQ(f.resources.getSound("none.wav"), nullptr);
    EXPECT_EQ(f.resources.getMusic("precalc.dat"), f.loader->sound);
    EXPECT_EQ(f.resources.getMusic("precalc.dat"), f.loader->sound);

    EXPECT_EQ(f.loader->calls,
              (std::vector<std::string>{
                  "texture res/textures/gui.png", "texture res/textures/missing.png",
                  "texture res/textures/GUI.png", "effect res/effects/a.fx", "effect res/effects/b.fx",
                  "mesh res/models/ball.krmt", "mesh res/models/rod.krmt", "sound res/sounds/kick.wav",
                  "sound res/sounds/none.wav", "music res/precalc/precalc.dat"}));
}

TEST(ResourceManagerTest, DeviceLossKeepsRecordsAndGivesThemNewTextures) {
    Fixture f;
    f.loader->existing = {"res/textures/a.png", "res/textures/b.png", "res/models/m.krmt"};
    TextureRecord* b = f.resources.getTexture("b.png");
    TextureRecord* a = f.resources.getTexture("a.png");
    TextureRecord* gone = f.resources.getTexture("gone.png");
    f.resources.getMesh("m.krmt");
    f.resources.getMesh("broken.krmt");
    f.loader->calls.clear();

    f.resources.releaseTextures();
    EXPECT_EQ(a->texture, nullptr);
    EXPECT_EQ(b->texture, nullptr);
    f.resources.releaseMeshes();
    f.resources.effectsLost();
    f.loader->generation = 1;
    f.loader->existing.insert("res/textures/gone.png");  // a texture gets one more try
    f.resources.reloadTextures();
    f.resources.reloadMeshes();
    f.resources.effectsReset();

    ASSERT_NE(a->texture, nullptr);
    EXPECT_EQ(static_cast<FakeTexture*>(a->texture)->generation, 1);
    EXPECT_EQ(static_cast<FakeTexture*>(b->texture)->generation, 1);
    ASSERT_NE(gone->texture, nullptr);
    EXPECT_EQ(gone->width, 16);
    EXPECT_EQ(f.resources.getTexture("a.png"), a);
    // Key order; the failed mesh is passed over.
    EXPECT_EQ(f.loader->calls,
              (std::vector<std::string>{"texture res/textures/a.png", "texture res/textures/b.png",
                                        "texture res/textures/gone.png", "reload res/models/m.krmt"}));
}

// A full-screen picture shown now and then is let go in between: the record stays where
// the screen holds it, a device reset does not bring the picture back, the next asking does.
TEST(ResourceManagerTest, AnUnloadedTextureStaysAwayUntilAskedForAgain) {
    Fixture f;
    f.loader->existing = {"res/textures/winner.png", "res/textures/gui.png"};
    TextureRecord* winner = f.resources.getTexture("winner.png");
    TextureRecord* gui = f.resources.getTexture("gui.png");
    f.resources.unloadTexture("winner.png");
    f.resources.unloadTexture("never-loaded.png");  // nothing to let go
    EXPECT_EQ(winner->texture, nullptr);
    EXPECT_EQ(winner->width, 0);
    ASSERT_NE(gui->texture, nullptr);
    f.loader->calls.clear();

    f.loader->generation = 1;
    f.resources.releaseTextures();
    f.resources.reloadTextures();
    EXPECT_EQ(winner->texture, nullptr);
    EXPECT_EQ(static_cast<FakeTexture*>(gui->texture)->generation, 1);
    EXPECT_EQ(f.loader->calls, (std::vector<std::string>{"texture res/textures/gui.png"}));

    EXPECT_EQ(f.resources.getTexture("winner.png"), winner);
    ASSERT_NE(winner->texture, nullptr);
    EXPECT_EQ(winner->width, 16);
    EXPECT_EQ(static_cast<FakeTexture*>(winner->texture)->generation, 1);
    EXPECT_EQ(f.resources.getTexture("winner.png"), winner);  // loaded once more, not twice
    EXPECT_EQ(f.loader->calls.size(), 2u);
}

// A texture only the still table's pictures show is set aside while they stand: its record
// keeps its size, a device reset leaves it aside, the next asking brings it back once; a
// file gone meanwhile writes its error line and leaves the record empty.
TEST(ResourceManagerTest, ASetAsideTextureComesBackWhenAskedFor) {
    const std::string log = ::testing::TempDir() + "resource_manager_aside_errors.txt";
    std::remove(log.c_str());
    setErrorLogPath(log);
    Fixture f;
    f.loader->existing = {"res/textures/field.png", "res/textures/wood.png"};
    TextureRecord* field = f.resources.getTexture("field.png");
    TextureRecord* wood = f.resources.getTexture("wood.png");
    const unsigned loads = field->loads;
    f.resources.setAside(field);
    EXPECT_TRUE(field->setAside);
    EXPECT_EQ(field->texture, nullptr);
    EXPECT_EQ(field->width, 16);
    f.loader->calls.clear();
    f.resources.releaseTextures();
    f.resources.reloadTextures();
    EXPECT_EQ(field->texture, nullptr);
    EXPECT_EQ(f.loader->calls, (std::vector<std::string>{"texture res/textures/wood.png"}));
    f.resources.bringBack(field);
    f.resources.bringBack(field);  // back already: nothing more
    ASSERT_NE(field->texture, nullptr);
    EXPECT_FALSE(field->setAside);
    EXPECT_EQ(field->loads, loads);  // the same picture as before
    EXPECT_EQ(f.loader->calls.size(), 2u);
    f.resources.setAside(field);
    EXPECT_EQ(f.resources.getTexture("field.png"), field);
    EXPECT_NE(field->texture, nullptr);
    f.resources.setAside(wood);
    f.loader->existing.erase("res/textures/wood.png");
    f.resources.bringBack(wood);
    EXPECT_EQ(wood->texture, nullptr);
    EXPECT_FALSE(wood->setAside);
    std::ifstream in(log);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    EXPECT_EQ(lines, std::vector<std::string>{"error: Loading texture file: res/textures/wood.png failed"});
}

TEST(ResourceManagerTest, AMissingTextureIsNamedOnceInTheErrorFile) {
    const std::string log = ::testing::TempDir() + "resource_manager_errors.txt";
    std::remove(log.c_str());
    setErrorLogPath(log);
    Fixture f;
    f.loader->existing = {"res/textures/gui.png"};
    f.resources.getTexture("gui.png");
    f.resources.getTexture("missing.png");
    f.resources.getTexture("missing.png");
    f.resources.releaseTextures();
    f.resources.reloadTextures();
    std::ifstream in(log);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    EXPECT_EQ(lines, std::vector<std::string>{"error: Loading texture file: res/textures/missing.png failed"});
}
