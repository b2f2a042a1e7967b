#include "DesktopIcons.h"

#include "Image.h"
#include "platform/window/BallIconPixels.h"

#include <cstdint>
#include <vector>

bool generateDesktopIcons(const std::string& iconsDir, const std::string& name)
{
    const int sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
    for (int size : sizes) {
        // Drawn at each size rather than scaled, so the small ones stay sharp.
        const std::vector<std::uint32_t> argb = ballIconPixels(size);
        Image image(size, size);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const std::uint32_t c = argb[static_cast<std::size_t>(y) * size + x];
                image.set(x, y, Rgba{std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c), std::uint8_t(c >> 24)});
            }
        }
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        if (!savePng(image, iconsDir + "/" + folder + "/apps/" + name + ".png"))
            return false;
    }
    return true;
}
