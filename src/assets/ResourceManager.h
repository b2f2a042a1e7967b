#pragma once
// The one place that knows where data files lie. Every file is loaded once and shared by
// name, failures included (a texture gets one more try at each device reset). Textures,
// meshes and effects are carried through a device loss: their device memory is released
// before the reset and restored after it, inside the same objects.
#include "assets/TextureRecord.h"

#include <map>
#include <memory>
#include <string>

class Effect;
class Mesh;
class DeviceTexture;
struct SoundHandle;

// How files become objects; the game's loader (app/) uses the device and the sound
// system, tests use fakes.
class AssetLoader {
public:
    virtual ~AssetLoader() = default;
    virtual std::unique_ptr<DeviceTexture> loadTexture(const std::string& path) = 0;
    // null after the compiler's message has been logged
    virtual std::unique_ptr<Effect> loadEffect(const std::string& path) = 0;
    virtual std::unique_ptr<Mesh> loadMesh(const std::string& path) = 0;
    virtual bool reloadMesh(const std::string& path, Mesh& mesh) = 0;
    virtual const SoundHandle* loadSound(const std::string& path) = 0;
    virtual const SoundHandle* loadMusic(const std::string& path) = 0;
};

class ResourceManager {
public:
    // baseDirectory ends with a slash, e.g. "resources/".
    ResourceManager(const std::string& baseDirectory, std::unique_ptr<AssetLoader> loader);
    ~ResourceManager();
    ResourceManager(const ResourceManager&) = delete;
    ResourceManager& operator=(const ResourceManager&) = delete;

    TextureRecord* getTexture(const std::string& name);  // never null; ->texture may be
    Effect* getEffect(const std::string& name);
    Mesh* getMesh(const std::string& name);
    const SoundHandle* getSound(const std::string& name);
    const SoundHandle* getMusic(const std::string& name);
    // Frees a texture that is on screen only now and then (a full-screen picture costs
    // 3 MB of the renderer's memory). Its record stays, empty, and the next getTexture
    // loads the file again; a device reset leaves it unloaded.
    void unloadTexture(const std::string& name);
    // Lets a loaded texture's device memory go while nothing draws it, keeping its size
    // (the record says setAside); bringBack loads the same file again, and so does the next
    // getTexture. A failed bringBack writes the load's error line and leaves it empty.
    void setAside(TextureRecord* record);
    void bringBack(TextureRecord* record);

    // Around a device reset, in this order: release*, effectsLost, reset, reload*, effectsReset.
    void releaseTextures();
    void releaseMeshes();
    void effectsLost();
    void reloadTextures();
    void reloadMeshes();
    void effectsReset();

    const std::string& baseDirectory() const { return baseDirectory_; }

private:
    struct TextureEntry {
        std::unique_ptr<TextureRecord> record;
        std::unique_ptr<DeviceTexture> texture;
        bool unloaded = false;
    };
    void loadTextureInto(const std::string& name, TextureEntry& entry);
    TextureEntry* entryOf(const TextureRecord* record);
    void logLoadFailure(const std::string& name) const;

    std::map<std::string, TextureEntry> textures_;
    std::map<std::string, std::unique_ptr<Effect>> effects_;
    std::map<std::string, std::unique_ptr<Mesh>> meshes_;
    std::map<std::string, const SoundHandle*> sounds_;
    std::map<std::string, const SoundHandle*> music_;
    std::string baseDirectory_;
    std::unique_ptr<AssetLoader> loader_;
};
