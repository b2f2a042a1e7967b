#pragma once
// Which of two ways the device draws the 3D scene. Full is the picture as designed; Light
// is for software renderers (Mesa's llvmpipe and the like), where every pixel is shaded on
// the processor: received shadows take one texel of the shadow map instead of a filtered
// neighbourhood, surfaces without a highlight interpolate n.(light - p) from their
// vertices instead of normalising two vectors per pixel, and textures are filtered within
// one mip level instead of between two.
// Effects compile with LIGHT_SHADING defined on the light path; textures take their
// filter when they are created. The device sets the path when it builds its back buffer
// (start-up and every reset), before effects and textures are (re)loaded.
enum class ShadingPath { Full, Light };

ShadingPath currentShadingPath();
void setShadingPath(ShadingPath path);
