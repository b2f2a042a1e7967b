#include "models/KrmtWriter.h"

#include "Generator.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

// Enough digits for the table's sizes, few enough to keep the files small.
void writeNumber(std::ostringstream& out, float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.5g", static_cast<double>(value));
    out << text;
}

}  // namespace

std::string krmtText(const std::vector<MeshBuilder>& subMeshes) {
    std::ostringstream out;
    for (const MeshBuilder& mesh : subMeshes) {
        // The counts let the game tell a file cut off at a line end from a whole one.
        out << "@mesh " << mesh.name() << " POSITION NORMAL UV0\n@vertices " << mesh.vertices().size() << "\n";
        for (const ModelVertex& v : mesh.vertices()) {
            const float values[8] = {v.position.x, v.position.y, v.position.z, v.normal.x,
                                     v.normal.y,   v.normal.z,   v.u,          v.v};
            for (int i = 0; i < 8; ++i) {
                if (i) out << ' ';
                writeNumber(out, values[i]);
            }
            out << '\n';
        }
        const std::vector<int>& idx = mesh.indices();
        out << "@indices " << idx.size() / 3 << "\n";
        for (size_t i = 0; i + 2 < idx.size(); i += 3)
            out << idx[i] << ' ' << idx[i + 1] << ' ' << idx[i + 2] << '\n';
    }
    return out.str();
}

bool writeKrmtModel(const std::string& resourcesDir, const std::string& fileName,
                    const std::vector<MeshBuilder>& subMeshes) {
    std::string folder = resourcesDir + "/models";
    if (!makeDirectories(folder)) {
        std::fprintf(stderr, "assetgen: cannot create %s\n", folder.c_str());
        return false;
    }
    std::string path = folder + "/" + fileName;
    std::ofstream file(path, std::ios::binary);
    file << krmtText(subMeshes);
    file.close();
    if (!file) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
