// terminal.krmt: the rubber bumper on a rod beside the outermost figure, which stops the
// rod at the bearing. Authored along its own y axis around its origin like the rod; 4 long,
// so that at the rod's end of travel its face meets the bearing and its inner face just
// clears the outermost figure.
#include "Generator.h"
#include "models/KrmtWriter.h"

namespace {

constexpr float kRadius = 0.85f;
constexpr float kHalfLength = 2.0f;
constexpr int kSegments = 16;

bool generateTerminalModel(const std::string& resourcesDir) {
    MeshBuilder top("cyltop");
    top.addDisc(Axis::Y, {0, 0, 0}, kRadius, kHalfLength, true, kSegments);
    MeshBuilder bottom("cylbottom");
    bottom.addDisc(Axis::Y, {0, 0, 0}, kRadius, -kHalfLength, false, kSegments);
    MeshBuilder side("cylinder");
    side.addCylinderSide(Axis::Y, {0, 0, 0}, kRadius, -kHalfLength, kHalfLength, kSegments);
    return writeKrmtModel(resourcesDir, "terminal.krmt", {top, bottom, side});
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("terminal.krmt", generateTerminalModel);
