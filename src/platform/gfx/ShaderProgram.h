#pragma once
// Compiling and linking GLSL. false with the driver's log in errors.
#include <string>

bool compileShader(unsigned int type, const std::string& source, unsigned int& shader,
                   std::string& errors);
bool linkProgram(unsigned int vertexShader, unsigned int fragmentShader, unsigned int& program,
                 std::string& errors);
