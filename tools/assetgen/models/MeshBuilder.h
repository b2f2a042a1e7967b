#pragma once
// Builds the triangle lists of one named sub-mesh of a table model: vertices with position,
// normal and one set of texture coordinates, and triangles that index them. The primitives
// (quads, boxes, cylinders, ellipsoids) are what the table's parts are made of.
//
// Winding: a triangle's front is the side its vertices run clockwise on when seen in the
// game's left-handed frame, which is the side where cross(b - a, c - a) points. addTriangle
// turns a triangle round when that side disagrees with the vertex normals, so callers only
// have to give the right normals.
#include <string>
#include <vector>

struct ModelVec3 {
    float x = 0, y = 0, z = 0;
};

inline ModelVec3 operator+(ModelVec3 a, ModelVec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline ModelVec3 operator-(ModelVec3 a, ModelVec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline ModelVec3 operator*(ModelVec3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
inline float dot(ModelVec3 a, ModelVec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline ModelVec3 cross(ModelVec3 a, ModelVec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
ModelVec3 normalised(ModelVec3 v);

// Texture coordinates of a point on a flat face showing towards `facing`: its position
// scaled by uvScale, (x, z) for faces facing up or down, (x, y) along z, (z, y) along x.
// Wood grain then runs on continuously over neighbouring faces.
void planarUv(ModelVec3 p, ModelVec3 facing, float uvScale, float& u, float& v);

struct ModelVertex {
    ModelVec3 position;
    ModelVec3 normal;
    float u = 0, v = 0;
};

// One cross-section of a lofted body: a rounded rectangle (a superellipse of the given
// exponent; 2 is an ellipse) of half sizes rx, rz around (cx, y, cz), lying flat in y.
struct LoftRing {
    float y, cx, cz, rx, rz;
    float exponent = 2.0f;
};

// Which axis a cylinder runs along.
enum class Axis { X, Y, Z };

class MeshBuilder {
public:
    explicit MeshBuilder(std::string name) : name_(std::move(name)) {}

    const std::string& name() const { return name_; }
    const std::vector<ModelVertex>& vertices() const { return vertices_; }
    const std::vector<int>& indices() const { return indices_; }
    int triangleCount() const { return static_cast<int>(indices_.size() / 3); }

    int addVertex(const ModelVertex& v);
    // Gives vertex `index` other texture coordinates (a painted model maps its parts anew).
    void setTextureCoordinates(int index, float u, float v);
    void addTriangle(int a, int b, int c);
    // A flat four-cornered face a, b, c, d (in order round its edge) with one normal and
    // texture coordinates given per corner.
    void addQuad(ModelVec3 a, ModelVec3 b, ModelVec3 c, ModelVec3 d, ModelVec3 normal,
                 float ua, float va, float ub, float vb, float uc, float vc, float ud, float vd);
    // A flat face whose texture coordinates are its corners' positions scaled by uvScale:
    // (x, z) for faces facing up or down, (x, y) for faces along z, (z, y) along x. Wood
    // grain then runs on continuously over neighbouring faces.
    void addPlanarQuad(ModelVec3 a, ModelVec3 b, ModelVec3 c, ModelVec3 d, ModelVec3 normal,
                       float uvScale);
    // An axis-aligned box between two corners, all six faces outward, planar texture
    // coordinates. Faces listed in skipFaces ("-x", "+y", ...) are left out.
    void addBox(ModelVec3 lo, ModelVec3 hi, float uvScale, const std::string& skipFaces = "");
    // The side of a cylinder of the given radius around an axis through centre, from
    // "from" to "to" along that axis; u goes round, v along.
    void addCylinderSide(Axis axis, ModelVec3 centre, float radius, float from, float to,
                         int segments);
    // A flat round cap at "at" along the axis, facing towards +axis when facingPositive.
    void addDisc(Axis axis, ModelVec3 centre, float radius, float at, bool facingPositive,
                 int segments);
    // An ellipsoid with semi-axes radii around centre, latitude-longitude texture mapping
    // (u round the vertical axis, v from top to bottom).
    void addEllipsoid(ModelVec3 centre, ModelVec3 radii, int segments, int rings);
    // A smooth body through the rings, in order along y (either way), with `segments`
    // points round each ring; the normals follow the surface as it bends, so a few rings
    // give a rounded silhouette. Flat caps close the first and the last ring when asked.
    // u goes round, v = y * vScale.
    void addLoft(const std::vector<LoftRing>& rings, int segments, bool capFirst, bool capLast,
                 float vScale = 0.1f);

private:
    std::string name_;
    std::vector<ModelVertex> vertices_;
    std::vector<int> indices_;
};
