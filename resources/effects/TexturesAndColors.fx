// The table's lighting: one point light above the centre of the field, an ambient share per
// material, per-vertex or per-pixel diffuse light, an optional specular highlight, textured
// or plain colour, and soft received shadows from the light's R32F distance map.
// LIGHT_SHADING is defined on software renderers, where every instruction per pixel counts:
// received shadows then take one texel of the map instead of a filtered neighbourhood, and
// surfaces without a highlight take n.(light - p) from their vertices (see shadeWithoutHighlight).
//
// Matrices arrive as the game stores them (row vectors), so GLSL multiplies M * v.
// Depth leaves the vertex shaders in 0..1 and toClip moves it to GL's -1..1.

@common
uniform mat4 world;
uniform mat4 view;
uniform mat4 projection;
uniform mat4 wvp;
uniform vec4 lightSourcePosition;
uniform vec4 cameraPosition;
uniform float ambienceFactor;
uniform sampler2D meshTexture;
uniform vec4 meshColor;
uniform float specPower;
uniform float specIntensity;
uniform mat4 lightViewProj;
uniform sampler2D shadowMap;

// Distances from the light are stored divided by the light's far plane; the map is
// 1024x1024 texels.
const float kLightFar = 300.0;
const float kShadowBias = 0.35 / 300.0;
const vec2 kShadowMapSize = vec2(1024.0);

vec4 toClip(vec4 p) {
    p.z = p.z * 2.0 - p.w;
    return p;
}

// The vectors towards the light and the eye are straight lines in world space, so the
// vertex shaders hand them on unnormalised and the pixels get them exact by interpolation;
// each pixel then normalises each once.
float diffuseAt(vec3 n, vec3 l) {
    return max(dot(n, l), 0.0);
}

// Blinn highlight towards the camera, only on the side facing the light. The exponent is
// four times the material's specPower: a half-vector highlight needs about four times the
// exponent of a mirror-direction one to be as tight, so a low power makes a sheen along a
// rod rather than a white tube.
float specularAt(vec3 n, vec3 l, vec3 toEye) {
    vec3 halfway = normalize(l + normalize(toEye));
    float facing = step(0.0, dot(n, l));
    return facing * specIntensity * pow(max(dot(n, halfway), 0.0), 4.0 * max(specPower, 1.0));
}

// 1 where the stored distance is beyond the point (lit), 0 where an occluder is nearer.
float litAt(ivec2 texel, float depth) {
    return step(depth, texelFetch(shadowMap, clamp(texel, ivec2(0), ivec2(kShadowMapSize) - 1), 0).r);
}

