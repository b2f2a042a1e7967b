// picture-set <folder>: the pictures a new player sees first, drawn by the real game (its
// start-up, its menus, its match screen and renderer) into PNG files for a look:
//   main_menu.png    the profiles with one selected
//   player_menu.png  the opponents, a locked one selected (its play button disabled)
//   settings.png     the player settings
//   help.png         the first help page
//   help_pads.png    the help's page of pads and two players
//   match.png        a match with the ball rolling
//   goal.png         the ball dropping into the opponent's goal
//   view_low.png     the low view from the side, after TAB
//   view_goal.png    the view from behind the player's goal, after TAB again
//   replay.png       the replay of a goal, from low behind the goal that was hit
//   paused.png       the quit question over the paused match
//   winner.png       the congratulation after the last opponent
// With "wide" after the folder, the game runs full screen with the wide picture on (the
// picture at the display's own size, e.g. 1920x1080) and the pictures are that size.
// Run from a folder that holds the game's resources/ (the game's own layout); it writes
// its save and error files there. Needs a DISPLAY.
#include "app/Game.h"
#include "input/InputSystem.h"
#include "platform/gfx/GraphicsDevice.h"
#include "platform/window/GameWindow.h"
#include "render/Renderer.h"
#include "screens/HelpScreen.h"
#include "screens/MatchScreen.h"
#include "profiles/SettingsFile.h"
#include "input/KeyCodes.h"
#include "screens/PlayerScreen.h"
#include "screens/ProfilesScreen.h"
#include "ui/widgets/PBList.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
#pragma GCC diagnostic pop

#include <cstdio>
#include <string>
#include <vector>

namespace {

class PictureSet {
public:
    PictureSet(Game& game, std::string folder) : game_(game), folder_(std::move(folder)) {}

    // Makes the screen the current one, faded in, and lets it run `frames` frames.
    void show(PBScreen* screen, int frames = 2) {
        Renderer* renderer = game_.renderer;
        KRScreen* current = currentScreen(*renderer);
        if (current && current != screen) current->onLeave();
        renderer->screen = screen;
        screen->transition = PBScreen::Shown;
        screen->transitionTime = 0.0f;
        screen->onEnter();
        run(frames, 1.0f / 60.0f);
    }

    void run(int frames, float dt) {
        for (int i = 0; i < frames; ++i) {
            currentScreen(*game_.renderer)->update(dt);
            game_.renderer->renderFrame();
        }
    }

    bool keep(const std::string& name) {
        game_.renderer->renderFrame();
        std::vector<std::uint8_t> frame = game_.renderer->device->readBackBuffer();
        const std::string path = folder_ + "/" + name;
        const int w = game_.renderer->device->pictureWidth(), h = game_.renderer->device->pictureHeight();
        if (frame.size() != static_cast<std::size_t>(w) * h * 4u ||
            !stbi_write_png(path.c_str(), w, h, 4, frame.data(), w * 4)) {
            std::fprintf(stderr, "picture-set: cannot write %s\n", path.c_str());
            return false;
        }
        std::printf("%s\n", path.c_str());
        return true;
    }

private:
    Game& game_;
    std::string folder_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: picture-set <folder> [wide]\n");
        return 2;
    }
    const bool wide = argc > 2 && std::string(argv[2]) == "wide";
    GameWindow window;
    Game game;
    if (!window.create() || !game.init(&window)) {
        std::fprintf(stderr, "picture-set: the game did not start (see error.txt)\n");
        return 1;
    }
    game.createMenus();
    if (wide) {
        // Full screen on the display, as a player's game runs, with the wide picture.
        game.settings.setFlag("video.widePicture", true);
        window.show();
    }
    game.applyVideoSettings();
    PictureSet pictures(game, argv[1]);
    // The pointer rests where it covers nothing on any of the screens.
    game.renderer->mouseX = 1000;
    game.renderer->mouseY = 600;

    ProfileStore& store = game.profileStore;
    Profile* ann = store.addProfile("ANN");
    store.addProfile("BOB");
    store.addProfile("CLARA");
    ann->bestLevel = 1;  // two opponents beaten: open and locked ones in the list
    store.selectProfile(ann);

    bool ok = true;
    auto* profiles = static_cast<ProfilesScreen*>(game.context.screens.profilesScreen);
    pictures.show(profiles);
    profiles->profilesList->onMouseDown(20, PBList::FirstRowTop + 8);  // the first row
    pictures.run(2, 1.0f / 60.0f);
    ok &= pictures.keep("main_menu.png");

