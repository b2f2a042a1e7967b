// rod.krmt: a metal rod along its own y axis, with the wooden handle at its -y end. The
// display lays every rod across the table so that -y points to the owning team's side of
// the cabinet (the near side for the player, the far side for the opponent). The metal is
// long enough that at either end of the rod's travel it still passes through both walls,
// and the handle starts far enough out that it never enters the cabinet.
//
// The handle is turned like a real one: a ferrule where it grips the rod, a grip that
// swells under the palm with shallow rings for the fingers, a neck, and a rounded knob.
#include "Generator.h"
#include "models/KrmtWriter.h"

#include <vector>

namespace {

constexpr float kRodRadius = 0.55f;
constexpr float kRodFarEnd = 56.0f;
constexpr float kHandleStart = -60.0f;
constexpr float kHandleEnd = -73.0f;
constexpr int kRodSegments = 16;
constexpr int kHandleSegments = 12;

// The handle's outline from the knob's flat end to the ferrule: (y, radius).
std::vector<LoftRing> handleProfile() {
    const float profile[][2] = {
        {kHandleEnd, 1.45f}, {-72.8f, 1.78f}, {-72.2f, 1.92f}, {-71.5f, 1.70f}, {-71.0f, 1.50f},
        {-70.2f, 1.62f},     {-69.4f, 1.54f}, {-68.6f, 1.66f}, {-67.8f, 1.58f}, {-66.6f, 1.68f},
        {-64.6f, 1.58f},     {-62.6f, 1.28f}, {-61.6f, 1.02f}, {-61.2f, 1.08f}, {kHandleStart, 0.92f}};
    std::vector<LoftRing> rings;
    for (const auto& p : profile) rings.push_back({p[0], 0.0f, 0.0f, p[1], p[1]});
    return rings;
}

bool generateRodModel(const std::string& resourcesDir) {
    MeshBuilder rodTop("rodcyltop");
    rodTop.addDisc(Axis::Y, {0, 0, 0}, kRodRadius, kRodFarEnd, true, kRodSegments);
    MeshBuilder rod("rodcylinder");
    rod.addCylinderSide(Axis::Y, {0, 0, 0}, kRodRadius, kHandleStart, kRodFarEnd, kRodSegments);

    // The turned handle; its grain runs along the rod.
    std::vector<LoftRing> outline = handleProfile();
    MeshBuilder handle("cylinder");
    handle.addLoft(outline, kHandleSegments, false, false, 1.0f / 13.0f);
    MeshBuilder handleTop("cyltop");
    handleTop.addDisc(Axis::Y, {0, 0, 0}, outline.front().rx, kHandleEnd, false, kHandleSegments);
    MeshBuilder handleBottom("cylbottom");
    handleBottom.addDisc(Axis::Y, {0, 0, 0}, outline.back().rx, kHandleStart, true, kHandleSegments);
    return writeKrmtModel(resourcesDir, "rod.krmt",
                          {rodTop, rod, handleTop, handleBottom, handle});
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("rod.krmt", generateRodModel);
