#pragma once
// How one sub-mesh of a scene object is lit and coloured.
struct TextureRecord;

struct Material {
    float ambienceFactor = 0.3f;
    int lightingModel = 1;  // 0 per vertex, 1 per pixel, 2 per pixel with a specular term
    TextureRecord* texture = nullptr;  // textured when set, else meshColor
    float meshColor[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float specPower = 0.0f;      // read only for lighting model 2
    float specIntensity = 0.0f;  // read only for lighting model 2
    bool castsShadow = false;
    bool receivesShadow = false;
};
