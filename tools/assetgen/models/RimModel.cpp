// rim.krmt: the sloped border laid over the field when the rim is switched on. In each
// corner a triangle slopes from 1.4 at the corner down to the field along the line from
// 18 across the end wall to (21 along, 4 across); along each side wall a strip 4 wide
// slopes from 1.4 at the wall down to the field. The surface is the height the simulation
// lifts the ball centre by, so the ball visibly rolls on it. The corner triangle and the
// strip share the edge from the corner to (21, 4) and agree on it, so there is no crack.
// The border is wood like the walls it leans on: the texture coordinates map wood.png as
// the cabinet's top is mapped.
#include "Generator.h"
#include "models/KrmtWriter.h"
#include "models/TableGeometry.h"

#include <cmath>

namespace {

// Lifted a touch above the field so the two surfaces do not fight where the slope ends.
constexpr float kLift = 0.05f;
constexpr float kWoodScale = 1.0f / 24.0f;  // wood.png repeats every 24 units

struct QuarterPoint {
    float along, across;
};

// Height of the corner slope at a quarter-frame point.
float cornerHeight(QuarterPoint p, float nx, float nz, float d) {
    return (d - (nx * p.along + nz * p.across)) * table::kRimHeight / d;
}

float stripHeight(QuarterPoint p) {
    return (table::kRimStripWidth - p.across) * table::kRimHeight / table::kRimStripWidth;
}

void addQuarter(MeshBuilder& mesh, float signX, float signZ) {
    // The corner line's normal and distance, computed as the simulation computes them.
    float nx = -(table::kRimK2Across - table::kRimK1Across);
    float nz = table::kRimK2Along - 0.0f;
    float length = std::sqrt(nx * nx + nz * nz);
    nx /= length;
    nz /= length;
    float d = nx * table::kRimK2Along + nz * table::kRimK2Across;

    auto vertex = [&](QuarterPoint p, float height, ModelVec3 quarterNormal) {
        ModelVec3 position{signX * (p.along - table::kWallX), height + kLift,
                           signZ * (p.across - table::kWallZ)};
        ModelVec3 normal = normalised({signX * quarterNormal.x, quarterNormal.y,
                                       signZ * quarterNormal.z});
        ModelVertex vertex{position, normal, 0.0f, 0.0f};
        planarUv(position, {0.0f, 1.0f, 0.0f}, kWoodScale, vertex.u, vertex.v);
        return mesh.addVertex(vertex);
    };

    // Corner triangle: height falls along n, so the surface normal leans along n.
    ModelVec3 cornerNormal{nx * table::kRimHeight / d, 1.0f, nz * table::kRimHeight / d};
    QuarterPoint k0{0, 0}, k1{0, table::kRimK1Across}, k2{table::kRimK2Along, table::kRimK2Across};
    int a = vertex(k0, cornerHeight(k0, nx, nz, d), cornerNormal);
    int b = vertex(k1, cornerHeight(k1, nx, nz, d), cornerNormal);
    int c = vertex(k2, cornerHeight(k2, nx, nz, d), cornerNormal);
    mesh.addTriangle(a, b, c);

    // Side strip from the corner to the middle of the side wall, beside the triangle.
    ModelVec3 stripNormal{0.0f, 1.0f, table::kRimHeight / table::kRimStripWidth};
    QuarterPoint s0{0, 0}, s1{table::kRimK2Along, table::kRimStripWidth},
        s2{table::kWallX, table::kRimStripWidth}, s3{table::kWallX, 0};
    int p0 = vertex(s0, stripHeight(s0), stripNormal);
    int p1 = vertex(s1, stripHeight(s1), stripNormal);
    int p2 = vertex(s2, stripHeight(s2), stripNormal);
    int p3 = vertex(s3, stripHeight(s3), stripNormal);
    mesh.addTriangle(p0, p1, p2);
    mesh.addTriangle(p0, p2, p3);
}

bool generateRimModel(const std::string& resourcesDir) {
    MeshBuilder rim("default");
    for (float signX : {1.0f, -1.0f})
        for (float signZ : {1.0f, -1.0f}) addQuarter(rim, signX, signZ);
    return writeKrmtModel(resourcesDir, "rim.krmt", {rim});
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("rim.krmt", generateRimModel);
