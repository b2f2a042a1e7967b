#include "profiles/DamagedFileName.h"

#include "platform/files/FileReplace.h"

std::string nameForDamagedFile(const std::string& file)
{
    std::string name;
    for (int i = 0; i < kKeptDamagedFiles; ++i) {
        name = file + ".bad" + (i == 0 ? "" : "." + std::to_string(i));
        if (!pathExists(name))
            break;
    }
    return name;
}
