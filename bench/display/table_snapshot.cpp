// table-snapshot: draws the table through the game's camera to PNG files for a look:
//   table-snapshot [output folder] [ball x] [ball z]
// writes table_shadows.png, table_plain.png, table_rim.png and table_goal.png (the ball
// dropping into team 1's goal). Needs a DISPLAY and PITCHBAR_RESOURCES (or ./resources).
#include "testkit/display/TableScene.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool save(TableScene& scene, const std::string& path) {
    scene.renderer.renderFrame();
    std::vector<std::uint8_t> frame = scene.renderer.device->readBackBuffer();
    int w = scene.renderer.device->backBufferWidth(), h = scene.renderer.device->backBufferHeight();
    if (frame.size() != static_cast<size_t>(w) * h * 4 ||
        !stbi_write_png(path.c_str(), w, h, 4, frame.data(), w * 4)) {
        std::fprintf(stderr, "table-snapshot: cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s\n", path.c_str());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? argv[1] : ".";
    TableScene scene;
    if (!scene.start(false)) {
        std::fprintf(stderr, "table-snapshot: no graphics device\n");
        return 1;
    }
    scene.poseMatch();
    if (argc > 3) {
        scene.simulation.placeBall(std::strtof(argv[2], nullptr), std::strtof(argv[3], nullptr));
        scene.display->resetBallDisplay();
        scene.display->update();
    }
    bool ok = true;
    scene.setShadows(true);
    ok &= save(scene, folder + "/table_shadows.png");
    scene.setShadows(false);
    ok &= save(scene, folder + "/table_plain.png");

    scene.display->endMatch();
    scene.simulation.rimEnabled = true;
    scene.display->startMatch();
    scene.setShadows(true);
    scene.simulation.placeBall(6.0f, 3.0f);  // on the corner slope
    scene.simulation.ballPosition.y = 2.9f;
    scene.display->update();
    ok &= save(scene, folder + "/table_rim.png");

    scene.simulation.placeBall(117.4f + 5.0f, 33.2f);
    scene.simulation.state = InGoal;
    scene.simulation.stateTimer = 0.08f;
    scene.display->update();
    ok &= save(scene, folder + "/table_goal.png");
    return ok ? 0 : 1;
}
