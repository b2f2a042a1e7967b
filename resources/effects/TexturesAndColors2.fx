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

// Per-pixel shading of a base colour: the ambient share always, the diffuse light and the
// highlight as far as the light reaches the point.
vec4 shadePixel(vec4 base, vec3 normal, vec3 toLight, vec3 toEye, bool specular, float shadow) {
    vec3 n = normalize(normal);
    vec3 l = normalize(toLight);
    float lit = ambienceFactor + (1.0 - ambienceFactor) * diffuseAt(n, l) * shadow;
    vec3 rgb = base.rgb * lit;
    if (specular) rgb += vec3(specularAt(n, l, toEye) * shadow);
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
void main() {
    vec3 worldPosition = (world * vec4(position, 1.0)).xyz;
    worldNormal = mat3(world) * normal;
    toLight = lightSourcePosition.xyz - worldPosition;
    toEye = cameraPosition.xyz - worldPosition;
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
in vec3 toEye;
out vec4 colour;
void main() {
    colour = shadePixel(meshColor, worldNormal, toLight, toEye, false, 1.0);
}

@fragment PixelTexture
in vec2 uv;
in vec3 worldNormal;
in vec3 toLight;
in vec3 toEye;
out vec4 colour;
void main() {
    colour = shadePixel(texture(meshTexture, uv), worldNormal, toLight, toEye, false, 1.0);
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
