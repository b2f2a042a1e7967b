#pragma once
// Where the game's files lie. Started from a folder whose resources/ holds the game's data
// (the GUI atlas and the scene effect, as the build writes them), the game keeps
// everything in that folder: it reads resources/ and writes gamestate.dat and error.txt
// beside it, as a game run from its build folder always has. Started from anywhere else,
// an installed game reads its resources from <prefix>/share/pitchbar/resources, found from
// its own executable so that a moved prefix still works, and keeps gamestate.dat and
// error.txt in the player's data folder, $XDG_DATA_HOME/pitchbar (by default
// ~/.local/share/pitchbar), which it creates on the first run.
#include <string>

struct DataFolders {
    std::string resources;     // ends with a slash, for the ResourceManager
    std::string saveFile;      // gamestate.dat
    std::string errorFile;     // error.txt
    std::string settingsFile;  // settings.txt, the game's own settings beside the save
    std::string playerFolder;  // empty while everything stays in the current folder
};

// What the choice is made from. The game gathers it from the process; tests make their own.
struct DataFolderSources {
    std::string currentFolder = ".";
    std::string executable;                 // absolute path of the running program; "" unknown
    std::string installedResourcesFromBin;  // the resources relative to the executable's folder
    std::string xdgDataHome;                // the XDG_DATA_HOME variable; "" when unset
    std::string home;                       // the player's home folder; "" unknown
};

// false when no resources are found or the player's data folder cannot be named; problem
// then holds one line saying why.
bool chooseDataFolders(const DataFolderSources& sources, DataFolders& folders, std::string& problem);

// Creates the player's data folder and any missing parents (readable by the player alone,
// as the XDG rules ask); does nothing in the current-folder layout.
bool createPlayerFolder(const DataFolders& folders, std::string& problem);

// This process's executable, environment and home folder.
DataFolderSources processDataFolderSources();
