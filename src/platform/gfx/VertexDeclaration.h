#pragma once
// The layout of one vertex in a vertex buffer: what each element means and where it lies.
// Elements become shader inputs at fixed locations: position 0, normal 1, texture
// coordinate set n at 2 + n, which is what the effect files declare.
#include <vector>

enum class VertexUsage { Position, Normal, TexCoord };

struct VertexElement {
    VertexUsage usage = VertexUsage::Position;
    int usageIndex = 0;  // texture coordinate set 0..7
    int offset = 0;      // bytes from the start of the vertex
    int floats = 0;      // 3 for position and normal, 2 for texture coordinates
};

struct VertexDeclaration {
    std::vector<VertexElement> elements;
};

inline int vertexAttributeLocation(const VertexElement& e) {
    switch (e.usage) {
    case VertexUsage::Position: return 0;
    case VertexUsage::Normal: return 1;
    case VertexUsage::TexCoord: return 2 + e.usageIndex;
    }
    return 0;
}
