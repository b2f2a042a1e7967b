// puppet.krmt: one table figure, hanging from its origin on the rod axis. The rod runs
// through its chest along the model's x axis; the head is above, the legs below, and the
// sole of the wedge-shaped foot block lies under the point 5.0 below the origin where the
// simulation's foot sphere meets the ball. The figure faces -z: the display's placement
// turns that towards the opponent's goal for both teams. It is at most 3.0 wide across the
// rod (arms included), so the rod-end bumpers just clear the outermost figures.
//
// The body is lofted through rounded cross-sections like a moulded figure: head, neck,
// broad shoulders, a chest that tapers to the waist, shorts, two legs, and one foot block
// that leans forward into a striking face and stands on a flat sole.
//
// Every part reads its own column of the painted texture (models/PuppetPaint.h): the head
// its face and hair, the torso shirt and shorts, the arms sleeves and hands, the legs
// knees and socks, the foot block the shoes.
#include "Generator.h"
#include "models/KrmtWriter.h"
#include "models/PuppetPaint.h"
#include "models/TableGeometry.h"

#include <functional>

namespace {

constexpr int kBodySegments = 14;
constexpr int kLimbSegments = 8;

void addHead(MeshBuilder& figure) {
    // Slightly longer than wide, the chin a little forward of the crown.
    figure.addLoft({{2.35f, 0, -0.05f, 0.38f, 0.36f},
                    {2.55f, 0, -0.10f, 0.62f, 0.64f},
                    {2.85f, 0, -0.12f, 0.86f, 0.88f},
                    {3.30f, 0, -0.08f, 0.96f, 0.98f},
                    {3.80f, 0, -0.02f, 0.92f, 0.94f},
                    {4.20f, 0, 0.02f, 0.72f, 0.74f},
                    {4.45f, 0, 0.04f, 0.42f, 0.44f},
                    {4.55f, 0, 0.05f, 0.16f, 0.17f}},
                   kBodySegments, true, true);
}

void addTorso(MeshBuilder& figure) {
    // Neck, shoulders, chest round the rod (radius 0.55), waist, shorts.
    constexpr float e = 2.6f;  // a little squarer than an ellipse
    figure.addLoft({{2.45f, 0, 0.0f, 0.40f, 0.38f, 2.0f},
                    {1.95f, 0, 0.0f, 0.44f, 0.42f, 2.0f},
                    {1.80f, 0, 0.0f, 0.82f, 0.55f, e},
                    {1.55f, 0, 0.0f, 1.06f, 0.70f, e},
                    {1.00f, 0, -0.02f, 1.04f, 0.76f, e},
                    {0.20f, 0, -0.02f, 0.94f, 0.74f, e},
                    {-1.00f, 0, 0.0f, 0.79f, 0.62f, e},
                    {-1.50f, 0, 0.0f, 0.88f, 0.66f, e},
                    {-2.30f, 0, 0.0f, 0.94f, 0.68f, e},
                    {-2.60f, 0, 0.0f, 0.86f, 0.62f, e}},
                   kBodySegments, false, true);
}

void addArms(MeshBuilder& figure) {
    // Hanging close to the body, forearms a little forward, ending in fists.
    for (float side : {-1.0f, 1.0f}) {
        float x = side * 1.12f;
        figure.addLoft({{1.78f, x * 0.96f, 0.0f, 0.16f, 0.18f},
                        {1.62f, x, 0.0f, 0.31f, 0.34f},
                        {0.40f, x, -0.03f, 0.29f, 0.32f},
                        {-0.90f, x, -0.14f, 0.23f, 0.26f},
                        {-1.35f, x, -0.16f, 0.27f, 0.29f},
                        {-1.70f, x, -0.16f, 0.20f, 0.21f}},
                       kLimbSegments, true, true);
    }
}

void addLegs(MeshBuilder& figure) {
    for (float side : {-1.0f, 1.0f}) {
        float x = side * 0.44f;
        figure.addLoft({{-2.35f, x, 0.0f, 0.40f, 0.44f},
                        {-3.20f, x, -0.04f, 0.33f, 0.37f},
                        {-3.70f, x, -0.02f, 0.30f, 0.34f},
                        {-4.20f, x, 0.0f, 0.34f, 0.38f}},
                       kLimbSegments, false, false);
    }
}

void addFoot(MeshBuilder& figure) {
    // Both feet in one block: narrow at the ankles, widening downwards and leaning forward
    // into the striking face, flat underneath.
    const float sole = -table::kFootDistance - table::kFootRadius;  // -6.5
    constexpr float e = 3.0f;
    figure.addLoft({{-3.90f, 0, 0.05f, 0.86f, 0.52f, e},
                    {-4.50f, 0, -0.12f, 1.08f, 0.86f, e},
                    {-5.30f, 0, -0.26f, 1.20f, 1.22f, e},
                    {-6.05f, 0, -0.30f, 1.22f, 1.38f, e},
                    {sole + 0.12f, 0, -0.30f, 1.18f, 1.36f, e},
                    {sole, 0, -0.30f, 1.08f, 1.26f, e}},
                   kBodySegments, true, true);
}

// Builds one part and maps its vertices onto the part's column of the texture.
void addPainted(MeshBuilder& figure, puppet::Part part, const std::function<void(MeshBuilder&)>& build) {
    const int first = static_cast<int>(figure.vertices().size());
    build(figure);
    const int end = static_cast<int>(figure.vertices().size());
    for (int i = first; i < end; ++i) {
        const ModelVertex& vertex = figure.vertices()[static_cast<size_t>(i)];
        float u = 0.0f, v = 0.0f;
        puppet::textureCoordinates(part, vertex.u, vertex.position.y, u, v);
        figure.setTextureCoordinates(i, u, v);
    }
}

bool generatePuppetModel(const std::string& resourcesDir) {
    MeshBuilder figure("default");
    addPainted(figure, puppet::Part::Head, addHead);
    addPainted(figure, puppet::Part::Torso, addTorso);
    addPainted(figure, puppet::Part::Arm, addArms);
    addPainted(figure, puppet::Part::Leg, addLegs);
    addPainted(figure, puppet::Part::Foot, addFoot);
    return writeKrmtModel(resourcesDir, "puppet.krmt", {figure});
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("puppet.krmt", generatePuppetModel);
