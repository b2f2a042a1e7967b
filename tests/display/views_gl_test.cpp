// The match's camera views on the real device: each shows the whole playfield and the ball,
// and the mouse's axes in each follow what the camera shows (the hand moved towards a part
// of the screen moves the rods that way). The replay camera sees the goal it replays. The
// frames are written beside the test as view_*.png for a look.
#include "display/TableViews.h"
#include "testkit/display/TableScene.h"

#include <SDL.h>

#include <gtest/gtest.h>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <algorithm>
#include <cmath>

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

// The wide picture at the display's size: on a 16:9, 21:9, 16:10, 4:3 or 5:4 screen the
// designed view and the view from behind the goal show the whole table, the cabinet's
// corners included (the designed 4:3 picture cuts its near corners), at the picture's own
// size; on 16:9 and wider the table stands as tall on the screen as in the designed
// picture, with more of the room beside it.
TEST(TableViews, TheWidePictureShowsTheWholeTableOnEveryShapeOfScreen)
{
    TableScene scene;
    ASSERT_TRUE(scene.start(true)) << "no GL device (is DISPLAY set?)";
    scene.poseMatch();
    Renderer& r = scene.renderer;
    // The cabinet's top corners (outside its walls) and the field's corners.
    const Vector3 cabinet[] = {{-65.5f, 10.0f, -40.0f}, {65.5f, 10.0f, -40.0f}, {-65.5f, 10.0f, 40.0f}, {65.5f, 10.0f, 40.0f}};
    const Vector3 field[] = {{-58.7f, 0, -33.2f}, {58.7f, 0, -33.2f}, {-58.7f, 0, 33.2f}, {58.7f, 0, 33.2f}};
    // Where a point lands in the picture, as a fraction of its width and height.
    auto place = [&](const Vector3& p, float& u, float& v) {
        const Vector3 ndc = transformCoord(p, r.sceneEffect->view * r.sceneEffect->projection);
        u = (ndc.x + 1.0f) * 0.5f;
        v = (1.0f - ndc.y) * 0.5f;
        return u >= 0.0f && u <= 1.0f && v >= 0.0f && v <= 1.0f;
    };
    auto fieldHeight = [&] {
        float top = 1.0f, bottom = 0.0f, u = 0.0f, v = 0.0f;
        for (const Vector3& c : field) {
            place(c, u, v);
            top = std::min(top, v);
            bottom = std::max(bottom, v);
        }
        return bottom - top;
    };
    setTableCamera(scene.camera);
    r.renderFrame();
    const float designedHeight = fieldHeight();

    struct Screen {
        int width, height;
    };
    for (const Screen screen : {Screen{1920, 1080}, Screen{2560, 1080}, Screen{1680, 1050}, Screen{1024, 768}, Screen{1280, 1024}}) {
        SDL_SetWindowSize(scene.window.sdlWindow(), screen.width, screen.height);
        r.widePicture = true;
        for (const TableView view : {TableView::Designed, TableView::BehindOwnGoal}) {
            TableViewCamera camera;
            camera.view = view;
            camera.place(scene.camera, 0.0f, 0.0f, true);
            r.renderFrame();
            const std::string name = "view_wide_" + std::to_string(screen.width) + "x" +
                                     std::to_string(screen.height) + "_" + std::to_string(static_cast<int>(view));
            ASSERT_EQ(r.device->pictureWidth(), screen.width) << name;
            ASSERT_EQ(r.device->pictureHeight(), screen.height) << name;
            const std::vector<std::uint8_t> picture = r.device->readBackBuffer();
            stbi_write_png((name + ".png").c_str(), screen.width, screen.height, 4, picture.data(), screen.width * 4);
            float u = 0.0f, v = 0.0f;
            for (const Vector3& c : cabinet)
                EXPECT_TRUE(place(c, u, v)) << name << ": a corner of the table is cut off at " << u << ", " << v;
            // The field's corners show the table there, not the black around it.
            for (const Vector3& c : field) {
                ASSERT_TRUE(place(c, u, v)) << name;
                const int x = std::min(screen.width - 1, static_cast<int>(u * screen.width));
                const int y = std::min(screen.height - 1, static_cast<int>(v * screen.height));
                const std::size_t i = (static_cast<std::size_t>(y) * screen.width + x) * 4;
                EXPECT_GT(picture[i] + picture[i + 1] + picture[i + 2], 60) << name << " at " << x << ", " << y;
            }
            if (view == TableView::Designed && screen.width >= screen.height * kWholeTableAspect) {
                EXPECT_NEAR(fieldHeight(), designedHeight, 0.01f) << name << ": the table is not as tall as designed";
            }
        }
    }
    r.widePicture = false;
    SDL_SetWindowSize(scene.window.sdlWindow(), GameWindow::kWidth, GameWindow::kHeight);
}
