#pragma once
// The scene as last drawn, kept off-screen while the camera stands still. From one frame to
// the next most of a match stands still: the table, and most rods with their figures. So
// only where something changed is the scene drawn again: where a rod, figure or the ball
// was and is now (or changed colour, as the held rod does), where the table's shadows
// changed, and over a moving part that takes shadows where a caster that moved may throw
// one. There the still table and its depth are copied in with its received shadows, and
// every moving part that reaches in is drawn again in list order; then the kept scene is
// copied into the back buffer. The picture is the same as drawing everything.
#include "platform/gfx/GraphicsDevice.h"
#include "render/CasterPlaces.h"

#include <cstdint>
#include <memory>
#include <vector>

class DepthSurface;
class DeviceTexture;
class RenderSurface;
class Renderer;
class SceneObject;
class StillTableLayer;

class KeptScene {
public:
    explicit KeptScene(Renderer* renderer);
    ~KeptScene();
    KeptScene(const KeptScene&) = delete;
    KeptScene& operator=(const KeptScene&) = delete;

    // In place of the table's copy and the moving objects: the scene
    // brought up to date and copied into the back buffer. False when its pictures cannot be
    // had (the caller then draws the frame as before).
    bool drawInto(StillTableLayer& table);
    // The device is about to be reset: start again.
    void release();

    // The parts of the screen the last frame drew again (benchmarks, tests).
    int redrawnPixels() const { return redrawnPixels_; }

private:
    struct Part {
        const SceneObject* object;
        Matrix4 world;
        std::uint64_t looks;  // its materials
        ClearRect onScreen;
        std::vector<CasterBox> receiving;  // its surfaces that take shadows, in the map
    };
    bool makeTargets(int width, int height);
    void takeParts(std::vector<Part>& parts) const;
    void findChanges(StillTableLayer& table, std::vector<ClearRect>& dirty);

    Renderer* renderer_;
    std::unique_ptr<DeviceTexture> colourTexture_;
    std::unique_ptr<RenderSurface> colour_;
    std::unique_ptr<DepthSurface> depth_;
    bool valid_ = false;
    std::vector<Part> shown_, now_;
    CasterPlaces shownCasters_;
    std::vector<CasterBox> moved_;
    int redrawnPixels_ = 0;
};
