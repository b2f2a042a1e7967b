// The match's camera views on the real device: each shows the whole playfield and the ball,
// and the mouse's axes in each follow what the camera shows (the hand moved towards a part
// of the screen moves the rods that way). The replay camera sees the goal it replays. The
// frames are written beside the test as view_*.png for a look.
#include "display/TableViews.h"
#include "testkit/display/TableScene.h"

#include <gtest/gtest.h>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <cmath>
#include <string>

namespace {

struct ScreenStep {
    float dx, dy;  // screen pixels, y down
};

// Where a table point goes on screen when it moves by d from p.
ScreenStep screenStep(const TableScene& scene, const Vector3& p, const Vector3& d)
{
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    scene.project(p, x0, y0);
    scene.project(p + d, x1, y1);
    return {static_cast<float>(x1 - x0), static_cast<float>(y1 - y0)};
}

void save(TableScene& scene, const std::string& name)
{
    const int w = scene.renderer.device->backBufferWidth(), h = scene.renderer.device->backBufferHeight();
    std::vector<std::uint8_t> frame = scene.renderer.device->readBackBuffer();
    stbi_write_png(name.c_str(), w, h, 4, frame.data(), w * 4);
}

} // namespace

TEST(TableViews, EachViewShowsTheTableAndTheMouseFollowsIt)
{
    TableScene scene;
    ASSERT_TRUE(scene.start(true)) << "no GL device (is DISPLAY set?)";
    scene.poseMatch();
    const Vector3 corners[] = {{-58.7f, 0, -33.2f}, {58.7f, 0, -33.2f}, {-58.7f, 0, 33.2f}, {58.7f, 0, 33.2f}};
    const Vector3 middle(0.0f, 0.0f, 0.0f);
    for (int v = 0; v < kTableViewCount; ++v) {
        const TableView view = static_cast<TableView>(v);
        TableViewCamera camera;
        camera.view = view;
        camera.place(scene.camera, 0.0f, 0.0f, true);
        scene.renderer.renderFrame();
        save(scene, "view_" + std::to_string(v) + ".png");

        // The low view follows the ball and need not hold the whole table; the others do.
        int x = 0, y = 0;
        if (view != TableView::LowSide) {
            for (const Vector3& c : corners)
                EXPECT_TRUE(scene.project(c, x, y)) << "view " << v << " cuts off a corner";
        }
        EXPECT_TRUE(scene.project(scene.simulation.ballPosition - Vector3(58.7f, 0.0f, 33.2f), x, y)) << "view " << v;

        // Across the table, the hand's sideways movement turns the rods, whose feet swing
        // along x: x must run sideways on screen, and z (the rods' shift) up and down.
        const ScreenStep alongX = screenStep(scene, middle, Vector3(10.0f, 0.0f, 0.0f));
        const ScreenStep alongZ = screenStep(scene, middle, Vector3(0.0f, 0.0f, 10.0f));
        if (mouseAxesOf(view) == MouseAxes::AcrossTable) {
            EXPECT_GT(alongX.dx, 3.0f * std::fabs(alongX.dy)) << "view " << v << ": +x is not to the right";
            EXPECT_LT(alongZ.dy, -3.0f * std::fabs(alongZ.dx)) << "view " << v << ": +z is not up";
        } else {
            EXPECT_LT(alongX.dy, -3.0f * std::fabs(alongX.dx)) << "view " << v << ": +x is not up";
            EXPECT_LT(alongZ.dx, -3.0f * std::fabs(alongZ.dy)) << "view " << v << ": +z is not to the left";
        }
    }

    // The replay looks up the table from low behind the goal that was hit: the goal area in
    // the picture's lower half and in its middle, the far half of the table above it.
    for (bool positive : {true, false}) {
        placeReplayCamera(scene.camera, positive);
        scene.renderer.renderFrame();
        save(scene, positive ? "view_replay_far_goal.png" : "view_replay_own_goal.png");
        const float side = positive ? 1.0f : -1.0f;
        int gx = 0, gy = 0, fx = 0, fy = 0;
        ASSERT_TRUE(scene.project(Vector3(side * 44.0f, 0.0f, 0.0f), gx, gy));
        EXPECT_GT(gy, 384);
        EXPECT_NEAR(gx, 512, 40);
        ASSERT_TRUE(scene.project(Vector3(-side * 30.0f, 0.0f, 0.0f), fx, fy));
        EXPECT_LT(fy, 384);
    }
}
