// The generated table models and textures: they must read, be lit from the right side,
// stay within a sensible triangle budget, and agree with the sizes the simulation plays on.
#include "display/KrmtTestReader.h"

#include <gtest/gtest.h>

#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>

namespace {

std::string resourcesDir() {
    const char* dir = std::getenv("PITCHBAR_RESOURCES");
    return dir ? dir : "resources";
}

TestModel load(const std::string& name) {
    TestModel m = readTestModel(resourcesDir() + "/models/" + name);
    EXPECT_TRUE(m.ok) << name << ": " << m.error;
    return m;
}

int triangles(const TestModel& m) {
    int n = 0;
    for (const auto& entry : m.subMeshes) n += int(entry.second.indices.size() / 3);
    return n;
}

struct Bounds {
    float lo[3] = {1e9f, 1e9f, 1e9f}, hi[3] = {-1e9f, -1e9f, -1e9f};
};

Bounds bounds(const TestSubMesh& s) {
    Bounds b;
    for (int i = 0; i < s.vertexCount(); ++i)
        for (int k = 0; k < 3; ++k) {
            b.lo[k] = std::min(b.lo[k], s.vertex(i)[k]);
            b.hi[k] = std::max(b.hi[k], s.vertex(i)[k]);
        }
    return b;
}

// Triangle t of a sub-mesh as its first corner and the two edges leaving it.
struct TriangleEdges {
    const float* a;
    float e1[3], e2[3];
};

TriangleEdges edgesOf(const TestSubMesh& s, size_t t) {
    const float* a = s.vertex(s.indices[t]);
    const float* b = s.vertex(s.indices[t + 1]);
    const float* c = s.vertex(s.indices[t + 2]);
    return {a, {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, {c[0] - a[0], c[1] - a[1], c[2] - a[2]}};
}

// Point-in-triangle test in the plane x = const of a vertical wall face.
bool wallCovers(const TestSubMesh& s, float x, float y, float z) {
    for (size_t t = 0; t + 2 < s.indices.size(); t += 3) {
        const float* a = s.vertex(s.indices[t]);
        const float* b = s.vertex(s.indices[t + 1]);
        const float* c = s.vertex(s.indices[t + 2]);
        if (std::fabs(a[0] - x) > 1e-3f || std::fabs(b[0] - x) > 1e-3f || std::fabs(c[0] - x) > 1e-3f) continue;
        auto side = [&](const float* p, const float* q) {
            return (q[2] - p[2]) * (y - p[1]) - (q[1] - p[1]) * (z - p[2]);
        };
        float d1 = side(a, b), d2 = side(b, c), d3 = side(c, a);
        bool neg = d1 < 0 || d2 < 0 || d3 < 0, pos = d1 > 0 || d2 > 0 || d3 > 0;
        if (!(neg && pos)) return true;
    }
    return false;
}

}  // namespace

TEST(TableModels, EveryModelHasItsSubMeshesWithSoundTrianglesAndNormals) {
    const std::map<std::string, std::set<std::string>> expected = {
        {"ball.krmt", {"sphere"}},
        {"playfield.krmt", {"goalbox", "playfield", "innerwalls", "top"}},
        {"rim.krmt", {"default"}},
        {"bearing.krmt", {"cyltop", "cylinder"}},
        {"puppet.krmt", {"default"}},
        {"rod.krmt", {"rodcyltop", "rodcylinder", "cyltop", "cylinder", "cylbottom"}},
        {"terminal.krmt", {"cyltop", "cylbottom", "cylinder"}},
    };
    std::map<std::string, int> triangleCounts;
    for (const auto& [file, names] : expected) {
        TestModel m = load(file);
        std::set<std::string> found;
        for (const auto& [name, sub] : m.subMeshes) {
            found.insert(name);
            ASSERT_EQ(sub.floatsPerVertex, 8) << file << " " << name;
            ASSERT_GT(sub.indices.size(), 0u) << file << " " << name;
            for (int i : sub.indices) ASSERT_TRUE(i >= 0 && i < sub.vertexCount()) << file << " " << name;
            for (int v = 0; v < sub.vertexCount(); ++v) {
                const float* p = sub.vertex(v);
                EXPECT_NEAR(std::sqrt(p[3] * p[3] + p[4] * p[4] + p[5] * p[5]), 1.0f, 1e-3f)
                    << file << " " << name << " vertex " << v;
            }
            // The front of every triangle (clockwise in the left-handed frame) must face the
            // way its normals do, or it is lit from behind or culled.
            for (size_t t = 0; t + 2 < sub.indices.size(); t += 3) {
                TriangleEdges edges = edgesOf(sub, t);
                const float *a = edges.a, *b = sub.vertex(sub.indices[t + 1]), *c = sub.vertex(sub.indices[t + 2]);
                const float *e1 = edges.e1, *e2 = edges.e2;
                float f[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
                              e1[0] * e2[1] - e1[1] * e2[0]};
                float n[3] = {a[3] + b[3] + c[3], a[4] + b[4] + c[4], a[5] + b[5] + c[5]};
                float area = std::sqrt(f[0] * f[0] + f[1] * f[1] + f[2] * f[2]);
                if (area < 1e-6f) continue;
                EXPECT_GT(f[0] * n[0] + f[1] * n[1] + f[2] * n[2], 0.0f)
                    << file << " " << name << " triangle " << t / 3;
            }
        }
        EXPECT_EQ(found, names) << file;
        triangleCounts[file] = triangles(m);
    }
    int table = triangleCounts["playfield.krmt"] + triangleCounts["rim.krmt"] +
                triangleCounts["ball.krmt"] + 16 * triangleCounts["bearing.krmt"] +
                8 * triangleCounts["rod.krmt"] + 22 * triangleCounts["puppet.krmt"] +
                16 * triangleCounts["terminal.krmt"];
    // What the software renderer can draw at its frame rate, shadow pass included.
    EXPECT_LT(table, 40000);
}

TEST(TableModels, BallFigureAndBumperMatchTheSimulatedSizes) {
    TestModel ball = load("ball.krmt");
    const TestSubMesh& sphere = ball.subMeshes["sphere"];
    for (int v = 0; v < sphere.vertexCount(); ++v) {
        const float* p = sphere.vertex(v);
        EXPECT_NEAR(std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]), 1.8f, 1e-3f);
    }

    // The figure hangs from the rod axis at 6.8: its foot block is centred 5.0 below, clears
    // the field, and it is no wider across the rod than the bumpers allow.
    Bounds figure = bounds(load("puppet.krmt").subMeshes["default"]);
    EXPECT_GT(figure.lo[1], -6.8f);
    EXPECT_LT(figure.lo[1], -6.0f);
    EXPECT_GT(figure.hi[1], 3.5f);  // a head above the rod
    EXPECT_LE(figure.hi[0], 1.5f);
    EXPECT_GE(figure.lo[0], -1.5f);

    // Bumpers sit endMargin - 1.5 from the rod's middle; at the end of travel that is 31.7
    // from the centre line, and the bumper must then reach, not pass, the bearing at 34.2.
    Bounds bumper = bounds(load("terminal.krmt").subMeshes["cylinder"]);
    EXPECT_LE(31.7f + bumper.hi[1], 34.2f + 1e-3f);
    EXPECT_GE(31.7f + bumper.hi[1], 33.0f);
    // The midfield's outer figure at 22 (half width 1.5) must clear its bumper at 25.5.
    EXPECT_GE(25.5f + bumper.lo[1], 23.5f - 1e-3f);

    // The handle stays outside the cabinet even with the rod pushed 18.2 towards it.
    Bounds handle = bounds(load("rod.krmt").subMeshes["cylinder"]);
    EXPECT_LT(handle.hi[1] + 18.2f, -40.0f);
}

