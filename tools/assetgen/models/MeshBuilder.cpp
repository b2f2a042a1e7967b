#include "models/MeshBuilder.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265358979f;

struct AxisFrame {
    ModelVec3 along, p, q;
};

AxisFrame frameFor(Axis axis) {
    switch (axis) {
    case Axis::X: return {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    case Axis::Y: return {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}};
    case Axis::Z: break;
    }
    return {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}};
}

}  // namespace

ModelVec3 normalised(ModelVec3 v) {
    float length = std::sqrt(dot(v, v));
    if (length <= 0.0f) return v;
    return v * (1.0f / length);
}

int MeshBuilder::addVertex(const ModelVertex& v) {
    vertices_.push_back(v);
    return static_cast<int>(vertices_.size()) - 1;
}

void MeshBuilder::setTextureCoordinates(int index, float u, float v) {
    vertices_[static_cast<size_t>(index)].u = u;
    vertices_[static_cast<size_t>(index)].v = v;
}

void MeshBuilder::addTriangle(int a, int b, int c) {
    const ModelVertex& va = vertices_[a];
    const ModelVertex& vb = vertices_[b];
    const ModelVertex& vc = vertices_[c];
    ModelVec3 facing = cross(vb.position - va.position, vc.position - va.position);
    ModelVec3 wanted = va.normal + vb.normal + vc.normal;
    if (dot(facing, wanted) < 0.0f) std::swap(b, c);
    indices_.push_back(a);
    indices_.push_back(b);
    indices_.push_back(c);
}

void MeshBuilder::addQuad(ModelVec3 a, ModelVec3 b, ModelVec3 c, ModelVec3 d, ModelVec3 normal,
                          float ua, float va, float ub, float vb, float uc, float vc, float ud,
                          float vd) {
    normal = normalised(normal);
    int ia = addVertex({a, normal, ua, va});
    int ib = addVertex({b, normal, ub, vb});
    int ic = addVertex({c, normal, uc, vc});
    int id = addVertex({d, normal, ud, vd});
    addTriangle(ia, ib, ic);
    addTriangle(ia, ic, id);
}

void planarUv(ModelVec3 p, ModelVec3 facing, float uvScale, float& u, float& v) {
    ModelVec3 n = normalised(facing);
    if (std::fabs(n.y) >= std::fabs(n.x) && std::fabs(n.y) >= std::fabs(n.z)) {
        u = p.x * uvScale;
        v = p.z * uvScale;
    } else if (std::fabs(n.z) >= std::fabs(n.x)) {
        u = p.x * uvScale;
        v = p.y * uvScale;
    } else {
        u = p.z * uvScale;
        v = p.y * uvScale;
    }
}

void MeshBuilder::addPlanarQuad(ModelVec3 a, ModelVec3 b, ModelVec3 c, ModelVec3 d,
                                ModelVec3 normal, float uvScale) {
    float ua, va, ub, vb, uc, vc, ud, vd;
    planarUv(a, normal, uvScale, ua, va);
    planarUv(b, normal, uvScale, ub, vb);
    planarUv(c, normal, uvScale, uc, vc);
    planarUv(d, normal, uvScale, ud, vd);
    addQuad(a, b, c, d, normal, ua, va, ub, vb, uc, vc, ud, vd);
}

void MeshBuilder::addBox(ModelVec3 lo, ModelVec3 hi, float uvScale, const std::string& skipFaces) {
    auto wanted = [&](const char* face) { return skipFaces.find(face) == std::string::npos; };
    if (wanted("-x"))
        addPlanarQuad({lo.x, lo.y, lo.z}, {lo.x, hi.y, lo.z}, {lo.x, hi.y, hi.z},
                      {lo.x, lo.y, hi.z}, {-1, 0, 0}, uvScale);
    if (wanted("+x"))
        addPlanarQuad({hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z},
                      {hi.x, lo.y, hi.z}, {1, 0, 0}, uvScale);
    if (wanted("-y"))
        addPlanarQuad({lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, lo.y, hi.z},
                      {lo.x, lo.y, hi.z}, {0, -1, 0}, uvScale);
    if (wanted("+y"))
        addPlanarQuad({lo.x, hi.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z},
                      {lo.x, hi.y, hi.z}, {0, 1, 0}, uvScale);
    if (wanted("-z"))
        addPlanarQuad({lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z},
                      {lo.x, hi.y, lo.z}, {0, 0, -1}, uvScale);
    if (wanted("+z"))
        addPlanarQuad({lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z}, {hi.x, hi.y, hi.z},
                      {lo.x, hi.y, hi.z}, {0, 0, 1}, uvScale);
}

void MeshBuilder::addCylinderSide(Axis axis, ModelVec3 centre, float radius, float from,
                                  float to, int segments) {
    AxisFrame f = frameFor(axis);
    int first = static_cast<int>(vertices_.size());
    // One extra column so that the texture seam has its own vertices.
    for (int i = 0; i <= segments; ++i) {
        float phi = 2.0f * kPi * static_cast<float>(i) / static_cast<float>(segments);
        ModelVec3 radial = f.p * std::cos(phi) + f.q * std::sin(phi);
        float u = static_cast<float>(i) / static_cast<float>(segments);
        addVertex({centre + f.along * from + radial * radius, radial, u, 0.0f});
        addVertex({centre + f.along * to + radial * radius, radial, u, 1.0f});
    }
    for (int i = 0; i < segments; ++i) {
        int a = first + 2 * i;
        addTriangle(a, a + 1, a + 3);
        addTriangle(a, a + 3, a + 2);
    }
}

