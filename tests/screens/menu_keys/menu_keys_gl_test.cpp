// The menu focus drawn by the real renderer from the generated atlas and fonts: a ring in
// the highlight colour round the focused widget on the main menu, the player menu and the
// settings, and the letter grid of the new-profile screen. Each frame is kept as a PNG
// (before_*.png without the focus, after_*.png with it) for a look.
#include "core/ErrorLog.h"
#include "screens/NewProfileScreen.h"
#include "screens/PlayerScreen.h"
#include "screens/ProfilesScreen.h"
#include "screens/SettingsScreen.h"
#include "support/DrawingGame.h"
#include "ui/widgets/PBButton.h"
#include "ui/widgets/PBEditor.h"
#include "ui/widgets/PBLetterGrid.h"
#include "ui/widgets/PBList.h"
#include "ui/widgets/PBSelector.h"

#include <gtest/gtest.h>

namespace {

struct MenuKeysGl : ::testing::Test {
    GameWindow window;
    Game game;
    Renderer* renderer = nullptr;

    void SetUp() override {
        setErrorLogPath("menu_keys_gl_errors.txt");
        game.profileStore.filePath = "menu_keys_gl_gamestate.dat";
        ASSERT_TRUE(startDrawingGame(window, game));
        renderer = game.renderer;
        renderer->mouseX = 1000;
        renderer->mouseY = 740;
        Profile* p = game.profileStore.addProfile("ANNA");
        game.profileStore.addProfile("BERT 2");
        game.profileStore.selectProfile(p);
    }
    void TearDown() override { renderer->screen = nullptr; }

    std::vector<std::uint8_t> frame(PBScreen* screen, const std::string& name) {
        renderer->screen = screen;
        screen->transition = PBScreen::Shown;
        renderer->renderFrame();
        std::vector<std::uint8_t> image = renderer->device->readBackBuffer();
        EXPECT_EQ(image.size(), 1024u * 768u * 4u);
        keepFrameAsPng(name + ".png", image);
        return image;
    }
    static bool orange(Pixel p) { return p.r > 200 && p.g > 120 && p.g < 200 && p.b < 90; }
    // Orange pixels on the ring's line round a rectangle: 2 to 3 pixels outside it.
    static int ringInk(const std::vector<std::uint8_t>& image, const FocusRect& r) {
        int n = 0;
        for (int x = r.x; x < r.x + r.width; ++x)
            n += orange(pixelAt(image, x, r.y - 3)) + orange(pixelAt(image, x, r.y + r.height + 2));
        for (int y = r.y; y < r.y + r.height; ++y)
            n += orange(pixelAt(image, r.x - 3, y)) + orange(pixelAt(image, r.x + r.width + 2, y));
        return n;
    }
    // Before and after: the ring goes all round the focused widget and only there.
    void expectRing(PBScreen* screen, GUIComponent* widget, const std::string& name) {
        screen->menuFocusShown = false;
        const auto before = frame(screen, "before_" + name);
        screen->setMenuFocus(widget);
        const auto after = frame(screen, "after_" + name);
        const FocusRect r = widget->menuFocusRect();
        const int all = 2 * (r.width + r.height);
        EXPECT_LT(ringInk(before, r), all / 4) << name;
        EXPECT_GT(ringInk(after, r), all * 9 / 10) << name;
    }
};

TEST_F(MenuKeysGl, TheFocusRingGoesRoundTheFocusedWidget)
{
    auto* menu = new ProfilesScreen(&game.context, renderer);
    game.context.screens.profilesScreen = menu;
    menu->onEnter();
    expectRing(menu, menu->playButton, "main_menu");

    auto* player = new PlayerScreen(&game.context, renderer);
    game.context.screens.playerScreen = player;
    player->onEnter();
    expectRing(player, player->opponentsList, "player_menu");

    auto* settings = new SettingsScreen(&game.context, renderer);
    game.context.screens.settingsScreen = settings;
    settings->onEnter();
    expectRing(settings, settings->selector("rodSelection"), "settings");
}

TEST_F(MenuKeysGl, ThePadsLetterGridStandsUnderTheButtons)
{
    auto* create = new NewProfileScreen(&game.context, renderer);
    game.context.screens.newProfileScreen = create;
    create->onEnter();
    create->editor->text = "PAD";
    const auto before = frame(create, "before_letter_grid");
    create->onMenuKey(MenuKeyPress{MenuKey::Down, true});
    for (MenuKey k : {MenuKey::Down, MenuKey::Right, MenuKey::Right, MenuKey::Right})
        create->letterGrid->onMenuKey(k);
    const auto after = frame(create, "after_letter_grid");
    const FocusRect grid{create->letterGrid->x, create->letterGrid->y, create->letterGrid->width,
                         create->letterGrid->height};
    // Inside the screen, clear of the buttons and of the message under them.
    EXPECT_GE(grid.y, NewProfileScreen::kMessageY + 22);
    EXPECT_LE(grid.y + grid.height, 714);
    EXPECT_GE(grid.x, 0);
    EXPECT_LE(grid.x + grid.width, 1024);
    // The ring round the focused cap (Q: second row, fourth cap), and white letters on
    // the caps.
    EXPECT_GT(ringInk(after, create->letterGrid->menuFocusRect()), 90);
    int letters = 0;
    for (int y = grid.y; y < grid.y + grid.height; ++y)
        for (int x = grid.x; x < grid.x + grid.width; ++x) {
            const Pixel p = pixelAt(after, x, y);
            letters += p.r > 230 && p.g > 230 && p.b > 230;
        }
    EXPECT_GT(letters, 1000);
    EXPECT_EQ(create->letterGrid->cells[static_cast<std::size_t>(create->letterGrid->focusedCell)].character, 'Q');
    (void)before;
}

}  // namespace
