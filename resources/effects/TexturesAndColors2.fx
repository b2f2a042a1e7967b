// The table's lighting for devices without shadows: one point light above the centre of
// the field, an ambient share per material, per-vertex or per-pixel diffuse light, an
// optional specular highlight, textured or plain colour.
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

@technique ModTexture
pass PerVertexLit VertexLitTexture

@technique LightingOnly
pass PerVertexLit VertexLitColour

@technique PPLightingOnly
pass PerPixel PixelColour

@technique PPModTexture
pass PerPixel PixelTexture

@technique PPSpecLightingOnly
pass PerPixel PixelSpecColour

@technique PPSpecModTexture
pass PerPixel PixelSpecTexture
