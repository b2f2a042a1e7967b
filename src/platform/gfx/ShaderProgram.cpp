#include "platform/gfx/ShaderProgram.h"

#include <epoxy/gl.h>

#include <vector>

bool compileShader(unsigned int type, const std::string& source, unsigned int& shader,
                   std::string& errors) {
    shader = glCreateShader(type);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok == GL_TRUE) return true;
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log(static_cast<std::size_t>(length > 1 ? length : 1), '\0');
    glGetShaderInfoLog(shader, static_cast<GLsizei>(log.size()), nullptr, log.data());
    errors += log.data();
    glDeleteShader(shader);
    shader = 0;
    return false;
}

bool linkProgram(unsigned int vertexShader, unsigned int fragmentShader, unsigned int& program,
                 std::string& errors) {
    program = glCreateProgram();
    glAttachShader(program, vertexShader);
    glAttachShader(program, fragmentShader);
    glLinkProgram(program);
    GLint ok = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    glDetachShader(program, vertexShader);
    glDetachShader(program, fragmentShader);
    if (ok == GL_TRUE) return true;
    GLint length = 0;
    glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log(static_cast<std::size_t>(length > 1 ? length : 1), '\0');
    glGetProgramInfoLog(program, static_cast<GLsizei>(log.size()), nullptr, log.data());
    errors += log.data();
    glDeleteProgram(program);
    program = 0;
    return false;
}
