#include "assets/ResourceManager.h"

#include "core/ErrorLog.h"
#include "platform/gfx/DeviceTexture.h"
#include "platform/gfx/Effect.h"
#include "assets/Mesh.h"

ResourceManager::ResourceManager(const std::string& baseDirectory, std::unique_ptr<AssetLoader> loader)
    : baseDirectory_(baseDirectory), loader_(std::move(loader)) {}

ResourceManager::~ResourceManager() = default;

void ResourceManager::loadTextureInto(const std::string& name, TextureEntry& entry) {
    entry.texture = loader_->loadTexture(baseDirectory_ + "textures/" + name);
    entry.record->texture = entry.texture.get();
    entry.record->width = entry.texture ? entry.texture->width : 0;
    entry.record->height = entry.texture ? entry.texture->height : 0;
    if (!entry.record->setAside) ++entry.record->loads;
    entry.record->setAside = false;
}

void ResourceManager::logLoadFailure(const std::string& name) const {
    logError("Loading texture file: " + baseDirectory_ + "textures/" + name + " failed");
}

ResourceManager::TextureEntry* ResourceManager::entryOf(const TextureRecord* record) {
    for (auto& entry : textures_)
        if (entry.second.record.get() == record) return &entry.second;
    return nullptr;
}

void ResourceManager::setAside(TextureRecord* record) {
    TextureEntry* entry = entryOf(record);
    if (!entry || !entry->texture) return;
    entry->texture.reset();
    record->texture = nullptr;
    record->setAside = true;
}

void ResourceManager::bringBack(TextureRecord* record) {
    if (!record || !record->setAside) return;
    for (auto& entry : textures_) {
        if (entry.second.record.get() != record) continue;
        loadTextureInto(entry.first, entry.second);
        if (!entry.second.texture) logLoadFailure(entry.first);
        return;
    }
}

TextureRecord* ResourceManager::getTexture(const std::string& name) {
    auto it = textures_.find(name);
    const bool fresh = it == textures_.end();
    if (fresh) {
        TextureEntry entry;
        entry.record = std::make_unique<TextureRecord>();
        it = textures_.emplace(name, std::move(entry)).first;
    }
    TextureEntry& entry = it->second;
    if (fresh || entry.unloaded || entry.record->setAside) {
        entry.unloaded = false;
        loadTextureInto(name, entry);
        // Said at each asking for the file: the tries after a device reset would only repeat it.
        if (!entry.texture) logLoadFailure(name);
    }
    return entry.record.get();
}

void ResourceManager::unloadTexture(const std::string& name) {
    auto it = textures_.find(name);
    if (it == textures_.end()) return;
    TextureEntry& entry = it->second;
    entry.record->texture = nullptr;
    entry.record->width = entry.record->height = 0;
    entry.record->setAside = false;
    entry.texture.reset();
    entry.unloaded = true;
}

Effect* ResourceManager::getEffect(const std::string& name) {
    auto it = effects_.find(name);
    if (it == effects_.end())
        it = effects_.emplace(name, loader_->loadEffect(baseDirectory_ + "effects/" + name)).first;
    return it->second.get();
}

Mesh* ResourceManager::getMesh(const std::string& name) {
    auto it = meshes_.find(name);
    if (it == meshes_.end())
        it = meshes_.emplace(name, loader_->loadMesh(baseDirectory_ + "models/" + name)).first;
    return it->second.get();
}

const SoundHandle* ResourceManager::getSound(const std::string& name) {
    auto it = sounds_.find(name);
    if (it == sounds_.end())
        it = sounds_.emplace(name, loader_->loadSound(baseDirectory_ + "sounds/" + name)).first;
    return it->second;
}

const SoundHandle* ResourceManager::getMusic(const std::string& name) {
    auto it = music_.find(name);
    if (it == music_.end())
        it = music_.emplace(name, loader_->loadMusic(baseDirectory_ + "precalc/" + name)).first;
    return it->second;
}

void ResourceManager::releaseTextures() {
    for (auto& entry : textures_) {
        entry.second.record->texture = nullptr;
        entry.second.texture.reset();
    }
}

void ResourceManager::releaseMeshes() {
    for (auto& entry : meshes_)
        if (entry.second) entry.second->releaseBuffers();
}

void ResourceManager::effectsLost() {
    for (auto& entry : effects_)
        if (entry.second) entry.second->onLostDevice();
}

void ResourceManager::reloadTextures() {
    // A texture set aside stays so until it is asked for.
    for (auto& entry : textures_)
        if (!entry.second.unloaded && !entry.second.record->setAside) loadTextureInto(entry.first, entry.second);
}

void ResourceManager::reloadMeshes() {
    for (auto& entry : meshes_)
        if (entry.second) loader_->reloadMesh(baseDirectory_ + "models/" + entry.first, *entry.second);
}

void ResourceManager::effectsReset() {
    for (auto& entry : effects_) {
        if (!entry.second) continue;
        std::string errors;
        if (!entry.second->onResetDevice(errors)) logError(errors);
    }
}
