// A framed menu screen with a button, a list, a selector, an editor and a message drawn by
// the real renderer from the generated atlas and fonts; the frame is written to
// menu_screen.png in the test folder for a look, and its telling pixels are checked.
#include "core/ErrorLog.h"
#include "screens/PBScreen.h"
#include "ui/widgets/GuiAtlas.h"
#include "ui/widgets/PBButton.h"
#include "ui/widgets/PBEditor.h"
#include "ui/widgets/PBList.h"
#include "ui/widgets/PBSelector.h"
#include "support/DrawingGame.h"

#include <gtest/gtest.h>

namespace {

class MessageScreen : public PBScreen {
public:
    using PBScreen::PBScreen;
    void draw(int pass) override {
        PBScreen::draw(pass);
        if (pass == 2) drawMessageBox("PRESS [SPACE] TO START");
    }
};

Pixel at(const std::vector<std::uint8_t>& image, int x, int y) { return pixelAt(image, x, y); }

TEST(MenuScreenGl, FramedScreenWithWidgetsLooksRight) {
    setErrorLogPath("menu_screen_errors.txt");
    GameWindow window;
    Game game;
    ASSERT_TRUE(startDrawingGame(window, game));
    Renderer* renderer = game.renderer;

    MessageScreen* screen = new MessageScreen(&game.context, renderer);
    screen->framed = true;
    screen->title = "SETTINGS";
    screen->titleSlide = renderer->textWidth(game.context.fontBig, screen->title) + 6;
    screen->addButton("back", "BACK", 60, 670, 200);
    PBButton* play = screen->addButton("play", "PLAY", 764, 670, 200);
    play->hovered = true;
    PBList* list = new PBList(screen, "profileslist", "PROFILES", game.context.fontSmall, true);
    list->x = 80;
    list->y = 120;
    const GuiAtlas::Rect& icon = GuiAtlas::ProfileIcon;
    const GuiAtlas::Rect& lock = GuiAtlas::LockedMark;
    AtlasImage profileIcon{game.context.guiStyle->texture, icon.x, icon.y, icon.width, icon.height};
    AtlasImage lockIcon{game.context.guiStyle->texture, lock.x, lock.y, lock.width, lock.height};
    for (const char* name : {"ANNA", "BERT 2", "CARLOS", "DIDI'S TEAM"}) list->addItem({name, profileIcon, lockIcon});
    list->selectedRow = 1;
    list->hoveredRow = 2;
    screen->addComponent(list);
    PBSelector* selector = new PBSelector(screen, "musicVolume", {"0", "1", "2", "3"}, game.context.fontSmall, 200);
    selector->x = 420;
    selector->y = 140;
    selector->setIndex(0);
    selector->rightArrowHovered = true;
    screen->addComponent(selector);
    PBEditor* editor = new PBEditor(screen, "PLAYER ONE", game.context.fontSmall);
    editor->x = 420;
    editor->y = 220;
    editor->hasFocus = true;
    screen->addComponent(editor);
    renderer->screen = screen;
    renderer->mouseX = 600;
    renderer->mouseY = 400;

    renderer->renderFrame();
    const std::vector<std::uint8_t> image = renderer->device->readBackBuffer();
    ASSERT_EQ(image.size(), 1024u * 768u * 4u);
    keepFrameAsPng("menu_screen.png", image);

    // Header bar, the green strip under it, the footer bar.
    Pixel header = at(image, 300, 20);
    EXPECT_NEAR(header.r, 0x6C, 2);
    EXPECT_NEAR(header.g, 0x64, 2);
    EXPECT_NEAR(header.b, 0x4C, 2);
    Pixel strip = at(image, 300, 48);
    EXPECT_NEAR(strip.r, 0xBA, 2);
    EXPECT_NEAR(strip.g, 0xD2, 2);
    Pixel footer = at(image, 500, 760);
    EXPECT_NEAR(footer.r, 0x6C, 2);
    // The title's first letter S is white ink somewhere in its box.
    int white = 0;
    for (int y = 6; y < 38; ++y)
        for (int x = 6; x < 40; ++x) {
            Pixel p = at(image, x, y);
            if (p.r > 240 && p.g > 240 && p.b > 240) ++white;
        }
    EXPECT_GT(white, 60);
    // The selected list row is orange.
    Pixel selected = at(image, 200, 120 + 27 + 22 + 2);
    EXPECT_NEAR(selected.r, 0xFB, 3);
    EXPECT_NEAR(selected.g, 0xAB, 3);
}

}  // namespace
