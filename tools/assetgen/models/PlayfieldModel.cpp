// playfield.krmt: the field, the cabinet's inner walls with the two goal mouths and the
// goal boxes behind them, and the rest of the table and the room it stands in.
//   playfield  — the green field at y = 0 out to the wall faces, mapped once onto
//                playfield.png (u along the table from team 0's end, v from the far side).
//   goalbox    — the inside of the closed goal boxes the ball drops into, dark, with the
//                net (goalnet.png) on its walls.
//   innerwalls — the wall faces the ball bounces off, the goal mouths' lintels and their
//                lit edges.
//   top        — the cabinet: its top rails with bevelled edges, the outer walls, the
//                legs that run up its corners; and the floor of the room under it.
//
// The light hangs above the middle of the field. Faces that should read dark (the inside
// of the goal boxes, the floor away from the table) carry normals that lean away from it,
// so the lighting gives them only their ambient share; each normal still leans a little
// towards the side the face shows, as every face's must.
#include "Generator.h"
#include "models/KrmtWriter.h"
#include "models/TableGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace table;

constexpr float kWoodScale = 1.0f / 24.0f;  // wood.png repeats every 24 units
constexpr float kFloorScale = 1.0f / 40.0f; // the floor's boards are broader
constexpr float kNetScale = 1.0f / 8.0f;    // goalnet.png: four meshes of the net every 8 units
constexpr float kMouthEdgeDepth = 1.2f;     // how far the lit edge of a goal mouth reaches back
constexpr float kOuterZ = kWallZ + kWallThickness;       // 40: the cabinet's long sides
constexpr float kBoxFar = kWallX + kGoalBoxDepth;        // back of the goal box
constexpr float kOuterX = kBoxFar + 2.0f;                // the cabinet's end faces
constexpr float kLintelBack = kWallX + kWallThickness;   // the wall above the mouth
constexpr float kInnerTop = kWallHeight - kRailChamfer;  // where the inner walls meet the bevel
constexpr float kLegSize = 8.0f;
constexpr float kLegProud = 0.8f;  // how far the corner legs stand out of the walls
constexpr ModelVec3 kLight{0.0f, 51.0f, 0.0f};

// A normal for a face that shows towards `facing` but should get no direct light at
// `point`: it leans away from the light and only slightly towards the face's side.
ModelVec3 unlitNormal(ModelVec3 facing, ModelVec3 point) {
    ModelVec3 toLight = normalised(kLight - point);
    ModelVec3 away = toLight * -1.0f;
    ModelVec3 f = normalised(facing);
    // Keep only the part of "away" that does not point against the face, then add a small
    // share of the face's own direction.
    float against = dot(away, f);
    if (against < 0.0f) away = away - f * against;
    return normalised(away + f * 0.08f);
}

// A flat face a-b-c-d drawn dark: planar wood coordinates, unlit normals at each corner.
void addUnlitQuad(MeshBuilder& mesh, ModelVec3 a, ModelVec3 b, ModelVec3 c, ModelVec3 d,
                  ModelVec3 facing, float uvScale) {
    ModelVec3 corners[4] = {a, b, c, d};
    int index[4];
    for (int i = 0; i < 4; ++i) {
        ModelVertex vertex;
        vertex.position = corners[i];
        vertex.normal = unlitNormal(facing, corners[i]);
        planarUv(corners[i], facing, uvScale, vertex.u, vertex.v);
        index[i] = mesh.addVertex(vertex);
    }
    mesh.addTriangle(index[0], index[1], index[2]);
    mesh.addTriangle(index[0], index[2], index[3]);
}

// A flat face a-b-c-d lit with its own normal but wood-mapped as the plane it lies in.
void addLeaningQuad(MeshBuilder& mesh, ModelVec3 a, ModelVec3 b, ModelVec3 c, ModelVec3 d,
                    ModelVec3 facing, ModelVec3 normal) {
    float u[4], v[4];
    ModelVec3 corners[4] = {a, b, c, d};
    for (int i = 0; i < 4; ++i) planarUv(corners[i], facing, kWoodScale, u[i], v[i]);
    mesh.addQuad(a, b, c, d, normal, u[0], v[0], u[1], v[1], u[2], v[2], u[3], v[3]);
}

