// Textures from image files (decoded by PictureDecoding).
#include "platform/gfx/GlTexture.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/gfx/PictureDecoding.h"
#include "platform/gfx/ShadingPath.h"

#include <epoxy/gl.h>

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
    DecodedPicture picture;
    if (!decodePictureFile(path, picture)) return nullptr;
    return createTexture(picture.width, picture.height, picture.rgba.get());
}
