// ball.krmt: the ball, a sphere of the simulation's ball radius around its origin. Its
// latitude-longitude mapping wraps balltexture.png once round the ball, so the texture's
// pattern shows both rolling (the bands tip over) and spinning (the segments turn).
#include "Generator.h"
#include "models/KrmtWriter.h"
#include "models/TableGeometry.h"

namespace {

bool generateBallModel(const std::string& resourcesDir) {
    MeshBuilder sphere("sphere");
    sphere.addEllipsoid({0, 0, 0}, {table::kBallRadius, table::kBallRadius, table::kBallRadius},
                        24, 16);
    return writeKrmtModel(resourcesDir, "ball.krmt", {sphere});
}

}  // namespace

PITCHBAR_ASSET_GENERATOR("ball.krmt", generateBallModel);
