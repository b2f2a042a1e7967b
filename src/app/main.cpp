// The entry point: the command line, the Game, the window, the first start-up stage, then
// the event pump as the game loop until the window is closed. A start that fails says why on
// standard error (and in a box) and ends with exit code 1; once the game runs, the exit
// code is 0 and what went wrong is in error.txt.
#include "app/CommandLine.h"
#include "app/Game.h"
#include "app/StartFailure.h"
#include "app/WindowSettings.h"
#include "core/ErrorLog.h"
#include "platform/system/ApplicationId.h"
#include "platform/system/DataFolders.h"
#include "platform/system/InstanceLock.h"
#include "platform/system/MemoryMode.h"
#include "platform/window/GameWindow.h"
#include "platform/window/SdlErrorBox.h"

#include <cstdio>

namespace {
// The game's error box, counting what it showed: a start that failed after a box of its
// own (the graphics device's) needs no second one.
class CountingErrorBox : public ErrorBoxPresenter {
public:
    explicit CountingErrorBox(ErrorBoxPresenter& box) : box_(box) {}
    void present(const std::string& title, const std::string& message) override
    {
        ++shown;
        box_.present(title, message);
    }
    int shown = 0;

private:
    ErrorBoxPresenter& box_;
};

class GameLoopClient : public WindowClient {
public:
    void onFrame() override
    {
        if (gGame)
            gGame->runFrame();
    }
    bool onClose() override { return !gGame || gGame->saveBeforeLeaving(); }
    int frameRateLimit() const override { return gGame ? gGame->frameRateLimit() : 0; }
    void onDisplayLost() override
    {
        if (!gGame)
            return;
        logError("The connection to the display was lost; the game saved and ended.");
        gGame->keepEditsOfEnding();
        gGame->settings.save();
        gGame->profileStore.save();
    }
    void onTerminate() override
    {
        if (gGame) {
            gGame->keepEditsOfEnding();
            gGame->saveSettings();
            gGame->profileStore.save();
        }
    }
};
} // namespace

int main(int argc, char** argv)
{
    const CommandLineAnswer commandLine = readCommandLine(argc, argv);
    if (commandLine.action == CommandLineAction::PrintAndEnd) {
        std::fputs(commandLine.text.c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (commandLine.action == CommandLineAction::Refuse) {
        std::fputs(commandLine.text.c_str(), stderr);
        return 2;
    }
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
        return 1;
    }
    // A second copy leaves before it reads or writes anything of the first one's.
    InstanceLock oneCopy;
    bool heldElsewhere = false;
    if (!oneCopy.acquire(lockPathBeside(folders.saveFile), heldElsewhere, problem)) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        errorBox.present(heldElsewhere ? "Pitchbar" : "Error", problem);
        return 1;
    }
    setErrorLogPath(folders.errorFile);
    CountingErrorBox countingBox(errorBox);
    setErrorBoxPresenter(&countingBox);
    const std::uintmax_t errorsBefore = errorFileEnd(folders.errorFile);
    int exitCode = 0;
    {
        // The window outlives the Game: the renderer's context lives on it.
        GameWindow window;
        gGame = new Game();
        gGame->resourceDirectory = folders.resources;
        gGame->profileStore.filePath = folders.saveFile;
        gGame->settings.filePath = folders.settingsFile;
        gGame->settings.load();
        // Start-up leaves no high-water heap behind: freed decoded images and music go
        // straight back to the system until the first frame.
        returnLargeBlocksAtOnce();
        bool started = window.create() && gGame->init(&window);
        if (!started) {
            logError("Could not initialize game.");
            const std::string line = startFailureLine(firstErrorSince(folders.errorFile, errorsBefore), folders.errorFile);
            std::fprintf(stderr, "%s\n", line.c_str());
            if (countingBox.shown == 0)
                errorBox.present("Error", line);
            exitCode = 1;
        } else {
            keepLargeBlocksBetweenFrames();
            window.place(readWindowPlacement(gGame->settings));
            window.show();
            GameLoopClient client;
            window.runMessageLoop(client);
        }
        delete gGame;
        gGame = nullptr;
    }
    setErrorBoxPresenter(nullptr);
    return exitCode;
}
