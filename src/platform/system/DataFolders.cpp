#include "platform/system/DataFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

// The build gives the installed layout; this is the usual one.
#ifndef PITCHBAR_RESOURCES_FROM_BIN
#define PITCHBAR_RESOURCES_FROM_BIN "../share/pitchbar/resources"
#endif

namespace {
bool isFolder(const fs::path& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

bool isFile(const fs::path& path)
{
    std::error_code error;
    return fs::is_regular_file(path, error);
}

// A resources folder the game can run from: the GUI atlas and the scene effect, without
// which not even the menus can be drawn. The source tree's resources/ (the hand-written
// effects alone) or a stray ~/resources is no such folder.
bool holdsGameData(const fs::path& resources)
{
    return isFile(resources / "textures" / "gui.png") && isFile(resources / "effects" / "TexturesAndColors.fx");
}

// The player's data folder: XDG_DATA_HOME when it is an absolute path (the XDG rules say to
// ignore a relative one), otherwise ~/.local/share; "" when neither can be named.
std::string dataHome(const DataFolderSources& sources)
{
    if (!sources.xdgDataHome.empty() && fs::path(sources.xdgDataHome).is_absolute())
        return sources.xdgDataHome;
    if (!sources.home.empty())
        return (fs::path(sources.home) / ".local" / "share").string();
    return "";
}
} // namespace

bool chooseDataFolders(const DataFolderSources& sources, DataFolders& folders, std::string& problem)
{
    folders = DataFolders{};
    if (holdsGameData(fs::path(sources.currentFolder) / "resources")) {
        // The game's own folder: the same relative names it has always used.
        folders.resources = "resources/";
        folders.saveFile = "gamestate.dat";
        folders.errorFile = "error.txt";
        folders.settingsFile = "settings.txt";
        return true;
    }

    fs::path installed;
    if (!sources.executable.empty())
        installed = (fs::path(sources.executable).parent_path() / sources.installedResourcesFromBin).lexically_normal();
    if (installed.empty() || !isFolder(installed)) {
        problem = "Pitchbar cannot find its resources: there is no resources folder with the game's data in the current folder";
        problem += installed.empty() ? " and the game's own location is unknown."
                                     : " and none at " + installed.string() + ".";
        return false;
    }
    const std::string home = dataHome(sources);
    if (home.empty()) {
        problem = "Pitchbar cannot find the player's data folder: neither XDG_DATA_HOME nor HOME is set.";
        return false;
    }
    std::string resources = installed.string();
    if (resources.back() != '/')
        resources += '/';
    const fs::path player = fs::path(home) / "pitchbar";
    folders.resources = resources;
    folders.playerFolder = player.string();
    folders.saveFile = (player / "gamestate.dat").string();
    folders.errorFile = (player / "error.txt").string();
    folders.settingsFile = (player / "settings.txt").string();
    return true;
}

bool createPlayerFolder(const DataFolders& folders, std::string& problem)
{
    if (folders.playerFolder.empty())
        return true;
    // Each missing folder from the outermost in, so that only the ones made here get the
    // player-only permissions.
    std::vector<fs::path> missing;
    std::error_code error;
    for (fs::path p = folders.playerFolder; !p.empty() && !fs::exists(p, error); p = p.parent_path()) {
        missing.push_back(p);
        if (p == p.parent_path())
            break;
    }
    error.clear();
    for (auto it = missing.rbegin(); it != missing.rend() && !error; ++it) {
        fs::create_directory(*it, error);
        if (!error)
            fs::permissions(*it, fs::perms::owner_all, fs::perm_options::replace, error);
    }
    if (error || !isFolder(folders.playerFolder)) {
        problem = "Pitchbar cannot create its data folder " + folders.playerFolder;
        problem += error ? ": " + error.message() + "." : ".";
        return false;
    }
    return true;
}

DataFolderSources processDataFolderSources()
{
    DataFolderSources sources;
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error)
        sources.executable = executable.string();
    sources.installedResourcesFromBin = PITCHBAR_RESOURCES_FROM_BIN;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"))
        sources.xdgDataHome = xdg;
    if (const char* home = std::getenv("HOME"); home && *home) {
        sources.home = home;
    } else {
        // No HOME (a bare service environment): the account's own home folder.
        std::vector<char> buffer(16384);
        passwd entry{};
        passwd* found = nullptr;
        if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
            sources.home = found->pw_dir;
    }
    return sources;
}
