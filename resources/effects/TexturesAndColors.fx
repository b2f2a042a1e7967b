// The table's lighting: one point light above the centre of the field, an ambient share per
// material, per-vertex or per-pixel diffuse light, an optional specular highlight, textured
// or plain colour, and soft received shadows from the light's R32F distance map.
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

// Distances from the light are stored divided by the light's far plane.
const float kLightFar = 300.0;
const float kShadowBias = 0.35 / 300.0;

vec4 toClip(vec4 p) {
    p.z = p.z * 2.0 - p.w;
    return p;
}

float diffuseAt(vec3 position, vec3 normal) {
    vec3 toLight = normalize(lightSourcePosition.xyz - position);
    return max(dot(normalize(normal), toLight), 0.0);
}

// Blinn highlight towards the camera, only on the side facing the light.
float specularAt(vec3 position, vec3 normal) {
    vec3 n = normalize(normal);
    vec3 toLight = normalize(lightSourcePosition.xyz - position);
    vec3 toEye = normalize(cameraPosition.xyz - position);
    vec3 halfway = normalize(toLight + toEye);
    float facing = step(0.0, dot(n, toLight));
    return facing * specIntensity * pow(max(dot(n, halfway), 0.0), max(specPower, 1.0));
}

// Share of the light that reaches the point: 2x2 percentage-closer filtering, weighted
// bilinearly so that shadow edges fade over a texel instead of stepping.
float lightReaching(vec3 position) {
    vec4 clip = lightViewProj * vec4(position, 1.0);
    if (clip.w <= 0.0) return 1.0;
    vec2 uv = clip.xy / clip.w * 0.5 + 0.5;
    if (uv.x < 0.0 || uv.x > 1.0 || uv.y < 0.0 || uv.y > 1.0) return 1.0;
    float depth = clip.w / kLightFar - kShadowBias;
    vec2 size = vec2(textureSize(shadowMap, 0));
    vec2 texel = uv * size - 0.5;
    vec2 base = floor(texel);
    vec2 f = texel - base;
    ivec2 b = ivec2(base);
    ivec2 limit = ivec2(size) - 1;
    float s00 = step(depth, texelFetch(shadowMap, clamp(b, ivec2(0), limit), 0).r);
    float s10 = step(depth, texelFetch(shadowMap, clamp(b + ivec2(1, 0), ivec2(0), limit), 0).r);
    float s01 = step(depth, texelFetch(shadowMap, clamp(b + ivec2(0, 1), ivec2(0), limit), 0).r);
    float s11 = step(depth, texelFetch(shadowMap, clamp(b + ivec2(1, 1), ivec2(0), limit), 0).r);
    return mix(mix(s00, s10, f.x), mix(s01, s11, f.x), f.y);
}

// Per-pixel shading of a base colour: the ambient share always, the diffuse light and the
// highlight as far as the light reaches the point.
vec4 shadePixel(vec4 base, vec3 position, vec3 normal, bool specular, float shadow) {
    float lit = ambienceFactor + (1.0 - ambienceFactor) * diffuseAt(position, normal) * shadow;
    vec3 rgb = base.rgb * lit;
    if (specular) rgb += vec3(specularAt(position, normal) * shadow);
    return vec4(rgb, base.a);
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
    lit = ambienceFactor + (1.0 - ambienceFactor) * diffuseAt(worldPosition, worldNormal);
    uv = uv0;
    gl_Position = toClip(wvp * vec4(position, 1.0));
}

@vertex PerPixel
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv0;
out vec2 uv;
out vec3 worldPosition;
out vec3 worldNormal;
void main() {
    worldPosition = (world * vec4(position, 1.0)).xyz;
    worldNormal = mat3(world) * normal;
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
in vec3 worldPosition;
in vec3 worldNormal;
out vec4 colour;
void main() {
    colour = shadePixel(meshColor, worldPosition, worldNormal, false, 1.0);
}

@fragment PixelTexture
in vec2 uv;
in vec3 worldPosition;
in vec3 worldNormal;
out vec4 colour;
void main() {
    colour = shadePixel(texture(meshTexture, uv), worldPosition, worldNormal, false, 1.0);
}

@fragment PixelShadowedColour
in vec2 uv;
in vec3 worldPosition;
in vec3 worldNormal;
out vec4 colour;
void main() {
    colour = shadePixel(meshColor, worldPosition, worldNormal, false, lightReaching(worldPosition));
}

@fragment PixelShadowedTexture
in vec2 uv;
in vec3 worldPosition;
in vec3 worldNormal;
out vec4 colour;
void main() {
    colour = shadePixel(texture(meshTexture, uv), worldPosition, worldNormal, false, lightReaching(worldPosition));
}

@fragment PixelSpecColour
in vec2 uv;
in vec3 worldPosition;
in vec3 worldNormal;
out vec4 colour;
void main() {
    colour = shadePixel(meshColor, worldPosition, worldNormal, true, 1.0);
}

@fragment PixelSpecTexture
in vec2 uv;
in vec3 worldPosition;
in vec3 worldNormal;
out vec4 colour;
void main() {
    colour = shadePixel(texture(meshTexture, uv), worldPosition, worldNormal, true, 1.0);
}

@fragment PixelSpecShadowedColour
in vec2 uv;
in vec3 worldPosition;
in vec3 worldNormal;
out vec4 colour;
void main() {
    colour = shadePixel(meshColor, worldPosition, worldNormal, true, lightReaching(worldPosition));
}

@fragment PixelSpecShadowedTexture
in vec2 uv;
in vec3 worldPosition;
in vec3 worldNormal;
out vec4 colour;
void main() {
    colour = shadePixel(texture(meshTexture, uv), worldPosition, worldNormal, true, lightReaching(worldPosition));
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
pass PerPixel PixelShadowedColour

@technique PPHSModTexture
pass PerPixel PixelShadowedTexture

@technique PPSpecLightingOnly
pass PerPixel PixelSpecColour

@technique PPSpecModTexture
pass PerPixel PixelSpecTexture

@technique PPSpecHSLightingOnly
pass PerPixel PixelSpecShadowedColour

@technique PPSpecHSModTexture
pass PerPixel PixelSpecShadowedTexture
