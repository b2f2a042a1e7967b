#pragma once
// The whole of a file as text, for the tests that read back what the game wrote (error
// lines, a settings file) or a generated resource; empty when the file cannot be read.
#include <fstream>
#include <sstream>
#include <string>

inline std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
