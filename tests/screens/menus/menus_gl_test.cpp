// The main menu, the new-profile and delete questions, the player menu and the winner
// screen drawn by the real renderer from the generated atlas, fonts and pictures. Each frame
// is kept as a PNG in the test folder for a look; the telling pixels are checked.
#include "core/ErrorLog.h"
#include "screens/DeleteProfileScreen.h"
#include "screens/NewProfileScreen.h"
#include "screens/PlayerScreen.h"
#include "screens/ProfilesScreen.h"
#include "screens/WinnerScreen.h"
#include "ui/widgets/PBEditor.h"
#include "ui/widgets/PBList.h"
#include "support/DrawingGame.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct MenusGl : ::testing::Test {
    GameWindow window;
    Game game;
    Renderer* renderer = nullptr;

    void SetUp() override {
        setErrorLogPath("menus_gl_errors.txt");
        game.profileStore.filePath = "menus_gl_gamestate.dat";
        ASSERT_TRUE(startDrawingGame(window, game));
        renderer = game.renderer;
        game.context.screens.profilesScreen = new ProfilesScreen(&game.context, renderer);
        game.context.screens.newProfileScreen = new NewProfileScreen(&game.context, renderer);
        game.context.screens.deleteProfileScreen = new DeleteProfileScreen(&game.context, renderer);
        game.context.screens.playerScreen = new PlayerScreen(&game.context, renderer);
        game.context.screens.winnerScreen = new WinnerScreen(&game.context, renderer);
        renderer->mouseX = 1000;
        renderer->mouseY = 740;
    }
    void TearDown() override {
        renderer->screen = nullptr;
    }

    // Draws the screen as shown (no fade) and keeps the frame as <name>.png.
    std::vector<std::uint8_t> frame(PBScreen* screen, const std::string& name) {
        renderer->screen = screen;
        screen->onEnter();
        screen->transition = PBScreen::Shown;
        renderer->renderFrame();
        std::vector<std::uint8_t> image = renderer->device->readBackBuffer();
        EXPECT_EQ(image.size(), 1024u * 768u * 4u);
        keepFrameAsPng(name + ".png", image);
        return image;
    }
    static Pixel at(const std::vector<std::uint8_t>& image, int x, int y) { return pixelAt(image, x, y); }
    static bool orange(Pixel p) { return p.r > 200 && p.g > 120 && p.g < 200 && p.b < 90; }
    // Pixels of near-white ink inside the rectangle: drawn text.
    static int whiteInk(const std::vector<std::uint8_t>& image, int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                Pixel p = at(image, x, y);
                n += p.r > 230 && p.g > 230 && p.b > 230;
            }
        return n;
    }
    static int orangeInk(const std::vector<std::uint8_t>& image, int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += orange(at(image, x, y));
        return n;
    }
    static int distinctColours(const std::vector<std::uint8_t>& image) {
        std::set<std::uint32_t> colours;
        for (size_t i = 0; i + 3 < image.size(); i += 4 * 97)
            colours.insert(image[i] << 16 | image[i + 1] << 8 | image[i + 2]);
        return static_cast<int>(colours.size());
    }
};

TEST_F(MenusGl, MainMenuShowsItsListAndButtons)
{
    game.profileStore.addProfile("ANNA");
    game.profileStore.addProfile("BERT 2");
    auto* menu = static_cast<ProfilesScreen*>(game.context.screens.profilesScreen);
    menu->onEnter();
    menu->profilesList->selectedRow = 1;
    const auto image = frame(menu, "main_menu");
    ASSERT_FALSE(image.empty());
    EXPECT_GT(distinctColours(image), 40);
    // The list's title bar in the panel colour, the selected row orange.
    Pixel titleBar = at(image, 450, 226);
    EXPECT_NEAR(titleBar.r, 0x6C, 3);
    EXPECT_NEAR(titleBar.g, 0x64, 3);
    EXPECT_TRUE(orange(at(image, 300, 222 + 27 + 22 + 2)));
    // The first row's name and the "QUIT GAME" label are drawn.
    EXPECT_GT(whiteInk(image, 294, 222 + 27, 480, 222 + 27 + 22), 20);
    EXPECT_GT(whiteInk(image, 540, 460, 740, 492), 20);
    // The title in the header.
    EXPECT_GT(whiteInk(image, 6, 6, 200, 40), 80);
}

TEST_F(MenusGl, PlayerMenuShowsTheOpponentAndItsPicture)
{
    Profile* p = game.profileStore.addProfile("ANNA");
    p->bestLevel = 1;
    p->bestConceded = 3;
    game.profileStore.selectProfile(p);
    const auto image = frame(game.context.screens.playerScreen, "player_menu");
    ASSERT_FALSE(image.empty());
    EXPECT_GT(distinctColours(image), 60);
    // Profile name, level and best result in orange right of the labels.
    EXPECT_GT(orangeInk(image, 370, 80, 700, 156), 60);
    // The description is drawn below the opponent's name.
    EXPECT_GT(whiteInk(image, 370, 240, 780, 330), 200);
    // The picture fills its square: many colours and not the menu background's.
    std::set<std::uint32_t> pictureColours;
    for (int y = 200; y < 328; y += 4)
        for (int x = 786; x < 914; x += 4) {
            Pixel q = at(image, x, y);
            pictureColours.insert(q.r << 16 | q.g << 8 | q.b);
        }
    EXPECT_GT(pictureColours.size(), 30u);
    // "PLAY!" is enabled for the opponent to beat next: its label is white.
    EXPECT_GT(whiteInk(image, 370, 440, 727, 472), 20);

    // A new profile: the longest level text still stands on the panel.
    game.profileStore.selectProfile(game.profileStore.addProfile("BOB"));
    const auto fresh = frame(game.context.screens.playerScreen, "player_menu_new");
    ASSERT_FALSE(fresh.empty());
    EXPECT_GT(orangeInk(fresh, 370, 100, 760, 126), 60);
}

TEST_F(MenusGl, ProfileQuestionsAndTheWinnerScreenAreDrawn)
{
    auto* create = static_cast<NewProfileScreen*>(game.context.screens.newProfileScreen);
    renderer->screen = create;
    create->onEnter();
    create->editor->text = "PLAYER ONE";
    create->message = "A profile with this name already exists.";
    renderer->renderFrame();
    auto image = renderer->device->readBackBuffer();
    ASSERT_EQ(image.size(), 1024u * 768u * 4u);
    keepFrameAsPng("new_profile.png", image);
    EXPECT_GT(orangeInk(image, 300, 392, 724, 414), 40);   // the message
    EXPECT_GT(whiteInk(image, 300, 300, 475, 320), 20);    // "PROFILE NAME."

    auto* remove = static_cast<DeleteProfileScreen*>(game.context.screens.deleteProfileScreen);
    remove->profileName = "ANNA";
    image = frame(remove, "delete_profile");
    ASSERT_FALSE(image.empty());
    EXPECT_GT(orangeInk(image, 300, 344, 724, 366), 15);   // the highlighted name
    EXPECT_GT(whiteInk(image, 200, 344, 824, 366), 100);   // the question

    image = frame(game.context.screens.winnerScreen, "winner");
    ASSERT_FALSE(image.empty());
    EXPECT_GT(distinctColours(image), 100);
    EXPECT_GT(whiteInk(image, 450, 720, 574, 752), 20);    // "CONTINUE"
}

}  // namespace
