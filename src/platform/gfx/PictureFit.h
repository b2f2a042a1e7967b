#pragma once
// Where the game's picture lies in a window of another size: as large as fits, its shape
// kept, centred, the rest black. The picture is shown there and the free pointer is read
// back through the same rectangle.

// The screen every menu, the HUD and the pointer are laid out on, whatever the picture.
constexpr int kDesignScreenWidth = 1024;
constexpr int kDesignScreenHeight = 768;

struct PictureRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

inline PictureRect fitPicture(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight)
{
    PictureRect r{0, 0, windowWidth, windowHeight};
    if (pictureWidth <= 0 || pictureHeight <= 0)
        return r;
    if (static_cast<long>(windowWidth) * pictureHeight > static_cast<long>(windowHeight) * pictureWidth)
        r.width = static_cast<int>(static_cast<long>(windowHeight) * pictureWidth / pictureHeight);
    else
        r.height = static_cast<int>(static_cast<long>(windowWidth) * pictureHeight / pictureWidth);
    r.x = (windowWidth - r.width) / 2;
    r.y = (windowHeight - r.height) / 2;
    return r;
}

// The point of a picture pictureWidth x pictureHeight shown at r in the window, under a
// window point given as fractions of the window's size; false when the point is outside
// the picture (on the black border around it).
inline bool pictureFromWindowRect(float u, float v, int windowWidth, int windowHeight, const PictureRect& r,
                                  int pictureWidth, int pictureHeight, float& x, float& y)
{
    if (r.width <= 0 || r.height <= 0)
        return false;
    x = (u * static_cast<float>(windowWidth) - static_cast<float>(r.x)) * static_cast<float>(pictureWidth) / static_cast<float>(r.width);
    y = (v * static_cast<float>(windowHeight) - static_cast<float>(r.y)) * static_cast<float>(pictureHeight) / static_cast<float>(r.height);
    return x >= 0.0f && y >= 0.0f && x <= static_cast<float>(pictureWidth) && y <= static_cast<float>(pictureHeight);
}

// The same for a picture shown as large as fits (fitPicture).
inline bool pictureFromWindow(float u, float v, int windowWidth, int windowHeight, int pictureWidth,
                              int pictureHeight, float& x, float& y)
{
    return pictureFromWindowRect(u, v, windowWidth, windowHeight,
                                 fitPicture(windowWidth, windowHeight, pictureWidth, pictureHeight),
                                 pictureWidth, pictureHeight, x, y);
}
