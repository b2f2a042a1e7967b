#include "assets/MeshReader.h"

#include "core/ErrorLog.h"
#include "platform/gfx/GraphicsDevice.h"

#include <algorithm>
#include <fstream>
#include <locale>
#include <sstream>

namespace {

std::vector<std::string> tokens(const std::string& line) {
    std::vector<std::string> out;
    std::size_t i = 0;
    auto space = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (i < line.size()) {
        while (i < line.size() && space(line[i])) ++i;
        std::size_t start = i;
        while (i < line.size() && !space(line[i])) ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

// Classic number syntax whatever the process locale; trailing characters are allowed.
template <typename T>
bool readNumber(const std::string& token, T& value) {
    std::istringstream in(token);
    in.imbue(std::locale::classic());
    in >> value;
    return !in.fail();
}

bool vertexElement(const std::string& token, VertexElement& e) {
    if (token == "POSITION") { e.usage = VertexUsage::Position; e.usageIndex = 0; e.floats = 3; return true; }
    if (token == "NORMAL") { e.usage = VertexUsage::Normal; e.usageIndex = 0; e.floats = 3; return true; }
    if (token.size() == 3 && token[0] == 'U' && token[1] == 'V' && token[2] >= '0' && token[2] <= '7') {
        e.usage = VertexUsage::TexCoord;
        e.usageIndex = token[2] - '0';
        e.floats = 2;
        return true;
    }
    return false;
}

bool fail(const std::string& message, int line, const std::string& fileName) {
    logError(message + " at line " + std::to_string(line) + (fileName.empty() ? "" : " in " + fileName));
    return false;
}

// An index outside its sub-mesh's vertices would make the driver read past the buffer.
bool checkIndexRange(const std::string& name, const SubMeshData& s, const std::string& fileName) {
    const int vertices = s.floatsPerVertex > 0 ? static_cast<int>(s.floats.size()) / s.floatsPerVertex : 0;
    for (std::size_t i = 0; i < s.indices.size(); ++i) {
        if (s.indices[i] < 0 || s.indices[i] >= vertices)
            return fail("index " + std::to_string(s.indices[i]) + " is outside the " +
                            std::to_string(vertices) + " vertices of sub-mesh " + name,
                        s.indexLines[i], fileName);
    }
    return true;
}

// The count after @vertices or @indices: a plain decimal number, else none (-1), as files
// written without counts carry nothing or anything there.
long declaredCount(const std::string& token) {
    if (token.empty() || token.size() > 9) return -1;
    for (char c : token)
        if (c < '0' || c > '9') return -1;
    return std::stol(token);
}

}  // namespace

bool parseMesh(std::istream& in, MeshData& out, const std::string& fileName) {
    enum class Section { None, Header, Vertices, Indices };
    Section section = Section::None;
    SubMeshData* current = nullptr;
    std::string currentName;
    std::string line;
    int number = 0;
    // The lines the open @vertices or @indices section declares (-1: none) and holds.
    long declared = -1, held = 0;
    int declaredAt = 0;
    auto finish = [&]() {
        bool ok = !current || checkIndexRange(currentName, *current, fileName);
        current = nullptr;
        return ok;
    };
    // A file cut short at a line end reads like a whole one; only the count its section
    // declared tells the two apart.
    auto closeSection = [&]() {
        const long want = declared;
        declared = -1;
        if (want < 0 || held == want) return true;
        return fail("section declares " + std::to_string(want) +
                        (section == Section::Vertices ? " vertices" : " triangles") + " but holds " +
                        std::to_string(held),
                    declaredAt, fileName);
    };
    for (; std::getline(in, line); ++number) {
        const std::vector<std::string> t = tokens(line);
        if (t.empty()) continue;
        const std::string& first = t[0];
        if (first[0] == '@' && !closeSection()) return false;
        if (first == "@mesh") {
            if (!finish()) return false;
            section = Section::Header;
            if (t.size() < 3) return fail("mesh declaration line should contain at least 3 tokens", number, fileName);
            SubMeshData sub;
            int offset = 0;
            for (std::size_t i = 2; i < t.size(); ++i) {
                VertexElement e;
                if (!vertexElement(t[i], e)) return fail("unknown vertex element", number, fileName);
                e.offset = offset;
                offset += e.floats * 4;
                sub.declaration.elements.push_back(e);
            }
            sub.floatsPerVertex = offset / 4;
            currentName = t[1];
            out.subMeshes[currentName] = std::move(sub);  // a second declaration replaces the first
            current = &out.subMeshes[currentName];
        } else if (first == "@vertices" || first == "@indices") {
            section = first == "@vertices" ? Section::Vertices : Section::Indices;
            held = 0;
            declaredAt = number;
            if (current && t.size() > 1) declared = declaredCount(t[1]);
        } else if (first[0] == '@') {
            if (!finish()) return false;
            section = Section::None;
        } else if (section == Section::Vertices || section == Section::Indices) {
            // Data with no sub-mesh to belong to (after an unknown marker) is passed over.
            if (!current) continue;
            if (section == Section::Vertices) {
                if (static_cast<int>(t.size()) != current->floatsPerVertex)
                    return fail("bad number of tokens", number, fileName);
                for (const std::string& token : t) {
                    float v = 0.0f;
                    if (!readNumber(token, v)) return fail("token cannot be interpreted as a float", number, fileName);
                    current->floats.push_back(v);
                }
                ++held;
            } else {
                if (t.size() != 3) return fail("bad number of tokens", number, fileName);
                for (const std::string& token : t) {
                    std::int32_t v = 0;
                    if (!readNumber(token, v)) return fail("token cannot be interpreted as an int", number, fileName);
                    current->indices.push_back(v);
                    current->indexLines.push_back(number);
                }
                ++held;
            }
        }
    }
    return closeSection() && finish();
}

namespace {

void upload(GraphicsDevice* device, const MeshData& data, Mesh& mesh) {
    for (const auto& entry : data.subMeshes) {
        std::unique_ptr<SubMesh>& slot = mesh.subMeshes[entry.first];
        if (!slot) slot = std::make_unique<SubMesh>();
        const SubMeshData& d = entry.second;
        SubMesh& s = *slot;
        s.vertexDeclaration = d.declaration;
        s.stride = d.floatsPerVertex * 4;
        s.vertexCount = d.floatsPerVertex > 0 ? static_cast<int>(d.floats.size()) / d.floatsPerVertex : 0;
        s.triangleCount = static_cast<int>(d.indices.size()) / 3;
        s.bounded = false;
        for (const VertexElement& e : d.declaration.elements) {
            if (e.usage != VertexUsage::Position || e.floats < 3) continue;
            for (int v = 0; v < s.vertexCount; ++v) {
                const float* p = &d.floats[static_cast<std::size_t>(v) * d.floatsPerVertex + e.offset / 4];
                for (int axis = 0; axis < 3; ++axis) {
                    s.boundsMin[axis] = s.bounded ? std::min(s.boundsMin[axis], p[axis]) : p[axis];
                    s.boundsMax[axis] = s.bounded ? std::max(s.boundsMax[axis], p[axis]) : p[axis];
                }
                s.bounded = true;
            }
            break;
        }
        s.vertexBuffer.reset();
        s.indexBuffer.reset();
        if (device) {
            s.vertexBuffer = device->createVertexBuffer(d.floats.data(), d.floats.size() * 4);
            s.indexBuffer = device->createIndexBuffer(
                reinterpret_cast<const std::uint32_t*>(d.indices.data()), d.indices.size());
        }
    }
}

}  // namespace

std::unique_ptr<Mesh> loadMesh(GraphicsDevice* device, const std::string& path) {
    auto mesh = std::make_unique<Mesh>();
    if (!reloadMesh(device, path, *mesh)) return nullptr;
    return mesh;
}

bool reloadMesh(GraphicsDevice* device, const std::string& path, Mesh& mesh) {
    std::ifstream in(path);
    if (!in) {
        // The game goes on with a mesh that has no sub-meshes, so nothing of it is drawn.
        logError("Loading model file: " + path + " failed");
        return true;
    }
    MeshData data;
    if (!parseMesh(in, data, path)) return false;
    // Nothing of a model without triangles would be drawn: an empty file, or one cut off
    // before its indices, is as broken as a misspelt one.
    if (data.subMeshes.empty()) {
        logError("Loading model file: " + path + " failed: it holds no sub-mesh");
        return false;
    }
    for (const auto& entry : data.subMeshes) {
        if (entry.second.indices.size() < 3) {
            logError("Loading model file: " + path + " failed: sub-mesh " + entry.first + " has no triangles");
            return false;
        }
    }
    upload(device, data, mesh);
    return true;
}
