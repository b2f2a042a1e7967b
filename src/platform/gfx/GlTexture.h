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

private:
    unsigned int name_;
};
