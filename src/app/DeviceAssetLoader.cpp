#include "app/DeviceAssetLoader.h"

#include "assets/MeshReader.h"
#include "audio/SoundSystem.h"
#include "core/ErrorLog.h"
#include "platform/gfx/DeviceTexture.h"
#include "platform/gfx/Effect.h"
#include "platform/gfx/GraphicsDevice.h"

std::unique_ptr<DeviceTexture> DeviceAssetLoader::loadTexture(const std::string& path) {
    return device_ ? device_->loadTexture(path) : nullptr;
}

std::unique_ptr<Effect> DeviceAssetLoader::loadEffect(const std::string& path) {
    std::string errors;
    std::unique_ptr<Effect> effect = Effect::loadFromFile(path, errors);
    if (!effect && !errors.empty()) logError(errors);
    return effect;
}

std::unique_ptr<Mesh> DeviceAssetLoader::loadMesh(const std::string& path) {
    return ::loadMesh(device_, path);
}

bool DeviceAssetLoader::reloadMesh(const std::string& path, Mesh& mesh) {
    return ::reloadMesh(device_, path, mesh);
}

const SoundHandle* DeviceAssetLoader::loadSound(const std::string& path) {
    return sounds_ ? sounds_->loadWav(path) : nullptr;
}

const SoundHandle* DeviceAssetLoader::loadMusic(const std::string& path) {
    return sounds_ ? sounds_->loadOgg(path) : nullptr;
}
