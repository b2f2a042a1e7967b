#pragma once
// The drawing side of a real game on the test display, for the tests that render whole
// screens: the window, the GL device, the resources built into PITCHBAR_RESOURCES, the GUI
// style and both fonts. Also the read-back helpers those tests share: pixels of a
// 1024×768 RGBA frame, and keeping a frame as a PNG to look at.
#include "app/Game.h"
#include "app/DeviceAssetLoader.h"
#include "assets/ResourceManager.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/window/GameWindow.h"
#include "render/Renderer.h"
#include "render/fonts/GlyphTables.h"
#include "render/fonts/PBFontBig.h"
#include "render/fonts/PBFontSmall.h"
#include "ui/GUIStyle.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
#pragma GCC diagnostic pop

// Everything a menu screen needs to be drawn for real; false (with the reason on stderr)
// when the display, the device or the built resources are missing.
inline bool startDrawingGame(GameWindow& window, Game& game) {
    const char* resources = std::getenv("PITCHBAR_RESOURCES");
    if (!resources) {
        std::fprintf(stderr, "PITCHBAR_RESOURCES is not set\n");
        return false;
    }
    if (!window.create()) return false;
    Renderer* renderer = game.renderer;
    if (!renderer->initDevice(&window)) return false;
    game.context.resourceManager = new ResourceManager(std::string(resources) + "/", std::make_unique<DeviceAssetLoader>(renderer->device, nullptr));
    renderer->resources = game.context.resourceManager;
    if (!renderer->initScene(&window)) return false;
    game.context.guiStyle = new GUIStyle(renderer);
    game.installWidgetServices();
    game.context.fontSmall = new PBFontSmall(game.context.resourceManager->getTexture(FontTables::SmallTextureName));
    game.context.fontBig = new PBFontBig(game.context.resourceManager->getTexture(FontTables::BigTextureName));
    if (!game.context.guiStyle->texture || game.context.guiStyle->texture->width <= 0) {
        std::fprintf(stderr, "gui.png did not load from %s\n", resources);
        return false;
    }
    return true;
}

struct Pixel {
    int r, g, b;
};

// The pixel at (x, y) of a 1024-wide RGBA frame.
inline Pixel pixelAt(const std::vector<std::uint8_t>& image, int x, int y) {
    const std::size_t i = (static_cast<std::size_t>(y) * 1024 + x) * 4;
    return {image[i], image[i + 1], image[i + 2]};
}

// Writes a 1024×768 RGBA frame as a PNG; a frame of another size is not written.
inline void keepFrameAsPng(const std::string& file, const std::vector<std::uint8_t>& image) {
    if (image.size() == 1024u * 768u * 4u)
        stbi_write_png(file.c_str(), 1024, 768, 4, image.data(), 1024 * 4);
}
