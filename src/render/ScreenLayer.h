#pragma once
// What the renderer draws over the 3D scene: the current screen's two 2D layers, with the
// mouse pointer between them. The renderer knows a screen only through this; every screen
// of the game is one (KRScreen).
class ScreenLayer {
public:
    // The pass under the pointer and the one over it, each drawn inside its own sprite batch.
    static constexpr int kUnderPointer = 2;
    static constexpr int kOverPointer = 3;

    virtual ~ScreenLayer() = default;
    // One 2D pass, drawn with the renderer's primitives.
    virtual void draw(int pass) = 0;
    // Whether the renderer draws the mouse pointer between the two passes.
    virtual bool pointerShown() const = 0;
    // The device was found lost: the frame was not shown and nothing is drawn until the reset.
    virtual void onDeviceLost() = 0;
    // The device is back and every resource the renderer knows of has been reloaded.
    virtual void onDeviceReset() = 0;
};
