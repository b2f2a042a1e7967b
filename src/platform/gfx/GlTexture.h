#pragma once
// A GL texture object; deleted with the texture.
#include "platform/gfx/DeviceTexture.h"

class GlTexture : public DeviceTexture {
public:
    GlTexture(unsigned int name, int w, int h) : name_(name) {
        width = w;
        height = h;
    }
    ~GlTexture() override;
    unsigned int name() const { return name_; }
    // An image texture whose smaller mip levels are made at its first use in the 3D scene:
    // pictures only ever drawn 1:1 in 2D never need them, and on a software renderer they
    // would cost a third more memory.
    bool mipmapsPending = false;
    void makeMipmapsIfPending();

private:
    unsigned int name_;
};