TEST(TableModels, FigureIsSculptedRoundTheRodWithAFlatSoleUnderTheFoot) {
    TestModel puppet = load("puppet.krmt");
    const TestSubMesh& figure = puppet.subMeshes["default"];
    Bounds all = bounds(figure);
    // The sole: downward faces at the lowest height, as wide and long as the foot sphere's
    // footprint, centred under the foot so that the figure stands on it.
    float soleLo[2] = {1e9f, 1e9f}, soleHi[2] = {-1e9f, -1e9f};
    for (int v = 0; v < figure.vertexCount(); ++v) {
        const float* p = figure.vertex(v);
        if (p[1] > all.lo[1] + 1e-3f || p[4] > -0.99f) continue;
        soleLo[0] = std::min(soleLo[0], p[0]);
        soleHi[0] = std::max(soleHi[0], p[0]);
        soleLo[1] = std::min(soleLo[1], p[2]);
        soleHi[1] = std::max(soleHi[1], p[2]);
    }
    EXPECT_GT(soleHi[0] - soleLo[0], 1.8f) << "sole width";
    EXPECT_GT(soleHi[1] - soleLo[1], 2.0f) << "sole length";
    EXPECT_LT(soleLo[1], 0.0f);
    EXPECT_GT(soleHi[1], 0.0f);

    // At the height of the foot sphere's centre the foot reaches about as far forward (-z)
    // and back as the sphere the ball meets, and is longer forward: a wedge, not a ball.
    float front = 0.0f, back = 0.0f;
    // Round the rod the body is thick enough to hide it (radius 0.55).
    float chestFront = 0.0f, chestBack = 0.0f;
    for (int v = 0; v < figure.vertexCount(); ++v) {
        const float* p = figure.vertex(v);
        if (std::fabs(p[1] + 5.0f) < 0.5f) {
            front = std::min(front, p[2]);
            back = std::max(back, p[2]);
        }
        if (std::fabs(p[1]) < 0.3f && std::fabs(p[0]) < 0.5f) {
            chestFront = std::min(chestFront, p[2]);
            chestBack = std::max(chestBack, p[2]);
        }
    }
    EXPECT_LT(front, -1.3f);
    EXPECT_GT(front, -2.0f);
    EXPECT_GT(back, 0.7f);
    EXPECT_LT(back, 1.5f);
    EXPECT_GT(-front, back);
    EXPECT_LT(chestFront, -0.6f);
    EXPECT_GT(chestBack, 0.6f);
    // Smooth at the match camera: hundreds of faces, not a dozen ellipsoid bands.
    EXPECT_GT(triangles(puppet), 600);
}