    auto* player = static_cast<PlayerScreen*>(game.context.screens.playerScreen);
    pictures.show(player);
    // Press on the fifth row: a locked opponent, whose play button is disabled.
    player->opponentsList->onMouseDown(20, PBList::FirstRowTop + 4 * PBList::RowHeight + 8);
    pictures.run(2, 1.0f / 60.0f);
    ok &= pictures.keep("player_menu.png");

    pictures.show(game.context.screens.settingsScreen);
    ok &= pictures.keep("settings.png");

    auto* help = static_cast<HelpScreen*>(game.context.screens.helpScreen);
    help->page = 0;
    pictures.show(help);
    ok &= pictures.keep("help.png");
    help->showingPadPage = true;
    pictures.show(help);
    ok &= pictures.keep("help_pads.png");
    help->showingPadPage = false;

    // A match against the first opponent: a few seconds of play, the ball pushed on
    // whenever it comes to rest, then the ball sent rolling across the field.
    auto* match = static_cast<MatchScreen*>(game.context.screens.matchScreen);
    store.currentOpponent = 0;
    pictures.show(match, 1);
    Simulation& sim = match->simulation;
    InputSystem& input = *game.context.inputSystem;
    for (int i = 0; i < 40; ++i) {
        input.mouseMoveX = (i % 20 < 10) ? 12.0f : -12.0f;
        input.mouseMoveY = 0.0f;
        pictures.run(1, 1.0f / 30.0f);
    }
    input.mouseMoveX = input.mouseMoveY = 0.0f;
    sim.placeBall(44.0f, 24.0f);
    sim.ballAtRest = false;
    sim.ballVelocity = Vector3(70.0f, 0.0f, 30.0f);
    pictures.run(3, 1.0f / 60.0f);
    ok &= pictures.keep("match.png");

    // A shot past the goalkeeper: the ball sinks into the goal box, the goal is counted and
    // announced.
    sim.placeBall(100.0f, 26.0f);
    sim.ballAtRest = false;
    sim.ballVelocity = Vector3(400.0f, 0.0f, 0.0f);
    for (int i = 0; i < 200 && sim.state == InPlay; ++i) pictures.run(1, 1.0f / 200.0f);
    for (int i = 0; i < 60 && sim.score[0] == 0; ++i) pictures.run(1, 1.0f / 60.0f);
    if (sim.score[0] != 1) {
        std::fprintf(stderr, "picture-set: the shot did not score\n");
        ok = false;
    }
    pictures.run(20, 1.0f / 60.0f);
    ok &= pictures.keep("goal.png");
    // ESC: the quit question over the paused match.
    match->paused = match->quitPrompt = true;
    pictures.run(1, 1.0f / 60.0f);
    ok &= pictures.keep("paused.png");
    match->paused = match->quitPrompt = false;

    // TAB steps through the views; the low one glides after the ball.
    auto tab = [&] {
        input.keys[Key::Tab] = Key::DownBit;
        pictures.run(1, 1.0f / 60.0f);
        input.keys[Key::Tab] = 0;
    };
    tab();
    pictures.run(15, 1.0f / 15.0f);
    ok &= pictures.keep("view_low.png");
    tab();
    pictures.run(2, 1.0f / 60.0f);
    ok &= pictures.keep("view_goal.png");
    tab();

    // With replays on, the next goal is shown again.
    game.settings.setFlag(SettingsFile::profileKey("ANN", "replays"), true);
    pictures.show(match, 1);
    pictures.run(30, 1.0f / 10.0f);
    sim.placeBall(100.0f, 26.0f);
    sim.ballAtRest = false;
    sim.ballVelocity = Vector3(400.0f, 0.0f, 0.0f);
    for (int i = 0; i < 400 && !match->replay.running(); ++i) pictures.run(1, 1.0f / 100.0f);
    if (!match->replay.running()) {
        std::fprintf(stderr, "picture-set: no replay after the shot\n");
        ok = false;
    }
    pictures.run(10, 0.3f);  // three seconds into it, the last before the slow one
    ok &= pictures.keep("replay.png");
    match->onLeave();
    game.renderer->screen = nullptr;

    pictures.show(game.context.screens.winnerScreen);
    ok &= pictures.keep("winner.png");
    game.renderer->screen = nullptr;
    return ok ? 0 : 1;
}
