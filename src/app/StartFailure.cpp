#include "app/StartFailure.h"

#include <fstream>

std::uintmax_t errorFileEnd(const std::string& path)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file)
        return 0;
    const std::streamoff end = file.tellg();
    return end > 0 ? static_cast<std::uintmax_t>(end) : 0;
}

std::string firstErrorSince(const std::string& path, std::uintmax_t from)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return "";
    file.seekg(static_cast<std::streamoff>(from));
    std::string line;
    const std::string prefix = "error: ";
    while (std::getline(file, line))
        if (line.compare(0, prefix.size(), prefix) == 0)
            return line.substr(prefix.size());
    return "";
}

std::string startFailureLine(const std::string& firstError, const std::string& errorFile)
{
    std::string line = "Pitchbar could not start";
    line += firstError.empty() ? "." : ": " + firstError;
    return line + " (every line in " + errorFile + ")";
}