TEST(TableModels, HandleIsTurnedWithAKnobWiderThanItsFerrule) {
    TestModel rod = load("rod.krmt");
    const TestSubMesh& handle = rod.subMeshes["cylinder"];
    // Radius of the handle's outline along its length, from the axis.
    std::map<int, float> radiusAt;  // by tenth of a unit along y
    for (int v = 0; v < handle.vertexCount(); ++v) {
        const float* p = handle.vertex(v);
        int key = int(std::lround(p[1] * 10.0f));
        radiusAt[key] = std::max(radiusAt[key], std::sqrt(p[0] * p[0] + p[2] * p[2]));
    }
    ASSERT_GE(radiusAt.size(), 8u) << "a handle outline, not a plain tube";
    float ferrule = radiusAt.rbegin()->second;  // the end at the rod
    float widest = 0.0f;
    for (const auto& entry : radiusAt) widest = std::max(widest, entry.second);
    EXPECT_LT(ferrule, 1.2f);
    EXPECT_GT(widest, ferrule + 0.6f);
    // The rod itself passes into the handle.
    EXPECT_GT(ferrule, 0.55f);
}

TEST(TableModels, FieldWallsAndGoalMouthsLieWhereTheBallIsStopped) {
    TestModel m = load("playfield.krmt");
    Bounds field = bounds(m.subMeshes["playfield"]);
    EXPECT_FLOAT_EQ(field.lo[1], 0.0f);
    EXPECT_FLOAT_EQ(field.hi[1], 0.0f);
    EXPECT_NEAR(field.lo[0], -60.5f, 1e-3f);
    EXPECT_NEAR(field.hi[0], 60.5f, 1e-3f);
    EXPECT_NEAR(field.lo[2], -35.0f, 1e-3f);
    EXPECT_NEAR(field.hi[2], 35.0f, 1e-3f);

    const TestSubMesh& walls = m.subMeshes["innerwalls"];
    for (float x : {-60.5f, 60.5f}) {
        // Open in the 24 wide mouth, closed beside it and above it.
        EXPECT_FALSE(wallCovers(walls, x, 2.0f, 0.0f));
        EXPECT_FALSE(wallCovers(walls, x, 2.0f, 11.5f));
        EXPECT_TRUE(wallCovers(walls, x, 2.0f, 12.5f));
        EXPECT_TRUE(wallCovers(walls, x, 2.0f, -30.0f));
        EXPECT_TRUE(wallCovers(walls, x, 8.5f, 0.0f));
    }
}

