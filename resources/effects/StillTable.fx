// The still table's received shadows. While the camera stands still the table's parts
// that never move are drawn once in two versions, as lit and in full shadow (the shadow
// map read as an occluder everywhere: the ambient share only); every frame this effect
// draws the receiving surfaces of those parts again, over that picture, and gives each
// pixel the mix of its two versions by the share of light reaching it. All the lighting
// is linear in that share, so the mix is the lit pixel itself.
//
// The share must be the one TexturesAndColors.fx computes, texel for texel: the vertex
// shader places the points as its PerPixelShadowed does, and lightReaching below is its
// function. (The still-table test compares the two pictures.)

@common
uniform mat4 world;
uniform mat4 wvp;
uniform mat4 lightViewProj;
uniform sampler2D shadowMap;
uniform sampler2D stillLit;
uniform sampler2D stillShadowed;

const float kLightFar = 300.0;
const float kShadowBias = 0.35 / 300.0;
const vec2 kShadowMapSize = vec2(1024.0);

vec4 toClip(vec4 p) {
    p.z = p.z * 2.0 - p.w;
    return p;
}

float litAt(ivec2 texel, float depth) {
    return step(depth, texelFetch(shadowMap, clamp(texel, ivec2(0), ivec2(kShadowMapSize) - 1), 0).r);
}

float lightReaching(vec4 clip) {
    if (clip.w <= 0.0) return 1.0;
    vec2 uv = clip.xy / clip.w * 0.5 + 0.5;
    if (uv.x < 0.0 || uv.x > 1.0 || uv.y < 0.0 || uv.y > 1.0) return 1.0;
    float depth = clip.w / kLightFar - kShadowBias;
#ifdef LIGHT_SHADING
    return litAt(ivec2(uv * kShadowMapSize), depth);
#else
    vec2 texel = uv * kShadowMapSize - 0.5;
    vec2 base = floor(texel);
    vec2 f = texel - base;
    ivec2 b = ivec2(base) - 1;
    vec4 wx = vec4(1.0 - f.x, 1.0, 1.0, f.x);
    vec4 wy = vec4(1.0 - f.y, 1.0, 1.0, f.y);
    float sum = 0.0;
    for (int y = 0; y < 4; ++y) {
        vec4 row = vec4(litAt(b + ivec2(0, y), depth), litAt(b + ivec2(1, y), depth),
                        litAt(b + ivec2(2, y), depth), litAt(b + ivec2(3, y), depth));
        sum += wy[y] * dot(wx, row);
    }
    return sum / 9.0;
#endif
}

@vertex Receiver
layout(location = 0) in vec3 position;
out vec4 lightClip;
void main() {
    vec4 worldPosition = world * vec4(position, 1.0);
    lightClip = lightViewProj * worldPosition;
    gl_Position = toClip(wvp * vec4(position, 1.0));
}

@fragment LitOrShadowed
in vec4 lightClip;
out vec4 colour;
void main() {
    ivec2 pixel = ivec2(gl_FragCoord.xy);
    vec4 lit = texelFetch(stillLit, pixel, 0);
    vec4 shadowed = texelFetch(stillShadowed, pixel, 0);
    colour = mix(shadowed, lit, lightReaching(lightClip));
}

@technique ReceivedShadows
pass Receiver LitOrShadowed
