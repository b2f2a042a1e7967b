// The entry point: the Game, the window, the first start-up stage, then the event pump as
// the game loop until the window is closed. The exit code is 0 whatever happened; what
// went wrong is in error.txt.
#include "app/Game.h"
#include "core/ErrorLog.h"
#include "platform/system/ApplicationId.h"
#include "platform/system/DataFolders.h"
#include "platform/system/MemoryMode.h"
#include "platform/window/GameWindow.h"
#include "platform/window/SdlErrorBox.h"

#include <cstdio>

namespace {
class GameLoopClient : public WindowClient {
public:
    void onFrame() override
    {
        if (gGame)
            gGame->runFrame();
    }
    bool onClose() override { return !gGame || gGame->saveBeforeLeaving(); }
    void onTerminate() override
    {
        if (gGame)
            gGame->profileStore.save();
    }
};
} // namespace

int main(int, char**)
{
    SdlErrorBox errorBox;
    announceApplicationId();
    // Without resources or a place for the save there is no game: say so where a player
    // started from a terminal and one started from the menu both see it. There is no error
    // file to write to yet.
    DataFolders folders;
    std::string problem;
    if (!chooseDataFolders(processDataFolderSources(), folders, problem) || !createPlayerFolder(folders, problem)) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        errorBox.present("Error", problem);
        return 0;
    }
    setErrorLogPath(folders.errorFile);
    setErrorBoxPresenter(&errorBox);
    {
        // The window outlives the Game: the renderer's context lives on it.
        GameWindow window;
        gGame = new Game();
        gGame->resourceDirectory = folders.resources;
        gGame->profileStore.filePath = folders.saveFile;
        // Start-up leaves no high-water heap behind: freed decoded images and music go
        // straight back to the system until the first frame.
        returnLargeBlocksAtOnce();
        bool started = window.create() && gGame->init(&window);
        if (!started) {
            logError("Could not initialize game.");
        } else {
            keepLargeBlocksBetweenFrames();
            window.show();
            GameLoopClient client;
            window.runMessageLoop(client);
        }
        delete gGame;
        gGame = nullptr;
    }
    setErrorBoxPresenter(nullptr);
    return 0;
}