TEST(TableModels, RimSurfaceIsTheHeightTheSimulationGivesTheBall) {
    TestModel rimModel = load("rim.krmt");
    const TestSubMesh& rim = rimModel.subMeshes["default"];
    ASSERT_GT(rim.vertexCount(), 0);
    const float nx = 14.0f / std::sqrt(14.0f * 14.0f + 21.0f * 21.0f);
    const float nz = 21.0f / std::sqrt(14.0f * 14.0f + 21.0f * 21.0f);
    const float d = nx * 21.0f + nz * 4.0f;
    // Checks a point of the surface against the ball lift at the same place.
    auto expectedLift = [&](float x, float z) {
        float along = 60.5f - std::fabs(x), across = 35.0f - std::fabs(z);
        bool inCorner = along <= 21.0f && nx * along + nz * across < d + 1e-3f &&
                        across > along * 4.0f / 21.0f - 1e-3f;
        if (inCorner) return (d - (nx * along + nz * across)) * 1.4f / d;
        return across < 4.0f + 1e-3f ? (4.0f - across) * 1.4f / 4.0f : -1.0f;
    };
    float highest = 0.0f;
    for (size_t t = 0; t + 2 < rim.indices.size(); t += 3) {
        // Sample each triangle's centre, which is strictly inside its region.
        float c[3] = {0, 0, 0};
        for (int k = 0; k < 3; ++k)
            for (int j = 0; j < 3; ++j) c[j] += rim.vertex(rim.indices[t + k])[j] / 3.0f;
        float lift = expectedLift(c[0], c[2]);
        ASSERT_GE(lift, 0.0f) << "rim triangle outside the sloped border";
        EXPECT_NEAR(c[1], lift, 0.08f) << "at " << c[0] << ", " << c[2];
    }
    for (int v = 0; v < rim.vertexCount(); ++v) highest = std::max(highest, rim.vertex(v)[1]);
    EXPECT_NEAR(highest, 1.4f, 0.08f);
}

