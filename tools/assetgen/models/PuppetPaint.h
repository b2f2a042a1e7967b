#pragma once
// How a table figure is painted: which part of the figure reads which part of its texture
// (puppet_red.png, puppet_blue.png), so that the model's texture coordinates and the
// painted pictures agree. Each part has a column of the texture; across the column runs
// the angle round the part (as the loft's u does), down it the height on the figure. Since
// the height maps linearly to the texture, a colour change painted at a height stays at
// that height on the figure, wherever the model's rings happen to lie.
//
// The figure faces -z: at the loft's angle phi a point lies at (cos phi, sin phi) round its
// ring, so the front is at phi = 3/2 pi.
namespace puppet {

enum class Part { Head, Torso, Arm, Leg, Foot };

constexpr int kTextureSize = 256;

// Texel columns [first, first + width) of each part; the head has the widest, for a face.
struct Column {
    int first, width;
};

constexpr Column columnOf(Part part) {
    switch (part) {
    case Part::Head: return {0, 128};
    case Part::Torso: return {128, 32};
    case Part::Arm: return {160, 32};
    case Part::Leg: return {192, 32};
    case Part::Foot: break;
    }
    return {224, 32};
}

// Heights (figure units, the rod axis at 0) at the top and bottom rows of a part's column.
constexpr float topOf(Part part) { return part == Part::Head ? 4.7f : 2.6f; }
constexpr float bottomOf(Part part) { return part == Part::Head ? 2.2f : -6.6f; }

// Texture coordinates of a point of a part at `round` (0..1, the loft's u) and height y.
// Texel centres only, so filtering never reaches into the next column.
inline void textureCoordinates(Part part, float round, float y, float& u, float& v) {
    const Column c = columnOf(part);
    const float r = round < 0.0f ? 0.0f : round > 1.0f ? 1.0f : round;
    u = (static_cast<float>(c.first) + 0.5f + r * static_cast<float>(c.width - 1)) / kTextureSize;
    const float t = (topOf(part) - y) / (topOf(part) - bottomOf(part));
    v = (0.5f + t * (kTextureSize - 1)) / kTextureSize;
}

// The inverse for the painter: the round position and height of a texel of a part.
inline void pointOfTexel(Part part, int x, int y, float& round, float& height) {
    const Column c = columnOf(part);
    round = static_cast<float>(x - c.first) / static_cast<float>(c.width - 1);
    height = topOf(part) - static_cast<float>(y) / (kTextureSize - 1) * (topOf(part) - bottomOf(part));
}

}  // namespace puppet
