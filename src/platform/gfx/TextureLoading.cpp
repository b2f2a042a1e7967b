// Textures from image files, decoded with stb_image (top row first, as the game's texture
// coordinates expect).
#include "platform/gfx/GlTexture.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/gfx/ShadingPath.h"

#include <epoxy/gl.h>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO_FAILURE_STRINGS
#include <stb_image.h>

GlTexture::~GlTexture() {
    if (name_) glDeleteTextures(1, &name_);
}

void GlTexture::makeMipmapsIfPending() {
    if (!mipmapsPending) return;
    mipmapsPending = false;
    glBindTexture(GL_TEXTURE_2D, name_);
    glGenerateMipmap(GL_TEXTURE_2D);
    // Trilinear in full; on the light path bilinear within the nearest mip level, which
    // halves the texel reads of the field and the wood.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                    currentShadingPath() == ShadingPath::Light ? GL_LINEAR_MIPMAP_NEAREST
                                                               : GL_LINEAR_MIPMAP_LINEAR);
}

std::unique_ptr<DeviceTexture> GraphicsDevice::loadTexture(const std::string& path) {
    int w = 0, h = 0, channels = 0;
    stbi_uc* pixels = stbi_load(path.c_str(), &w, &h, &channels, 4);
    if (!pixels) return nullptr;
    std::unique_ptr<DeviceTexture> texture = createTexture(w, h, pixels);
    stbi_image_free(pixels);
    return texture;
}
