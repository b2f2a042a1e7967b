// The .krmt model reader on arbitrary text. A mesh it accepts must be safe to hand to the
// device: every index lies inside its sub-mesh's vertices.
#include "core/ErrorLog.h"
#include "assets/MeshReader.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = (setErrorLogPath("/dev/null"), true);
    (void)quiet;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    MeshData mesh;
    if (!parseMesh(in, mesh, "fuzz.krmt")) return 0;
    for (const auto& entry : mesh.subMeshes) {
        const SubMeshData& s = entry.second;
        const long vertices = s.floatsPerVertex > 0 ? static_cast<long>(s.floats.size()) / s.floatsPerVertex : 0;
        for (std::int32_t index : s.indices)
            if (index < 0 || index >= vertices) std::abort();
    }
    return 0;
}
