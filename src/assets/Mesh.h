#pragma once
// A model: named sub-meshes, each with its own vertex layout, vertex buffer and index
// buffer. Sub-meshes are kept and drawn in ascending name order.
#include "platform/gfx/GpuBuffer.h"
#include "platform/gfx/VertexDeclaration.h"

#include <map>
#include <memory>
#include <string>

struct SubMesh {
    VertexDeclaration vertexDeclaration;
    std::unique_ptr<GpuBuffer> vertexBuffer;  // 32-bit floats, tightly packed
    int stride = 0;                           // bytes per vertex
    int vertexCount = 0;
    int triangleCount = 0;
    std::unique_ptr<GpuBuffer> indexBuffer;   // 32-bit indices
    // The box around its positions in the model's own frame (bounded: it has some), so the
    // renderer can tell where a part's shadow may fall without reading the buffers back.
    bool bounded = false;
    float boundsMin[3] = {0.0f, 0.0f, 0.0f};
    float boundsMax[3] = {0.0f, 0.0f, 0.0f};
};

class Mesh {
public:
    std::map<std::string, std::unique_ptr<SubMesh>> subMeshes;

    // The sub-mesh of exactly that name, or null.
    SubMesh* find(const std::string& name) const {
        auto it = subMeshes.find(name);
        return it == subMeshes.end() ? nullptr : it->second.get();
    }
    // Device loss: the buffers go, the sub-meshes and their layouts stay.
    void releaseBuffers() {
        for (auto& entry : subMeshes) {
            entry.second->vertexBuffer.reset();
            entry.second->indexBuffer.reset();
        }
    }
};
