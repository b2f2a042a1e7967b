#pragma once
// The game's asset loader: textures, effects and meshes on the real graphics device, sounds
// and music through the sound system. Either may be missing (a test without sound): that
// kind of file then loads as nothing.
#include "assets/ResourceManager.h"

class GraphicsDevice;
class SoundSystem;

class DeviceAssetLoader : public AssetLoader {
public:
    DeviceAssetLoader(GraphicsDevice* device, SoundSystem* sounds) : device_(device), sounds_(sounds) {}
    std::unique_ptr<DeviceTexture> loadTexture(const std::string& path) override;
    std::unique_ptr<Effect> loadEffect(const std::string& path) override;
    std::unique_ptr<Mesh> loadMesh(const std::string& path) override;
    bool reloadMesh(const std::string& path, Mesh& mesh) override;
    const SoundHandle* loadSound(const std::string& path) override;
    const SoundHandle* loadMusic(const std::string& path) override;

private:
    GraphicsDevice* device_;
    SoundSystem* sounds_;
};