TEST(TableTextures, FieldIsGreenWithWhiteMarkingsAndBallAndWoodArePatterned) {
    int w = 0, h = 0, n = 0;
    unsigned char* field = stbi_load((resourcesDir() + "/textures/playfield.png").c_str(), &w, &h, &n, 4);
    ASSERT_NE(field, nullptr);
    auto at = [&](unsigned char* img, int width, int x, int y) { return img + (size_t(y) * width + x) * 4; };
    unsigned char* centre = at(field, w, w / 2, h / 2);  // the centre spot
    EXPECT_GT(centre[0], 200);
    EXPECT_GT(centre[2], 200);
    unsigned char* grass = at(field, w, w / 4, h / 3);
    EXPECT_GT(grass[1], grass[0] + 40);
    EXPECT_GT(grass[1], grass[2] + 40);
    stbi_image_free(field);

    unsigned char* ball = stbi_load((resourcesDir() + "/textures/balltexture.png").c_str(), &w, &h, &n, 4);
    ASSERT_NE(ball, nullptr);
    int dark = 0, light = 0;
    for (int i = 0; i < w * h; ++i) {
        if (ball[i * 4] < 80) ++dark;
        if (ball[i * 4] > 200) ++light;
    }
    EXPECT_GT(dark, w * h / 10);
    EXPECT_GT(light, w * h / 3);
    stbi_image_free(ball);

    unsigned char* wood = stbi_load((resourcesDir() + "/textures/wood.png").c_str(), &w, &h, &n, 4);
    ASSERT_NE(wood, nullptr);
    unsigned char* p = at(wood, w, w / 2, h / 2);
    EXPECT_GT(p[0], p[1]);
    EXPECT_GT(p[1], p[2]);
    stbi_image_free(wood);
}

namespace {

// Nearest hit of a ray on a sub-mesh's triangles (either side), or a negative distance.
float nearestHit(const TestSubMesh& s, const float origin[3], const float dir[3]) {
    float best = -1.0f;
    for (size_t t = 0; t + 2 < s.indices.size(); t += 3) {
        TriangleEdges edges = edgesOf(s, t);
        const float *a = edges.a, *e1 = edges.e1, *e2 = edges.e2;
        float p[3] = {dir[1] * e2[2] - dir[2] * e2[1], dir[2] * e2[0] - dir[0] * e2[2], dir[0] * e2[1] - dir[1] * e2[0]};
        float det = e1[0] * p[0] + e1[1] * p[1] + e1[2] * p[2];
        if (std::fabs(det) < 1e-9f) continue;
        float inv = 1.0f / det;
        float o[3] = {origin[0] - a[0], origin[1] - a[1], origin[2] - a[2]};
        float u = (o[0] * p[0] + o[1] * p[1] + o[2] * p[2]) * inv;
        if (u < 0.0f || u > 1.0f) continue;
        float q[3] = {o[1] * e1[2] - o[2] * e1[1], o[2] * e1[0] - o[0] * e1[2], o[0] * e1[1] - o[1] * e1[0]};
        float v = (dir[0] * q[0] + dir[1] * q[1] + dir[2] * q[2]) * inv;
        if (v < 0.0f || u + v > 1.0f) continue;
        float d = (e2[0] * q[0] + e2[1] * q[1] + e2[2] * q[2]) * inv;
        if (d > 0.0f && (best < 0.0f || d < best)) best = d;
    }
    return best;
}

}  // namespace

TEST(TableModels, TheMatchCameraSeesTableAndRoomEverywhereWithinItsDepthRange) {
    // The match camera: at (0, 114, -32), looking 1.28 radians below the horizontal
    // towards +z, a vertical field of view of pi/4 at 4:3, depth range 20 to 220. Every
    // ray through the picture must meet the playfield model (field, walls, cabinet or
    // floor) inside that range, or the frame shows the black clear colour there.
    TestModel m = load("playfield.krmt");
    const float eye[3] = {0.0f, 114.0f, -32.0f};
    const float pitch = 1.28f, tanHalf = std::tan(0.7853982f / 2.0f);
    const float forward[3] = {0.0f, -std::sin(pitch), std::cos(pitch)};
    const float up[3] = {0.0f, std::cos(pitch), std::sin(pitch)};
    int missed = 0;
    for (int row = 0; row <= 24; ++row)
        for (int column = 0; column <= 32; ++column) {
            float sx = (column / 16.0f - 1.0f) * tanHalf * 4.0f / 3.0f;
            float sy = (1.0f - row / 12.0f) * tanHalf;
            float dir[3] = {forward[0] + sx + up[0] * sy, forward[1] + up[1] * sy, forward[2] + up[2] * sy};
            float best = -1.0f;
            for (const auto& entry : m.subMeshes) {
                float d = nearestHit(entry.second, eye, dir);
                if (d > 0.0f && (best < 0.0f || d < best)) best = d;
            }
            // dir has unit length along the view axis, so the distance is the depth.
            if (best < 20.0f || best > 219.0f) {
                ++missed;
                ADD_FAILURE() << "nothing drawn at column " << column << ", row " << row << " (depth " << best << ")";
            }
        }
    EXPECT_EQ(missed, 0);
}

