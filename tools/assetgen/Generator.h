#pragma once
// assetgen is one program made of independent generators. Each generator source file
// registers itself with PITCHBAR_ASSET_GENERATOR, so adding a kind of asset never touches
// a shared list. A generator writes its files under the resources folder it is handed
// (for example <dir>/textures/gui.png) and returns false after printing what went wrong.
#include <string>
#include <vector>

using AssetGeneratorFunction = bool (*)(const std::string& resourcesDir);

struct AssetGenerator {
    const char* name;
    AssetGeneratorFunction run;
};

std::vector<AssetGenerator>& assetGenerators();

struct AssetGeneratorRegistration {
    AssetGeneratorRegistration(const char* name, AssetGeneratorFunction run) {
        assetGenerators().push_back({name, run});
    }
};

#define PITCHBAR_ASSET_GENERATOR(name, function) \
    static AssetGeneratorRegistration assetGeneratorRegistration_##function(name, function)

// Creates a folder and its parents; true when it exists afterwards.
bool makeDirectories(const std::string& path);
