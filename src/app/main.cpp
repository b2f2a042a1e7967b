// The entry point: the Game, the window, the first start-up stage, then the event pump as
// the game loop until the window is closed. The exit code is 0 whatever happened; what
// went wrong is in error.txt.
#include "app/Game.h"
#include "app/log/ErrorLog.h"
#include "platform/window/GameWindow.h"
#include "platform/window/SdlErrorBox.h"

namespace {
class GameLoopClient : public WindowClient {
public:
    void onFrame() override
    {
        if (gGame)
            gGame->runFrame();
    }
    void onClose() override
    {
        if (gGame)
            gGame->profileStore.save();
    }
};
} // namespace

int main(int, char**)
{
    SdlErrorBox errorBox;
    setErrorBoxPresenter(&errorBox);
    {
        // The window outlives the Game: the renderer's context lives on it.
        GameWindow window;
        gGame = new Game();
        bool started = window.create() && gGame->init(&window);
        if (!started) {
            logError("Could not initialize game.");
        } else {
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