void addField(MeshBuilder& field) {
    auto u = [](float x) { return (x + kWallX) / (2.0f * kWallX); };
    auto v = [](float z) { return (kWallZ - z) / (2.0f * kWallZ); };
    field.addQuad({-kWallX, 0, -kWallZ}, {kWallX, 0, -kWallZ}, {kWallX, 0, kWallZ},
                  {-kWallX, 0, kWallZ}, {0, 1, 0}, u(-kWallX), v(-kWallZ), u(kWallX), v(-kWallZ),
                  u(kWallX), v(kWallZ), u(-kWallX), v(kWallZ));
}

// The faces of one end (sign -1: team 0's end, +1: team 1's) that the ball can see, and
// the lit edge of the goal mouth: its sides and lintel run kMouthEdgeDepth back into the
// wall, with normals that lean out of the mouth like the wall's own, so the opening has a
// wooden frame lit as the wall round it is.
void addEndWalls(MeshBuilder& walls, float sign) {
    float x = sign * kWallX;
    ModelVec3 inward{-sign, 0, 0};
    // Beside the goal mouth.
    for (float side : {-1.0f, 1.0f}) {
        float z0 = side * kGoalHalfWidth, z1 = side * kWallZ;
        walls.addPlanarQuad({x, 0, z0}, {x, 0, z1}, {x, kInnerTop, z1}, {x, kInnerTop, z0},
                            inward, kWoodScale);
    }
    // Above the mouth.
    walls.addPlanarQuad({x, kGoalMouthHeight, -kGoalHalfWidth}, {x, kGoalMouthHeight, kGoalHalfWidth},
                        {x, kInnerTop, kGoalHalfWidth}, {x, kInnerTop, -kGoalHalfWidth}, inward,
                        kWoodScale);
    // The mouth's edge.
    float edge = sign * (kWallX + kMouthEdgeDepth);
    for (float side : {-1.0f, 1.0f}) {
        float z = side * kGoalHalfWidth;
        ModelVec3 facing{0, 0, -side};
        addLeaningQuad(walls, {x, 0, z}, {edge, 0, z}, {edge, kGoalMouthHeight, z}, {x, kGoalMouthHeight, z},
                       facing, inward + facing * 0.5f);
    }
    addLeaningQuad(walls, {x, kGoalMouthHeight, -kGoalHalfWidth}, {edge, kGoalMouthHeight, -kGoalHalfWidth},
                   {edge, kGoalMouthHeight, kGoalHalfWidth}, {x, kGoalMouthHeight, kGoalHalfWidth},
                   {0, -1, 0}, inward + ModelVec3{0, -0.3f, 0});
}

// The goal box behind one mouth: closed above, deep enough to swallow the ball, and
// unlit, so the mouth reads as a dark hole in the end wall with the net hanging in it.
// Texture coordinates are planar at the net's scale (goalnet.png).
void addGoalBox(MeshBuilder& box, float sign) {
    float x = sign * (kWallX + kMouthEdgeDepth);
    float far = sign * kBoxFar;
    ModelVec3 inward{-sign, 0, 0};
    addUnlitQuad(box, {x, kGoalMouthHeight, -kGoalHalfWidth}, {far, kGoalMouthHeight, -kGoalHalfWidth},
                 {far, kGoalMouthHeight, kGoalHalfWidth}, {x, kGoalMouthHeight, kGoalHalfWidth},
                 {0, -1, 0}, kNetScale);
    for (float side : {-1.0f, 1.0f}) {
        float z = side * kGoalHalfWidth;
        addUnlitQuad(box, {x, kGoalBoxFloor, z}, {far, kGoalBoxFloor, z},
                     {far, kGoalMouthHeight, z}, {x, kGoalMouthHeight, z}, {0, 0, -side}, kNetScale);
    }
    addUnlitQuad(box, {far, kGoalBoxFloor, -kGoalHalfWidth}, {far, kGoalBoxFloor, kGoalHalfWidth},
                 {far, kGoalMouthHeight, kGoalHalfWidth}, {far, kGoalMouthHeight, -kGoalHalfWidth},
                 inward, kNetScale);
    addUnlitQuad(box, {x, kGoalBoxFloor, -kGoalHalfWidth}, {far, kGoalBoxFloor, -kGoalHalfWidth},
                 {far, kGoalBoxFloor, kGoalHalfWidth}, {x, kGoalBoxFloor, kGoalHalfWidth},
                 {0, 1, 0}, kNetScale);
    // Under the field's edge in the mouth: the front of the drop.
    float lip = sign * kWallX;
    addUnlitQuad(box, {lip, kGoalBoxFloor, -kGoalHalfWidth}, {lip, 0, -kGoalHalfWidth},
                 {lip, 0, kGoalHalfWidth}, {lip, kGoalBoxFloor, kGoalHalfWidth}, {sign, 0, 0}, kNetScale);
}

