// The still-table layer on the real device: the table drawn from its pictures must be the
// table drawn whole, in every kind of match moment, and its pictures must be drawn again
// whenever what they show has changed (a stale picture would show the old rim, the old
// shadows setting or a view the camera has left). The compared frames are kept as PNG
// files in the test folder for a look.
#include "testkit/display/TableScene.h"

#include "render/KeptScene.h"
#include "render/StillTableLayer.h"

#include <gtest/gtest.h>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
#pragma GCC diagnostic pop

#include <cstdint>
#include <vector>

namespace {

using Image = std::vector<std::uint8_t>;

struct Difference {
    int pixels = 0;  // pixels with any channel off by more than one unit
    int worst = 0;   // largest channel difference
};

Difference compare(const Image& a, const Image& b) {
    Difference d;
    for (std::size_t i = 0; i + 3 < a.size() && i + 3 < b.size(); i += 4) {
        int off = 0;
        for (int c = 0; c < 3; ++c) off = std::max(off, std::abs(int(a[i + c]) - int(b[i + c])));
        if (off > 1) ++d.pixels;
        d.worst = std::max(d.worst, off);
    }
    return d;
}

void keep(const std::string& name, const Image& image, int width = 1024, int height = 768) {
    stbi_write_png(name.c_str(), width, height, 4, image.data(), width * 4);
}

class StillTableGl : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scene.start(true)) << "no GL device (is DISPLAY set?)";
        if (!scene.renderer.device->prefersStillTable())
            GTEST_SKIP() << "this device draws the table whole (a graphics card, or PITCHBAR_STILL_TABLE=0)";
        scene.poseMatch();
    }

    StillTableLayer& layer() { return *scene.renderer.stillTable; }

    Image frame(bool layered) {
        layer().allowed = layered;
        scene.renderer.renderFrame();
        layer().allowed = true;
        return scene.renderer.device->readBackBuffer();
    }

    void setRim(bool on) {
        scene.display->endMatch();
        scene.simulation.rimEnabled = on;
        scene.display->startMatch();
    }

    void setRods(float angle0, float angle1, float shift) {
        for (int t = 0; t < 2; ++t)
            for (Rod& rod : scene.simulation.teams[t].rods) {
                rod.angle = t == 0 ? angle0 : angle1;
                rod.shift = shift;
            }
    }

    TableScene scene;
};

}  // namespace

