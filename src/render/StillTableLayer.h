#pragma once
// The still table: while the camera stands still, the parts of the table that never move
// (the floor, the cabinet, the field with its walls and goal mouths, the rim when it is
// on) look the same in every frame but for the shadows the rods, figures and ball throw
// on them. So they are drawn once into two off-screen pictures with their depth, as lit
// and as they look in full shadow. A frame starts from a copy of the lit one; the surfaces
// that receive shadows are drawn over it once more with one shadow look-up and two reads
// per pixel (StillTable.fx) instead of their whole lighting, and only where a caster's
// shadow can reach (ShadowReach); then the moving objects are drawn as always (or the kept
// scene does all this only where something changed, KeptScene). The picture is the same
// as drawing everything.
//
// The pictures are drawn again whenever what they show may have changed: the view, the
// projection, the light, shadows on or off, the still objects, their places or their
// materials, the back buffer's size; and after a device reset (release). The renderer
// uses the layer only while its camera is marked still and the device prefers it.
#include "render/ShadowReach.h"

#include <cstdint>
#include <memory>
#include <vector>

class DepthSurface;
class DeviceTexture;
class Effect;
class RenderSurface;
class Renderer;
class SceneObject;
struct SubMesh;

class StillTableLayer {
public:
    explicit StillTableLayer(Renderer* renderer);
    ~StillTableLayer();
    StillTableLayer(const StillTableLayer&) = delete;
    StillTableLayer& operator=(const StillTableLayer&) = delete;

    // Tests compare the layered frame with the whole one by switching this off.
    bool allowed = true;

    // Before the frame's shadow pass (the pictures are drawn with the shadow map cleared):
    // whether the still objects of this frame come from the layer, drawing its pictures
    // first if they are missing or out of date. The scene effect's view and camera must be
    // this frame's already.
    bool prepare();
    // In place of the back buffer's clear and the still objects: the lit picture and its
    // depth copied into the back buffer, then the received shadows on the still surfaces.
    void drawInto();
    // The received shadows of this frame's casters (the renderer's casterPlaces) over the
    // table in the bound target, whose depth must be the table's; only within the given
    // rectangles when there are some.
    void drawShadows(const std::vector<ClearRect>* within);
    // Where casters in these boxes may darken the table (nothing without shadows).
    std::vector<ClearRect> reachOf(const std::vector<CasterBox>& boxes, bool anywhere);
    RenderSurface* table() const { return lit_.get(); }
    DepthSurface* tableDepth() const { return depth_.get(); }
    // The pictures were drawn again since changesSeen: a picture made from them is stale.
    bool changedEverywhere() const { return changedEverywhere_; }
    void changesSeen() { changedEverywhere_ = false; }
    // The device is about to be reset: the pictures are given up and drawn again later.
    void release();

    // How many times the pictures have been drawn (tests of when they must be redrawn).
    int drawings() const { return drawings_; }
    // The rectangles the last frame drew received shadows in (benchmarks, tests).
    int shadowRectangles() const { return shadowRectangles_; }
    int shadowPixels() const { return shadowPixels_; }

private:
    bool makeTargets(int width, int height, bool shadowed);
    std::vector<std::uint8_t> describeScene(bool shadows) const;
    void drawPictures(bool shadows);
    bool loadReceiverEffect();
    void findReceivers();
    void drawReceivedShadows(const std::vector<ClearRect>& rects);

    Renderer* renderer_;
    std::vector<SceneObject*> still_;  // this frame's still objects, in list order
    // The surfaces that take shadows, each with the part of the screen it covers: a
    // rectangle of received shadows is drawn only over the surfaces it meets.
    struct Receiver {
        const SceneObject* object;
        const SubMesh* sub;
        ClearRect onScreen;
    };
    std::vector<Receiver> receivers_;
    std::vector<std::uint8_t> drawnScene_;  // what the pictures show; empty when none
    bool shadows_ = false;
    std::unique_ptr<DeviceTexture> litTexture_;
    std::unique_ptr<RenderSurface> lit_;
    std::unique_ptr<DeviceTexture> shadowedTexture_;
    std::unique_ptr<RenderSurface> shadowed_;
    std::unique_ptr<DepthSurface> depth_;
    bool changedEverywhere_ = true;
    Effect* receiverEffect_ = nullptr;  // StillTable.fx, owned by the resource manager
    bool receiverEffectTried_ = false;
    bool targetsRefused_ = false;
    int technique_ = -1;
    enum Parameter { pWorld, pWvp, pLightViewProj, pShadowMap, pStillLit, pStillShadowed, kParameterCount };
    int parameters_[kParameterCount];
    int drawings_ = 0;
    int shadowRectangles_ = 0;
    int shadowPixels_ = 0;
    ShadowReach reach_;
};
