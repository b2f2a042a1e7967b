#include "ui/GUIStyle.h"

// The renderer arrives with the graphics layer; until then the style has nothing to draw on.
#include "assets/ResourceManager.h"
#include "render/Renderer.h"

GUIStyle::GUIStyle(Renderer* r) : renderer(r)
{
    if (renderer && renderer->resources)
        texture = renderer->resources->getTexture("gui.png");
}

void GUIStyle::drawSolid(int x, int y, int width, int height, std::uint32_t colour)
{
    if (renderer)
        renderer->drawTextureRectScaled(texture, 1, 1, x, y, width, height, 2, 2, colour);
}

void GUIStyle::piece(int sx, int sy, int sw, int sh, int dx, int dy)
{
    stretched(sx, sy, sw, sh, dx, dy, sw, sh);
}

void GUIStyle::stretched(int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh)
{
    if (renderer)
        renderer->drawTextureRectScaled(texture, sx, sy, dx, dy, dw, dh, sw, sh, 0xFFFFFFFFu);
}

void GUIStyle::drawLacquer(int x, int y, int width, int height)
{
    // The lacquer rows of the button's middle strip, between its brass edges.
    stretched(72, 4, 2, 31, x, y, width, height);
}

void GUIStyle::drawBar(int x, int y, int width)
{
    piece(62, 0, 10, 40, x - 2, y - 2);
    stretched(72, 0, 2, 40, x + 8, y - 2, width - 16, 40);
    piece(427, 0, 12, 40, x + width - 8, y - 2);
}

void GUIStyle::drawFrame(int x, int y, int width, int height)
{
    piece(445, 3, 10, 10, x - 5, y - 5);
    piece(460, 3, 12, 10, x + width - 4, y - 5);
    piece(445, 21, 10, 12, x - 5, y + height - 3);
    piece(460, 21, 12, 12, x + width - 4, y + height - 3);
    stretched(455, 3, 2, 10, x + 5, y - 5, width - 9, 10);
    stretched(460, 13, 12, 2, x + width - 4, y + 5, 12, height - 8);
    stretched(455, 21, 2, 12, x + 5, y + height - 3, width - 9, 12);
    stretched(445, 13, 10, 2, x - 5, y + 5, 10, height - 8);
}

void GUIStyle::drawOutline(int x, int y, int width, int height, std::uint32_t colourA, std::uint32_t colourB)
{
    drawSolid(x - 1, y - 1, width + 2, 1, colourA);
    drawSolid(x - 1, y - 1, 1, height + 2, colourA);
    drawSolid(x - 1, y + height, width + 2, 1, colourB);
    drawSolid(x + width, y - 1, 1, height + 2, colourB);
}
