// assetgen <resources-dir> [generator ...]
// Runs every registered generator (or only the named ones) and writes the generated data
// files into the resources folder. Deterministic: the same build writes the same bytes.
// assetgen --desktop-icons <icons-dir> <name> writes the installed game's menu icons.
#include "DesktopIcons.h"
#include "Generator.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

std::vector<AssetGenerator>& assetGenerators() {
    static std::vector<AssetGenerator> generators;
    return generators;
}

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--desktop-icons") == 0)
        return generateDesktopIcons(argv[2], argv[3]) ? 0 : 1;
    if (argc < 2) {
        std::fprintf(stderr, "usage: assetgen <resources-dir> [generator ...]\n");
        return 2;
    }
    std::string dir = argv[1];
    if (!makeDirectories(dir)) {
        std::fprintf(stderr, "assetgen: cannot create %s\n", dir.c_str());
        return 1;
    }
    auto& generators = assetGenerators();
    std::sort(generators.begin(), generators.end(),
              [](const AssetGenerator& a, const AssetGenerator& b) { return std::strcmp(a.name, b.name) < 0; });
    int failures = 0;
    for (const AssetGenerator& g : generators) {
        bool wanted = argc == 2;
        for (int i = 2; i < argc; ++i) wanted = wanted || std::strcmp(argv[i], g.name) == 0;
        if (!wanted) continue;
        if (!g.run(dir)) {
            std::fprintf(stderr, "assetgen: generator %s failed\n", g.name);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
