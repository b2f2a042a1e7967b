#pragma once
// A perspective view of the table for the menu pictures: table coordinates are x across
// (centred, ±kTableWidth / 2), y up, z along the table from the near goal (0) to the far
// one (kTableLength).
#include "pictures/Canvas.h"

struct TableView {
    float camHeight = 78, camBack = -52, pitch = 0.72f, focal = 760, centreX = 512, centreY = 384;

    Point project(float x, float y, float z) const
    {
        const float dy = y - camHeight, dz = z - camBack;
        const float yc = dy * std::cos(pitch) + dz * std::sin(pitch);
        const float zc = -dy * std::sin(pitch) + dz * std::cos(pitch);
        return {centreX + focal * x / zc, centreY - focal * yc / zc};
    }
    float scaleAt(float y, float z) const
    {
        const float dy = y - camHeight, dz = z - camBack;
        return focal / (-dy * std::sin(pitch) + dz * std::cos(pitch));
    }
    // The point of the plane at height h seen through a screen pixel.
    bool unproject(float sx, float sy, float h, float& x, float& z) const
    {
        const float u = (sx - centreX) / focal, v = -(sy - centreY) / focal;
        const float dy = v * std::cos(pitch) - std::sin(pitch);
        const float dz = v * std::sin(pitch) + std::cos(pitch);
        if (dy >= 0)
            return false;
        const float t = (h - camHeight) / dy;
        x = t * u;
        z = camBack + t * dz;
        return true;
    }
};