void addInnerWalls(MeshBuilder& walls) {
    for (float side : {-1.0f, 1.0f}) {
        float z = side * kWallZ;
        walls.addPlanarQuad({-kWallX, 0, z}, {kWallX, 0, z}, {kWallX, kInnerTop, z},
                            {-kWallX, kInnerTop, z}, {0, 0, -side}, kWoodScale);
    }
    addEndWalls(walls, -1.0f);
    addEndWalls(walls, 1.0f);
}

// A ring of bevel round the cabinet between two rectangles (inner half sizes at height y0,
// outer half sizes at height y1), mitred at the corners, each face lit as the slope it is.
void addBevelRing(MeshBuilder& top, float ix, float iz, float y0, float ox, float oz, float y1) {
    for (float s : {-1.0f, 1.0f}) {
        // Long sides: across z.
        ModelVec3 a{-ix, y0, s * iz}, b{ix, y0, s * iz}, c{ox, y1, s * oz}, d{-ox, y1, s * oz};
        ModelVec3 n = cross(b - a, d - a);
        if (n.y < 0) n = n * -1.0f;
        top.addPlanarQuad(a, b, c, d, n, kWoodScale);
        // Ends: across x.
        ModelVec3 e{s * ix, y0, -iz}, f{s * ix, y0, iz}, g{s * ox, y1, oz}, h{s * ox, y1, -oz};
        ModelVec3 m = cross(f - e, h - e);
        if (m.y < 0) m = m * -1.0f;
        top.addPlanarQuad(e, f, g, h, m, kWoodScale);
    }
}

void addTopRect(MeshBuilder& top, float x0, float x1, float z0, float z1, float y) {
    top.addPlanarQuad({x0, y, z0}, {x1, y, z0}, {x1, y, z1}, {x0, y, z1}, {0, 1, 0}, kWoodScale);
}

void addCabinet(MeshBuilder& top) {
    const float c = kRailChamfer;
    const float ix = kWallX + c, iz = kWallZ + c;     // inner edge of the flat top
    const float ox = kOuterX - c, oz = kOuterZ - c;   // outer edge of the flat top
    // Inner bevel from the walls up to the top, the flat top, the outer bevel down to the
    // outer walls.
    addBevelRing(top, kWallX, kWallZ, kInnerTop, ix, iz, kWallHeight);
    addTopRect(top, -ox, ox, -oz, -iz, kWallHeight);
    addTopRect(top, -ox, ox, iz, oz, kWallHeight);
    addTopRect(top, -ox, -ix, -iz, iz, kWallHeight);
    addTopRect(top, ix, ox, -iz, iz, kWallHeight);
    addBevelRing(top, ox, oz, kWallHeight, kOuterX, kOuterZ, kWallHeight - c);
    // The outer walls down to the cabinet's underside.
    const float y0 = kCabinetBottom, y1 = kWallHeight - c;
    for (float s : {-1.0f, 1.0f}) {
        top.addPlanarQuad({-kOuterX, y0, s * kOuterZ}, {kOuterX, y0, s * kOuterZ},
                          {kOuterX, y1, s * kOuterZ}, {-kOuterX, y1, s * kOuterZ}, {0, 0, s}, kWoodScale);
        top.addPlanarQuad({s * kOuterX, y0, -kOuterZ}, {s * kOuterX, y0, kOuterZ},
                          {s * kOuterX, y1, kOuterZ}, {s * kOuterX, y1, -kOuterZ}, {s, 0, 0}, kWoodScale);
    }
    // The underside, seen between the legs.
    top.addPlanarQuad({-kOuterX, y0, -kOuterZ}, {kOuterX, y0, -kOuterZ}, {kOuterX, y0, kOuterZ},
                      {-kOuterX, y0, kOuterZ}, {0, -1, 0}, kWoodScale);
}

