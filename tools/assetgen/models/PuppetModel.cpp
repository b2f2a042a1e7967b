// puppet.krmt: one table figure, hanging from its origin on the rod axis. The rod runs
// through its chest along the model's x axis; the head is above, the legs below, and the
// foot block is centred 5.0 below the origin, exactly where the simulation's foot sphere
// meets the ball. The figure faces -z: the display's placement turns that towards the
// opponent's goal for both teams. It is at most 3.0 wide across the rod, so the rod-end
// bumpers just clear the outermost figures.
#include "Generator.h"
#include "models/KrmtWriter.h"
#include "models/TableGeometry.h"

namespace {

bool generatePuppetModel(const std::string& resourcesDir) {
    MeshBuilder figure("default");
    // Head and neck.
    figure.addEllipsoid({0, 3.35f, -0.05f}, {1.05f, 1.25f, 1.1f}, 10, 8);
    figure.addCylinderSide(Axis::Y, {0, 0, 0}, 0.45f, 1.6f, 2.4f, 8);
    // Chest and shoulders round the rod, then the hips.
    figure.addEllipsoid({0, 0.2f, 0}, {1.05f, 2.0f, 1.1f}, 12, 8);
    figure.addEllipsoid({0, -2.1f, 0}, {1.1f, 0.9f, 1.0f}, 10, 6);
    // Arms hanging at the sides, slightly forward.
    for (float side : {-1.0f, 1.0f}) {
        figure.addEllipsoid({side * 1.12f, 0.0f, -0.1f}, {0.38f, 1.8f, 0.45f}, 8, 6);
    }
    // Legs down to the foot.
    for (float side : {-1.0f, 1.0f}) {
        figure.addCylinderSide(Axis::Y, {side * 0.5f, 0, 0}, 0.42f, -4.3f, -2.4f, 8);
    }
    // The foot block: both feet in one piece, as on a real table figure, a little longer
    // towards the front.
    figure.addEllipsoid({0, -table::kFootDistance, -0.15f}, {1.4f, 1.3f, 1.6f}, 12, 8);
    return writeKrmtModel(resourcesDir, "puppet.krmt", {figure});
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("puppet.krmt", generatePuppetModel);
