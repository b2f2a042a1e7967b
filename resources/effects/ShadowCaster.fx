// The shadow casters seen from the light: each texel of the R32F map receives the distance
// of the nearest caster from the light divided by the far plane (300), so the cleared value
// 1.0 means that nothing stands between the light and the point.

@common
uniform mat4 wvp;

vec4 toClip(vec4 p) {
    p.z = p.z * 2.0 - p.w;
    return p;
}

@vertex Caster
layout(location = 0) in vec3 position;
out float distanceFromLight;
void main() {
    vec4 clip = wvp * vec4(position, 1.0);
    // w of a perspective projection is the distance along the light's view axis.
    distanceFromLight = clip.w / 300.0;
    gl_Position = toClip(clip);
}

@fragment Distance
in float distanceFromLight;
out vec4 colour;
void main() {
    colour = vec4(distanceFromLight, 0.0, 0.0, 1.0);
}

@technique Shadow
pass Caster Distance
