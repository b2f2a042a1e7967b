// bearing.krmt: the bush a rod runs through where it leaves the field. Authored along its
// own y axis with its face at y = 0; placed just inside the side wall and turned so that
// +y points into the table, it stands 0.8 out of the wall and sinks into it behind.
#include "Generator.h"
#include "models/KrmtWriter.h"

namespace {

constexpr float kRadius = 1.3f;
constexpr int kSegments = 20;

bool generateBearingModel(const std::string& resourcesDir) {
    MeshBuilder top("cyltop");
    top.addDisc(Axis::Y, {0, 0, 0}, kRadius, 0.0f, true, kSegments);
    MeshBuilder side("cylinder");
    side.addCylinderSide(Axis::Y, {0, 0, 0}, kRadius, -3.0f, 0.0f, kSegments);
    return writeKrmtModel(resourcesDir, "bearing.krmt", {top, side});
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("bearing.krmt", generateBearingModel);