// Share of the light that reaches the point, from its position in the light's clip space.
float lightReaching(vec4 clip) {
    if (clip.w <= 0.0) return 1.0;
    vec2 uv = clip.xy / clip.w * 0.5 + 0.5;
    if (uv.x < 0.0 || uv.x > 1.0 || uv.y < 0.0 || uv.y > 1.0) return 1.0;
    float depth = clip.w / kLightFar - kShadowBias;
#ifdef LIGHT_SHADING
    // Software renderers: the one nearest texel. A texel covers about a pixel of the
    // table, so the edge steps stay a pixel wide.
    return litAt(ivec2(uv * kShadowMapSize), depth);
#else
    // Percentage-closer filtering over 3x3 bilinear taps: 4x4 texels weighted by a tent,
    // so shadow edges fade softly over three texels.
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

// The ambient share always, the diffuse light as far as the light reaches the point.
float litShare(float diffuse, float shadow) {
    return ambienceFactor + (1.0 - ambienceFactor) * diffuse * shadow;
}

// Per-pixel shading of a base colour: the ambient share always, the diffuse light and the
// highlight as far as the light reaches the point.
vec4 shadePixel(vec4 base, vec3 normal, vec3 toLight, vec3 toEye, bool specular, float shadow) {
    vec3 n = normalize(normal);
    vec3 l = normalize(toLight);
    vec3 rgb = base.rgb * litShare(diffuseAt(n, l), shadow);
    if (specular) rgb += vec3(specularAt(n, l, toEye) * shadow);
    return vec4(rgb, base.a);
}

// Shading without a highlight. On the light path n.(light - p) comes interpolated from
// the vertices, exact wherever the normal is constant (the field, its walls, the rim and
// the cabinet are flat), and the pixel divides it by its distance from the light: one
// reciprocal square root per pixel instead of two normalisations, and three values fewer
// to interpolate (the unused normal is dropped when the shaders are linked).
vec4 shadeWithoutHighlight(vec4 base, vec3 normal, float normalTowardsLight, vec3 toLight, float shadow) {
#ifdef LIGHT_SHADING
    float diffuse = max(normalTowardsLight, 0.0) * inversesqrt(dot(toLight, toLight));
    return vec4(base.rgb * litShare(diffuse, shadow), base.a);
#else
    return shadePixel(base, normal, toLight, vec3(0.0), false, shadow);
#endif
}

@vertex PerVertexLit
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv0;
out vec2 uv;
out float lit;
void main() {
    vec3 worldPosition = (world * vec4(position, 1.0)).xyz;
    vec3 worldNormal = mat3(world) * normal;
    lit = ambienceFactor + (1.0 - ambienceFactor) *
          diffuseAt(normalize(worldNormal), normalize(lightSourcePosition.xyz - worldPosition));
    uv = uv0;
    gl_Position = toClip(wvp * vec4(position, 1.0));
}

@vertex PerPixel
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv0;
out vec2 uv;
out vec3 worldNormal;
out vec3 toLight;
out vec3 toEye;
out float normalTowardsLight;
void main() {
    vec3 worldPosition = (world * vec4(position, 1.0)).xyz;
    worldNormal = mat3(world) * normal;
    toLight = lightSourcePosition.xyz - worldPosition;
    normalTowardsLight = dot(normalize(worldNormal), toLight);
    toEye = cameraPosition.xyz - worldPosition;
    uv = uv0;
    gl_Position = toClip(wvp * vec4(position, 1.0));
}

// As PerPixel, plus the point in the light's clip space (linear too, divided per pixel).
@vertex PerPixelShadowed
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv0;
out vec2 uv;
out vec3 worldNormal;
out vec3 toLight;
out vec3 toEye;
out float normalTowardsLight;
out vec4 lightClip;
void main() {
    vec4 worldPosition = world * vec4(position, 1.0);
    worldNormal = mat3(world) * normal;
    toLight = lightSourcePosition.xyz - worldPosition.xyz;
    normalTowardsLight = dot(normalize(worldNormal), toLight);
    toEye = cameraPosition.xyz - worldPosition.xyz;
    lightClip = lightViewProj * worldPosition;
    uv = uv0;
    gl_Position = toClip(wvp * vec4(position, 1.0));
}

@fragment VertexLitTexture
in vec2 uv;
in float lit;
out vec4 colour;
void main() {
    vec4 base = texture(meshTexture, uv);
    colour = vec4(base.rgb * lit, base.a);
}

@fragment VertexLitColour
in vec2 uv;
in float lit;
out vec4 colour;
void main() {
    colour = vec4(meshColor.rgb * lit, meshColor.a);
}

@fragment PixelColour
in vec2 uv;
in vec3 worldNormal;
in vec3 toLight;
in float normalTowardsLight;
out vec4 colour;
void main() {
    colour = shadeWithoutHighlight(meshColor, worldNormal, normalTowardsLight, toLight, 1.0);
}

@fragment PixelTexture
in vec2 uv;
in vec3 worldNormal;
in vec3 toLight;
in float normalTowardsLight;
out vec4 colour;
void main() {
    colour = shadeWithoutHighlight(texture(meshTexture, uv), worldNormal, normalTowardsLight, toLight, 1.0);
}

@fragment PixelShadowedColour
in vec2 uv;
in vec3 worldNormal;
in vec3 toLight;
in vec4 lightClip;
in float normalTowardsLight;
out vec4 colour;
void main() {
    colour = shadeWithoutHighlight(meshColor, worldNormal, normalTowardsLight, toLight, lightReaching(lightClip));
}

@fragment PixelShadowedTexture
in vec2 uv;
in vec3 worldNormal;
in vec3 toLight;
in vec4 lightClip;
in float normalTowardsLight;
out vec4 colour;
void main() {
    colour = shadeWithoutHighlight(texture(meshTexture, uv), worldNormal, normalTowardsLight, toLight, lightReaching(lightClip));
}

@fragment PixelSpecColour
in vec2 uv;
in vec3 worldNormal;
in vec3 toLight;
in vec3 toEye;
out vec4 colour;
void main() {
    colour = shadePixel(meshColor, worldNormal, toLight, toEye, true, 1.0);
}

@fragment PixelSpecTexture
in vec2 uv;
in vec3 worldNormal;
in vec3 toLight;
in vec3 toEye;
out vec4 colour;
void main() {
    colour = shadePixel(texture(meshTexture, uv), worldNormal, toLight, toEye, true, 1.0);
}

@fragment PixelSpecShadowedColour
in vec2 uv;
in vec3 worldNormal;
in vec3 toLight;
in vec3 toEye;
in vec4 lightClip;
out vec4 colour;
void main() {
    colour = shadePixel(meshColor, worldNormal, toLight, toEye, true, lightReaching(lightClip));
}

@fragment PixelSpecShadowedTexture
in vec2 uv;
in vec3 worldNormal;
in vec3 toLight;
in vec3 toEye;
in vec4 lightClip;
out vec4 colour;
void main() {
    colour = shadePixel(texture(meshTexture, uv), worldNormal, toLight, toEye, true, lightReaching(lightClip));
}

@technique ModTexture
pass PerVertexLit VertexLitTexture

@technique LightingOnly
pass PerVertexLit VertexLitColour

@technique PPLightingOnly
pass PerPixel PixelColour

@technique PPModTexture
pass PerPixel PixelTexture

@technique PPHSLightingOnly
pass PerPixelShadowed PixelShadowedColour

@technique PPHSModTexture
pass PerPixelShadowed PixelShadowedTexture

@technique PPSpecLightingOnly
pass PerPixel PixelSpecColour

@technique PPSpecModTexture
pass PerPixel PixelSpecTexture

@technique PPSpecHSLightingOnly
pass PerPixelShadowed PixelSpecShadowedColour

@technique PPSpecHSModTexture
pass PerPixelShadowed PixelSpecShadowedTexture