TEST(TableModels, GoalBoxesAndTheFloorAwayFromTheTableGetNoDirectLight) {
    // The lamp hangs at (0, 51, 0). Normals facing away from it leave a face its ambient
    // share only: the goal boxes read as dark holes, the room as a dim floor. The mouths'
    // edges, though, are lit as the wall round them is.
    TestModel m = load("playfield.krmt");
    auto lit = [](const float* p) {
        float l[3] = {0.0f - p[0], 51.0f - p[1], 0.0f - p[2]};
        return p[3] * l[0] + p[4] * l[1] + p[5] * l[2] > 0.0f;
    };
    const TestSubMesh& box = m.subMeshes["goalbox"];
    for (int v = 0; v < box.vertexCount(); ++v) {
        const float* p = box.vertex(v);
        EXPECT_FALSE(lit(p)) << "goal box vertex at " << p[0] << ", " << p[1] << ", " << p[2];
    }
    EXPECT_GE(box.vertexCount(), 40);
    EXPECT_LT(bounds(box).lo[1], -52.0f);  // deep enough to hide the scored ball parked at -50
    const TestSubMesh& walls = m.subMeshes["innerwalls"];
    int edgeVertices = 0;
    for (int v = 0; v < walls.vertexCount(); ++v) {
        const float* p = walls.vertex(v);
        if (std::fabs(p[0]) <= 60.5f + 1e-3f) continue;
        ++edgeVertices;
        EXPECT_TRUE(lit(p)) << "mouth edge vertex at " << p[0] << ", " << p[1] << ", " << p[2];
    }
    EXPECT_GE(edgeVertices, 12);

    const TestSubMesh& top = m.subMeshes["top"];
    Bounds all = bounds(top);
    int floorVertices = 0;
    for (int v = 0; v < top.vertexCount(); ++v) {
        const float* p = top.vertex(v);
        if (p[1] > all.lo[1] + 1e-3f || (std::fabs(p[0]) < 90.0f && std::fabs(p[2]) < 50.0f)) continue;
        ++floorVertices;
        EXPECT_FALSE(lit(p)) << "floor vertex at " << p[0] << ", " << p[2];
    }
    EXPECT_GT(floorVertices, 20);
    // The floor lies below the goal boxes and far enough down for legs.
    EXPECT_LT(all.lo[1], bounds(box).lo[1]);
}

