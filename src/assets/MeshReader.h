#pragma once
// The .krmt model reader. A file that cannot be opened gives an empty mesh and an error
// line naming it; a grammar error writes "<message> at line <n>" (lines counted from 0,
// blank lines included), followed by " in <file>" when the text came from a file, to the
// error file and fails. "@vertices <n>" and "@indices <n>" may declare how many vertex or
// index lines follow (the game's own files do); a section holding another number fails,
// so a file cut off at a line end is found out. A file without any sub-mesh, or with a
// sub-mesh that has no triangle, fails to load with one line naming it.
#include "assets/Mesh.h"

#include <istream>
#include <memory>
#include <string>
#include <vector>

class GraphicsDevice;

// One sub-mesh as read from the file, before it reaches the device.
struct SubMeshData {
    VertexDeclaration declaration;
    int floatsPerVertex = 0;
    std::vector<float> floats;
    std::vector<std::int32_t> indices;
    std::vector<int> indexLines;  // file line of every index, for range messages
};

struct MeshData {
    std::map<std::string, SubMeshData> subMeshes;
};

// Reads the grammar; false after the error line has been written.
bool parseMesh(std::istream& in, MeshData& out, const std::string& fileName = std::string());

// Reads the file and builds device buffers (none when device is null, for tests).
std::unique_ptr<Mesh> loadMesh(GraphicsDevice* device, const std::string& path);
// Reads the file again into an existing mesh after a device reset: sub-meshes of the same
// name keep their identity and receive new buffers.
bool reloadMesh(GraphicsDevice* device, const std::string& path, Mesh& mesh);