void addLegs(MeshBuilder& top) {
    // Square legs that run up the cabinet's corners to just under the top bevel, standing a
    // little out of both walls, on broader feet; rails join each pair along the long sides.
    const float legTop = kWallHeight - kRailChamfer - 0.4f;
    const float footHeight = 2.5f;
    for (float sx : {-1.0f, 1.0f})
        for (float sz : {-1.0f, 1.0f}) {
            float x1 = kOuterX + kLegProud, x0 = x1 - kLegSize;
            float z1 = kOuterZ + kLegProud, z0 = z1 - kLegSize;
            top.addBox({std::min(sx * x0, sx * x1), kFloorY + footHeight, std::min(sz * z0, sz * z1)},
                       {std::max(sx * x0, sx * x1), legTop, std::max(sz * z0, sz * z1)}, kWoodScale, "-y");
            float fx0 = x0 - 0.8f, fx1 = x1 + 0.8f, fz0 = z0 - 0.8f, fz1 = z1 + 0.8f;
            top.addBox({std::min(sx * fx0, sx * fx1), kFloorY, std::min(sz * fz0, sz * fz1)},
                       {std::max(sx * fx0, sx * fx1), kFloorY + footHeight, std::max(sz * fz0, sz * fz1)},
                       kWoodScale, "-y");
        }
    for (float sz : {-1.0f, 1.0f}) {
        float z1 = kOuterZ - 2.0f, z0 = z1 - 4.0f;
        float x = kOuterX + kLegProud - kLegSize;
        top.addBox({-x, kFloorY + 12.0f, std::min(sz * z0, sz * z1)},
                   {x, kFloorY + 17.0f, std::max(sz * z0, sz * z1)}, kWoodScale, "-x+x");
    }
}

void addFloor(MeshBuilder& top) {
    // A wooden floor reaching past everything the camera sees round the table, in cells
    // small enough that the normals, which lean away from the lamp over the table, stay
    // dark across each triangle.
    const float x0 = -140.0f, x1 = 140.0f, z0 = -90.0f, z1 = 140.0f, cell = 20.0f;
    const int nx = static_cast<int>((x1 - x0) / cell), nz = static_cast<int>((z1 - z0) / cell);
    int first = -1;
    for (int j = 0; j <= nz; ++j)
        for (int i = 0; i <= nx; ++i) {
            ModelVec3 p{x0 + cell * static_cast<float>(i), kFloorY, z0 + cell * static_cast<float>(j)};
            ModelVertex vertex;
            vertex.position = p;
            vertex.normal = unlitNormal({0, 1, 0}, p);
            // The boards run away from the player, across the cabinet's grain.
            vertex.u = p.z * kFloorScale;
            vertex.v = p.x * kFloorScale;
            int index = top.addVertex(vertex);
            if (first < 0) first = index;
        }
    for (int j = 0; j < nz; ++j)
        for (int i = 0; i < nx; ++i) {
            int a = first + j * (nx + 1) + i, b = a + nx + 1;
            top.addTriangle(a, a + 1, b + 1);
            top.addTriangle(a, b + 1, b);
        }
}

bool generatePlayfieldModel(const std::string& resourcesDir) {
    MeshBuilder field("playfield");
    addField(field);
    MeshBuilder walls("innerwalls");
    addInnerWalls(walls);
    MeshBuilder box("goalbox");
    addGoalBox(box, -1.0f);
    addGoalBox(box, 1.0f);
    MeshBuilder top("top");
    addCabinet(top);
    addLegs(top);
    addFloor(top);
    return writeKrmtModel(resourcesDir, "playfield.krmt", {box, field, walls, top});
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("playfield.krmt", generatePlayfieldModel);