TEST(TableTextures, WoodShowsGrowthRingsAndRepeatsWithoutASeam) {
    int w = 0, h = 0, n = 0;
    unsigned char* wood = stbi_load((resourcesDir() + "/textures/wood.png").c_str(), &w, &h, &n, 4);
    ASSERT_NE(wood, nullptr);
    auto luma = [&](int x, int y) {
        const unsigned char* p = wood + (size_t(y) * w + x) * 4;
        return 0.3f * p[0] + 0.59f * p[1] + 0.11f * p[2];
    };
    // Across the grain (down v) the rings come and go: count the dark bands in a few columns,
    // each band clearly darker than the wood round it.
    for (int x : {w / 7, w / 2, w * 5 / 6}) {
        int bands = 0;
        bool inDark = false;
        float lo = 255.0f, hi = 0.0f;
        for (int y = 0; y < h; ++y) {
            float l = luma(x, y);
            lo = std::min(lo, l);
            hi = std::max(hi, l);
        }
        EXPECT_GT(hi - lo, 50.0f) << "column " << x;
        float dark = lo + 0.3f * (hi - lo), light = lo + 0.6f * (hi - lo);
        for (int y = 0; y < h; ++y) {
            float l = luma(x, y);
            if (!inDark && l < dark) {
                inDark = true;
                ++bands;
            } else if (inDark && l > light) {
                inDark = false;
            }
        }
        EXPECT_GE(bands, 7) << "column " << x;
        EXPECT_LE(bands, 30) << "column " << x;
    }
    // Opposite edges continue into each other, so the walls show no seam where it repeats.
    float edgeStep = 0.0f, insideStep = 0.0f;
    for (int i = 0; i < w; ++i) {
        edgeStep += std::fabs(luma(i, 0) - luma(i, h - 1)) + std::fabs(luma(0, i) - luma(w - 1, i));
        insideStep += std::fabs(luma(i, h / 2) - luma(i, h / 2 - 1)) + std::fabs(luma(w / 2, i) - luma(w / 2 - 1, i));
    }
    EXPECT_LT(edgeStep, 2.0f * insideStep + 4.0f * w);
    stbi_image_free(wood);
}

TEST(TableTextures, FiguresArePaintedWithFaceHairKitAndShoes) {
    // Each part of the figure reads its paint through its own texture coordinates: the
    // face is skin, the crown hair, the chest the team's shirt (the plain red or blue of
    // old), the shorts a darker shade of it, the feet dark shoes.
    TestModel puppet = load("puppet.krmt");
    const TestSubMesh& figure = puppet.subMeshes["default"];
    for (int team = 0; team < 2; ++team) {
        const std::string file = team == 0 ? "puppet_red.png" : "puppet_blue.png";
        int w = 0, h = 0, n = 0;
        unsigned char* paint = stbi_load((resourcesDir() + "/textures/" + file).c_str(), &w, &h, &n, 4);
        ASSERT_NE(paint, nullptr) << file;
        const int kit = team == 0 ? 0 : 2, other = team == 0 ? 2 : 0;
        std::map<std::string, int> seen;
        for (int v = 0; v < figure.vertexCount(); ++v) {
            const float* p = figure.vertex(v);
            const int tx = std::clamp(int(p[6] * w), 0, w - 1), ty = std::clamp(int(p[7] * h), 0, h - 1);
            const unsigned char* c = paint + (size_t(ty) * w + tx) * 4;
            const float x = p[0], y = p[1], z = p[2];
            std::string where;
            if (y > 3.0f && y < 3.5f && z < -0.75f && std::fabs(x) < 0.25f) {
                where = "face";
                EXPECT_TRUE(c[0] > 180 && c[0] > c[1] && c[1] > c[2] && c[2] > 80) << file << " face";
            } else if (y > 4.3f) {
                where = "hair";
                EXPECT_LT(std::max({c[0], c[1], c[2]}), 120) << file << " hair";
                EXPECT_GE(c[0], c[2]) << file << " hair";
            } else if (y > 0.2f && y < 1.4f && z < -0.5f && std::fabs(x) < 0.6f) {
                where = "shirt";
                EXPECT_TRUE(c[kit] >= 230 && c[other] < 40 && c[1] < 40) << file << " shirt";
            } else if (y > -2.32f && y < -1.45f && z < -0.4f && std::fabs(x) < 0.5f) {
                where = "shorts";
                EXPECT_TRUE(c[kit] > 100 && c[kit] < 200 && c[other] < 40 && c[1] < 40) << file << " shorts";
            } else if (y < -5.0f && y > -6.2f) {
                where = "shoes";
                EXPECT_LT(std::max({c[0], c[1], c[2]}), 80) << file << " shoes";
            }
            if (!where.empty()) ++seen[where];
        }
        for (const char* part : {"face", "hair", "shirt", "shorts", "shoes"})
            EXPECT_GT(seen[part], 0) << file << ": no " << part << " vertices";
        stbi_image_free(paint);
    }
}
