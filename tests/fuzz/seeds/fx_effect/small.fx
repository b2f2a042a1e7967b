// two passes
@common
uniform mat4 wvp;
@vertex v
void main() { gl_Position = vec4(0.0); }
@fragment f
out vec4 c;
void main() { c = vec4(1.0); }
@technique T
pass v f
pass v f
@technique Empty