// Up to 0.05 % of the pixels (about 400) may differ by more than one unit: where a moving
// part and the table meet at the same depth, the part now wins the tie because it is drawn
// after the table instead of before. Everything else must be the same to the unit.
TEST_F(StillTableGl, TheTableFromItsPicturesIsTheTableDrawnWhole) {
    struct Moment {
        const char* name;
        void (*pose)(Simulation&);
    };
    const Moment moments[] = {
        {"play", [](Simulation&) {}},
        {"ball_near_goal", [](Simulation& s) { s.placeBall(3.0f, 27.0f); }},
        {"ball_sinking", [](Simulation& s) {
             s.ballPosition = Vector3(-1.0f, 1.8f, 33.2f);
             s.state = InGoal;
             s.stateTimer = 0.06f;
         }},
        {"figures_tilted", [](Simulation& s) {
             s.state = InPlay;
             s.placeBall(60.0f, 12.0f);
             for (int t = 0; t < 2; ++t)
                 for (Rod& rod : s.teams[t].rods) rod.angle = t == 0 ? 1.35f : -1.1f;
         }},
    };
    int compared = 0;
    for (bool shadows : {true, false}) {
        scene.setShadows(shadows);
        for (bool rim : {true, false}) {
            setRim(rim);
            for (const Moment& moment : moments) {
                moment.pose(scene.simulation);
                scene.display->update();
                const int drawnBefore = layer().drawings();
                const Image layered = frame(true);
                const Image whole = frame(false);
                const std::string name = std::string(moment.name) + (rim ? "_rim" : "_norim") +
                                         (shadows ? "_shadows" : "_plain");
                keep("still_table_" + name + "_layered.png", layered);
                keep("still_table_" + name + "_whole.png", whole);
                const Difference d = compare(layered, whole);
                EXPECT_LE(d.pixels, 400) << name << ", worst " << d.worst;
                EXPECT_LE(layer().drawings(), drawnBefore + 1) << name;
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 16);
    // The layer really drew: once per setting of shadows and rim, not once per frame.
    EXPECT_EQ(layer().drawings(), 4);
}

TEST_F(StillTableGl, ThePicturesAreDrawnAgainWhenWhatTheyShowChanges) {
    scene.setShadows(true);
    frame(true);
    int drawn = layer().drawings();
    ASSERT_GE(drawn, 1);
    // Once the pictures stand, the field's picture is let go (only they show it); the
    // wood stays, the rods' handles show it. The whole table brings the field back.
    const TextureRecord* field = scene.display->playfield->material("playfield")->texture;
    const TextureRecord* wood = scene.display->playfield->material("top")->texture;
    ASSERT_TRUE(field && wood);
    EXPECT_TRUE(field->setAside && !field->texture);
    EXPECT_FALSE(wood->setAside);
    EXPECT_NE(wood->texture, nullptr);
    frame(false);
    EXPECT_FALSE(field->setAside);
    EXPECT_NE(field->texture, nullptr);
    auto expectRedrawn = [&](const char* why, bool redrawn) {
        const Image layered = frame(true);
        EXPECT_EQ(layer().drawings(), drawn + (redrawn ? 1 : 0)) << why;
        drawn = layer().drawings();
        const Difference d = compare(layered, frame(false));
        EXPECT_LE(d.pixels, 400) << why << ", worst " << d.worst;
    };
    // Rods, figures and ball move: the pictures stand.
    setRods(0.8f, -0.6f, 4.0f);
    scene.display->update();
    expectRedrawn("rods moved", false);
    scene.setShadows(false);
    expectRedrawn("shadows off", true);
    scene.setShadows(true);
    expectRedrawn("shadows on", true);
    setRim(false);
    expectRedrawn("rim off", true);
    setRim(true);
    expectRedrawn("rim on", true);
    scene.renderer.resetDevice();
    expectRedrawn("device reset", true);
    // A window of another shape gives another projection.
    const Matrix4 projection = scene.renderer.sceneEffect->projection;
    scene.renderer.sceneEffect->projection = matrixPerspectiveFovLH(0.7853982f, 16.0f / 9.0f, 20.0f, 220.0f);
    expectRedrawn("projection", true);
    scene.renderer.sceneEffect->projection = projection;
    expectRedrawn("projection back", true);
    // A camera standing elsewhere, still marked still: the pictures follow it.
    scene.camera.z = -40.0f;
    expectRedrawn("camera stands elsewhere", true);
    // A moving camera is not the designed one: the table is drawn whole, nothing redrawn.
    scene.display->update();
    EXPECT_FALSE(scene.renderer.stillCamera);
    expectRedrawn("camera moving", false);
    setTableCamera(scene.camera);
    scene.display->update();
    EXPECT_TRUE(scene.renderer.stillCamera);
    expectRedrawn("camera back at the table", true);
}

// Frame after frame only what changed is drawn again (in the shadow map and in the kept
// scene), so a rod, the ball and their shadows must leave the place they left and appear
// where they went. Layered frames follow one another without a whole frame
// between them; each is then compared with the same moment drawn whole.
TEST_F(StillTableGl, ShadowsFollowTheCastersThatMovedFrameAfterFrame) {
    scene.setShadows(true);
    using Pose = void (*)(Simulation&);
    const Pose poses[] = {
        [](Simulation&) {},
        [](Simulation& s) { s.placeBall(80.0f, 36.0f); },                 // the ball alone
        [](Simulation& s) { s.teams[0].rods[1].angle = 1.25f; },          // figures up: long shadows
        [](Simulation& s) { s.teams[0].rods[1].angle = 0.3f; s.placeBall(30.0f, 20.0f); },
        [](Simulation& s) { for (Rod& rod : s.teams[1].rods) rod.shift += 5.0f; },
        [](Simulation&) {},                                               // nothing moves
    };
    std::vector<Image> layered;
    std::vector<int> redrawn;
    for (Pose pose : poses) {
        pose(scene.simulation);
        scene.display->update();
        layered.push_back(frame(true));
        redrawn.push_back(scene.renderer.keptScene->redrawnPixels());
    }
    EXPECT_EQ(redrawn.back(), 0) << "nothing moved, nothing drawn again";
    EXPECT_GT(redrawn[1], 0);
    EXPECT_LT(redrawn[1], 1024 * 768 / 10) << "the ball and its shadow alone";
    // The same moments again, each drawn whole.
    scene.poseMatch();
    for (std::size_t i = 0; i < layered.size(); ++i) {
        poses[i](scene.simulation);
        scene.display->update();
        const Image whole = frame(false);
        const Difference d = compare(layered[i], whole);
        EXPECT_LE(d.pixels, 400) << "moment " << i << ", worst " << d.worst;
        if (i == 3) keep("still_table_followed_layered.png", layered[i]);
    }
}

// The smoothing pass and the wide picture work on the frame the layer helped make: the
// layer keeps the table as drawn (it is not drawn again for them), the smoothing softens
// the silhouettes of the final frame only, and either way the layered frame is the whole one.
TEST_F(StillTableGl, SmoothEdgesAndTheWidePictureStartFromTheSameTable) {
    Renderer& r = scene.renderer;
    scene.setShadows(true);
    const Image sharp = frame(true);
    const int drawn = layer().drawings();
    r.smoothEdges = true;
    const Image smoothLayered = frame(true);
    const Image smoothWhole = frame(false);
    EXPECT_EQ(layer().drawings(), drawn) << "the layer keeps the table as drawn before smoothing";
    keep("still_table_smooth_off.png", sharp);
    keep("still_table_smooth_on.png", smoothLayered);
    const Difference same = compare(smoothLayered, smoothWhole);
    EXPECT_LE(same.pixels, 400) << "worst " << same.worst;
    // Smoothed: the edges (rods, figures, field lines) changed, the flat table did not.
    const Difference smoothed = compare(sharp, smoothLayered);
    EXPECT_GT(smoothed.pixels, 3000);
    EXPECT_LT(smoothed.pixels, 1024 * 768 / 5);
    r.smoothEdges = false;
    const Image sharpAgain = frame(true);
    EXPECT_LE(compare(sharp, sharpAgain).pixels, 0);

    // The wide picture: the window's size and shape (940x700 here), the table drawn for it.
    r.widePicture = true;
    const Image wideLayered = frame(true);
    const int w = r.device->pictureWidth(), h = r.device->pictureHeight();
    int windowWidth = 0, windowHeight = 0;
    r.device->windowSize(windowWidth, windowHeight);
    EXPECT_EQ(w, windowWidth);
    EXPECT_EQ(h, windowHeight);
    EXPECT_EQ(layer().drawings(), drawn + 1) << "a picture of another size is drawn again";
    const Image wideWhole = frame(false);
    keep("still_table_wide.png", wideLayered, w, h);
    const Difference wide = compare(wideLayered, wideWhole);
    EXPECT_LE(wide.pixels, 400) << "worst " << wide.worst;
    r.widePicture = false;
    frame(true);
    EXPECT_EQ(r.device->pictureWidth(), 1024);
}
