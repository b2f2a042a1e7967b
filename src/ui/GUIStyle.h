#pragma once
// The shared look of the menus: the GUI atlas "gui.png" and nine colours, with the atlas
// pieces that bars, frames and outlines are made of.
#include <cstdint>

class Renderer;
struct TextureRecord;

class GUIStyle {
public:
    TextureRecord* texture = nullptr;
    Renderer* renderer = nullptr;
    std::uint32_t colours[9] = {
        0xFF6C644Cu,  // header and footer bars, message panel
        0xFFAFA08Du,  // widgets
        0xFFFFFFFFu,  // titles, message text
        0xFFFBAB18u,  // highlighted text
        0xFFBAD232u,  // strips under the header and over the footer
        0xFF084000u,
        0xFF400800u,
        0xFF000000u,
        0xFF9D8B73u,
    };
    // The lists' rows. Colours 1 and 8 are too light for white names (2.6:1 and 3.3:1), so
    // the rows take two darker stripes of the same brown on which white reads at 9:1 and
    // the orange of a hovered name at 4.7:1 or better; the name on the orange bar of the
    // selected row is dark (8:1).
    std::uint32_t listRows[2] = {0xFF504737u, 0xFF453D30u};
    std::uint32_t selectedRowText = 0xFF2A1E0Cu;

    // Loads "gui.png" through the renderer's resource manager (when it has one).
    explicit GUIStyle(Renderer* renderer);

    // A solid rectangle: the white 2x2 block at (1, 1) of the atlas stretched and tinted.
    void drawSolid(int x, int y, int width, int height, std::uint32_t colour);
    // The dark lacquer face of the buttons stretched over a rectangle: the face of the
    // match's panels, which a drawFrame then rims in brass.
    void drawLacquer(int x, int y, int width, int height);
    // A 40-pixel bar with rounded caps behind a widget of the given width at (x, y).
    void drawBar(int x, int y, int width);
    // A bevelled frame around the rectangle.
    void drawFrame(int x, int y, int width, int height);
    // One-pixel lines just outside the rectangle: top and left in colourA, bottom and
    // right in colourB (raised or sunken look).
    void drawOutline(int x, int y, int width, int height, std::uint32_t colourA, std::uint32_t colourB);

private:
    // An atlas region drawn at its own size, untinted.
    void piece(int sx, int sy, int sw, int sh, int dx, int dy);
    // An atlas region stretched over the destination, untinted.
    void stretched(int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh);
};
