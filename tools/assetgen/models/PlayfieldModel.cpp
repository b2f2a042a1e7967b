// playfield.krmt: the field, the cabinet's inner walls with the two goal mouths and the
// goal boxes behind them, and the cabinet's top and outer sides.
//   playfield  — the green field at y = 0 out to the wall faces, mapped once onto
//                playfield.png (u along the table from team 0's end, v from the far side).
//   innerwalls — the wall faces the ball bounces off, the goal mouths' lintels and the
//                inside of the goal boxes the ball drops into.
//   top        — the cabinet's top frame and outer sides.
#include "Generator.h"
#include "models/KrmtWriter.h"
#include "models/TableGeometry.h"

#include <algorithm>

namespace {

using namespace table;

constexpr float kWoodScale = 1.0f / 24.0f;  // wood.png repeats every 24 units
constexpr float kOuterZ = kWallZ + kWallThickness;
constexpr float kBoxFar = kWallX + kGoalBoxDepth;        // back of the goal box
constexpr float kOuterX = kBoxFar + 2.0f;                // the cabinet's end faces
constexpr float kLintelBack = kWallX + kWallThickness;   // the wall above the mouth
constexpr float kOuterBottom = -20.0f;

void addField(MeshBuilder& field) {
    auto u = [](float x) { return (x + kWallX) / (2.0f * kWallX); };
    auto v = [](float z) { return (kWallZ - z) / (2.0f * kWallZ); };
    field.addQuad({-kWallX, 0, -kWallZ}, {kWallX, 0, -kWallZ}, {kWallX, 0, kWallZ},
                  {-kWallX, 0, kWallZ}, {0, 1, 0}, u(-kWallX), v(-kWallZ), u(kWallX), v(-kWallZ),
                  u(kWallX), v(kWallZ), u(-kWallX), v(kWallZ));
}

// The faces of one end (sign -1: team 0's end, +1: team 1's) that the ball can see.
void addEndWalls(MeshBuilder& walls, float sign) {
    float x = sign * kWallX;
    ModelVec3 inward{-sign, 0, 0};
    // Beside the goal mouth.
    for (float side : {-1.0f, 1.0f}) {
        float z0 = side * kGoalHalfWidth, z1 = side * kWallZ;
        walls.addPlanarQuad({x, 0, z0}, {x, 0, z1}, {x, kWallHeight, z1}, {x, kWallHeight, z0},
                            inward, kWoodScale);
    }
    // Above the mouth, and the lintel's underside through the wall's thickness.
    walls.addPlanarQuad({x, kGoalMouthHeight, -kGoalHalfWidth}, {x, kGoalMouthHeight, kGoalHalfWidth},
                        {x, kWallHeight, kGoalHalfWidth}, {x, kWallHeight, -kGoalHalfWidth}, inward,
                        kWoodScale);
    float back = sign * kLintelBack;
    walls.addPlanarQuad({x, kGoalMouthHeight, -kGoalHalfWidth}, {back, kGoalMouthHeight, -kGoalHalfWidth},
                        {back, kGoalMouthHeight, kGoalHalfWidth}, {x, kGoalMouthHeight, kGoalHalfWidth},
                        {0, -1, 0}, kWoodScale);
    // The goal box: an open pit behind the mouth, deep enough to swallow the ball.
    float far = sign * kBoxFar;
    for (float side : {-1.0f, 1.0f}) {
        float z = side * kGoalHalfWidth;
        walls.addPlanarQuad({x, kGoalBoxFloor, z}, {far, kGoalBoxFloor, z}, {far, kWallHeight, z},
                            {x, kWallHeight, z}, {0, 0, -side}, kWoodScale);
    }
    walls.addPlanarQuad({far, kGoalBoxFloor, -kGoalHalfWidth}, {far, kGoalBoxFloor, kGoalHalfWidth},
                        {far, kWallHeight, kGoalHalfWidth}, {far, kWallHeight, -kGoalHalfWidth},
                        inward, kWoodScale);
    walls.addPlanarQuad({x, kGoalBoxFloor, -kGoalHalfWidth}, {far, kGoalBoxFloor, -kGoalHalfWidth},
                        {far, kGoalBoxFloor, kGoalHalfWidth}, {x, kGoalBoxFloor, kGoalHalfWidth},
                        {0, 1, 0}, kWoodScale);
}

void addInnerWalls(MeshBuilder& walls) {
    for (float side : {-1.0f, 1.0f}) {
        float z = side * kWallZ;
        walls.addPlanarQuad({-kWallX, 0, z}, {kWallX, 0, z}, {kWallX, kWallHeight, z},
                            {-kWallX, kWallHeight, z}, {0, 0, -side}, kWoodScale);
    }
    addEndWalls(walls, -1.0f);
    addEndWalls(walls, 1.0f);
}

void addTopRect(MeshBuilder& top, float x0, float x1, float z0, float z1) {
    top.addPlanarQuad({x0, kWallHeight, z0}, {x1, kWallHeight, z0}, {x1, kWallHeight, z1},
                      {x0, kWallHeight, z1}, {0, 1, 0}, kWoodScale);
}

void addTop(MeshBuilder& top) {
    // The long sides of the frame, corner to corner.
    addTopRect(top, -kOuterX, kOuterX, -kOuterZ, -kWallZ);
    addTopRect(top, -kOuterX, kOuterX, kWallZ, kOuterZ);
    // The ends, leaving the goal boxes open.
    for (float sign : {-1.0f, 1.0f}) {
        float in = sign * kWallX, out = sign * kOuterX;
        float lo = sign < 0 ? out : in, hi = sign < 0 ? in : out;
        addTopRect(top, lo, hi, -kWallZ, -kGoalHalfWidth);
        addTopRect(top, lo, hi, kGoalHalfWidth, kWallZ);
        float lintel0 = sign * kWallX, lintel1 = sign * kLintelBack;
        addTopRect(top, std::min(lintel0, lintel1), std::max(lintel0, lintel1), -kGoalHalfWidth,
                   kGoalHalfWidth);
        float back0 = sign * kBoxFar;
        addTopRect(top, std::min(back0, out), std::max(back0, out), -kGoalHalfWidth,
                   kGoalHalfWidth);
    }
    // Outer sides down to below the field.
    for (float side : {-1.0f, 1.0f}) {
        float z = side * kOuterZ;
        top.addPlanarQuad({-kOuterX, kOuterBottom, z}, {kOuterX, kOuterBottom, z},
                          {kOuterX, kWallHeight, z}, {-kOuterX, kWallHeight, z}, {0, 0, side},
                          kWoodScale);
        float x = side * kOuterX;
        top.addPlanarQuad({x, kOuterBottom, -kOuterZ}, {x, kOuterBottom, kOuterZ},
                          {x, kWallHeight, kOuterZ}, {x, kWallHeight, -kOuterZ}, {side, 0, 0},
                          kWoodScale);
    }
}

bool generatePlayfieldModel(const std::string& resourcesDir) {
    MeshBuilder field("playfield");
    addField(field);
    MeshBuilder walls("innerwalls");
    addInnerWalls(walls);
    MeshBuilder top("top");
    addTop(top);
    return writeKrmtModel(resourcesDir, "playfield.krmt", {field, walls, top});
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("playfield.krmt", generatePlayfieldModel);