void MeshBuilder::addDisc(Axis axis, ModelVec3 centre, float radius, float at,
                          bool facingPositive, int segments) {
    AxisFrame f = frameFor(axis);
    ModelVec3 normal = facingPositive ? f.along : f.along * -1.0f;
    ModelVec3 middle = centre + f.along * at;
    int hub = addVertex({middle, normal, 0.5f, 0.5f});
    int first = static_cast<int>(vertices_.size());
    for (int i = 0; i < segments; ++i) {
        float phi = 2.0f * kPi * static_cast<float>(i) / static_cast<float>(segments);
        float c = std::cos(phi), s = std::sin(phi);
        addVertex({middle + (f.p * c + f.q * s) * radius, normal, 0.5f + 0.5f * c, 0.5f + 0.5f * s});
    }
    for (int i = 0; i < segments; ++i) addTriangle(hub, first + i, first + (i + 1) % segments);
}

void MeshBuilder::addEllipsoid(ModelVec3 centre, ModelVec3 radii, int segments, int rings) {
    int first = static_cast<int>(vertices_.size());
    for (int r = 0; r <= rings; ++r) {
        float theta = kPi * static_cast<float>(r) / static_cast<float>(rings);  // 0 at the top
        for (int i = 0; i <= segments; ++i) {
            float phi = 2.0f * kPi * static_cast<float>(i) / static_cast<float>(segments);
            ModelVec3 unit{std::sin(theta) * std::cos(phi), std::cos(theta),
                           std::sin(theta) * std::sin(phi)};
            ModelVec3 p{unit.x * radii.x, unit.y * radii.y, unit.z * radii.z};
            ModelVec3 n = normalised({unit.x / radii.x, unit.y / radii.y, unit.z / radii.z});
            addVertex({centre + p, n, static_cast<float>(i) / static_cast<float>(segments),
                       static_cast<float>(r) / static_cast<float>(rings)});
        }
    }
    int columns = segments + 1;
    for (int r = 0; r < rings; ++r) {
        for (int i = 0; i < segments; ++i) {
            int a = first + r * columns + i;
            int below = a + columns;
            // The pole rows collapse to one point: skip their degenerate halves.
            if (r != 0) addTriangle(a, a + 1, below + 1);
            if (r != rings - 1) addTriangle(a, below + 1, below);
        }
    }
}

namespace {

// The point of a superellipse ring at angle phi (0 points along +x, a quarter turn along +z).
ModelVec3 ringPoint(const LoftRing& ring, float phi) {
    float c = std::cos(phi), s = std::sin(phi);
    float e = 2.0f / ring.exponent;
    float px = std::copysign(std::pow(std::fabs(c), e), c);
    float pz = std::copysign(std::pow(std::fabs(s), e), s);
    return {ring.cx + ring.rx * px, ring.y, ring.cz + ring.rz * pz};
}

}  // namespace

void MeshBuilder::addLoft(const std::vector<LoftRing>& rings, int segments, bool capFirst,
                          bool capLast, float vScale) {
    const int count = static_cast<int>(rings.size());
    if (count < 2 || segments < 3) return;
    std::vector<std::vector<ModelVec3>> grid(count);
    for (int r = 0; r < count; ++r)
        for (int i = 0; i < segments; ++i)
            grid[r].push_back(ringPoint(rings[r], 2.0f * kPi * static_cast<float>(i) / segments));
    // Normals from the surface's two directions at each point: round the ring and from the
    // ring before to the ring after (one-sided at the ends), turned outwards.
    auto normalAt = [&](int r, int i) {
        ModelVec3 round = grid[r][(i + 1) % segments] - grid[r][(i + segments - 1) % segments];
        ModelVec3 along = grid[std::min(r + 1, count - 1)][i] - grid[std::max(r - 1, 0)][i];
        ModelVec3 n = normalised(cross(round, along));
        ModelVec3 out = grid[r][i] - ModelVec3{rings[r].cx, rings[r].y, rings[r].cz};
        if (dot(n, out) < 0.0f) n = n * -1.0f;
        return n;
    };
    int first = static_cast<int>(vertices_.size());
    for (int r = 0; r < count; ++r)
        for (int i = 0; i <= segments; ++i) {
            int k = i % segments;
            addVertex({grid[r][k], normalAt(r, k), static_cast<float>(i) / segments, rings[r].y * vScale});
        }
    const int columns = segments + 1;
    for (int r = 0; r + 1 < count; ++r)
        for (int i = 0; i < segments; ++i) {
            int a = first + r * columns + i, b = a + columns;
            addTriangle(a, a + 1, b + 1);
            addTriangle(a, b + 1, b);
        }
    auto cap = [&](int r, bool isFirst) {
        const LoftRing& ring = rings[r];
        const LoftRing& next = rings[isFirst ? 1 : count - 2];
        ModelVec3 normal{0, ring.y > next.y ? 1.0f : -1.0f, 0};
        int hub = addVertex({{ring.cx, ring.y, ring.cz}, normal, 0.5f, 0.5f});
        int edge = static_cast<int>(vertices_.size());
        for (int i = 0; i < segments; ++i) {
            ModelVec3 p = grid[r][i];
            addVertex({p, normal, 0.5f + 0.5f * (p.x - ring.cx) / std::max(ring.rx, 1e-3f),
                       0.5f + 0.5f * (p.z - ring.cz) / std::max(ring.rz, 1e-3f)});
        }
        for (int i = 0; i < segments; ++i) addTriangle(hub, edge + i, edge + (i + 1) % segments);
    };
    if (capFirst) cap(0, true);
    if (capLast) cap(count - 1, false);
}
