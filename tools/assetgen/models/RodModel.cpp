// rod.krmt: a metal rod along its own y axis, with the wooden handle at its -y end. The
// display lays every rod across the table so that -y points to the owning team's side of
// the cabinet (the near side for the player, the far side for the opponent). The metal is
// long enough that at either end of the rod's travel it still passes through both walls,
// and the handle starts far enough out that it never enters the cabinet.
#include "Generator.h"
#include "models/KrmtWriter.h"

namespace {

constexpr float kRodRadius = 0.55f;
constexpr float kRodFarEnd = 56.0f;
constexpr float kHandleStart = -60.0f;
constexpr float kHandleEnd = -73.0f;
constexpr float kHandleRadius = 1.7f;
constexpr int kSegments = 12;

bool generateRodModel(const std::string& resourcesDir) {
    MeshBuilder rodTop("rodcyltop");
    rodTop.addDisc(Axis::Y, {0, 0, 0}, kRodRadius, kRodFarEnd, true, kSegments);
    MeshBuilder rod("rodcylinder");
    rod.addCylinderSide(Axis::Y, {0, 0, 0}, kRodRadius, kHandleStart, kRodFarEnd, kSegments);

    // The handle: a wooden grip with flat ends.
    MeshBuilder handle("cylinder");
    handle.addCylinderSide(Axis::Y, {0, 0, 0}, kHandleRadius, kHandleEnd, kHandleStart, 16);
    MeshBuilder handleTop("cyltop");
    handleTop.addDisc(Axis::Y, {0, 0, 0}, kHandleRadius, kHandleEnd, false, 16);
    MeshBuilder handleBottom("cylbottom");
    handleBottom.addDisc(Axis::Y, {0, 0, 0}, kHandleRadius, kHandleStart, true, 16);
    return writeKrmtModel(resourcesDir, "rod.krmt",
                          {rodTop, rod, handleTop, handleBottom, handle});
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("rod.krmt", generateRodModel);
