// The settings screen as the player uses it: selectors stepped with their arrows show and
// store the profile's values, sound is heard at once, shadows stay as they are where the
// device cannot draw them, and going back stores, saves and returns to the player menu.
#include "audio/SoundSystem.h"
#include "profiles/ProfileStore.h"
#include "screens/SettingsRows.h"
#include "screens/SettingsScreen.h"
#include "screens/menus_b/MenusFixture.h"
#include "ui/widgets/PBSelector.h"

#include <fstream>

namespace {

struct SettingsScreenTest : MenusFixture {
    SettingsScreen* settings = nullptr;
    Profile* ann = nullptr;

    void SetUp() override {
        MenusFixture::SetUp();
        game.renderer->shadowCapable = true;
        ann = game.profileStore.addProfile("ANN");
        game.profileStore.selectProfile(ann);
        settings = new SettingsScreen(&game, game.renderer);
        game.settingsScreen = settings;
    }
    PBSelector* sel(const std::string& id) {
        PBSelector* s = settings->selector(id);
        EXPECT_NE(s, nullptr) << id;
        return s;
    }
    // Presses on the selector's arrows, as the player does (negative: left arrow).
    void press(const std::string& id, int steps) {
        PBSelector* s = sel(id);
        for (int i = 0; i < steps; ++i) s->onMouseDown(s->width - 5, 10);
        for (int i = 0; i < -steps; ++i) s->onMouseDown(5, 10);
    }
    std::string shown(const std::string& id) { return sel(id)->currentValue(); }
};

TEST_F(SettingsScreenTest, SelectorsShowTheProfileAndGoingBackStoresAndSavesThem)
{
    ann->soundVolume = 9;
    ann->rim = false;
    ann->clickRotVel = 15;
    ann->rodRotDir = 1;
    enter(settings);
    EXPECT_EQ("9", shown("soundVolume"));
    EXPECT_EQ("OFF", shown("rim"));
    EXPECT_EQ("15", shown("clickRotVel"));
    EXPECT_EQ("OPPOSITE", shown("rodRotDir"));
    EXPECT_EQ("8", shown("horizontalMouseSens"));
    EXPECT_EQ("AUTO", shown("rodSelection"));
    ASSERT_EQ(13u, settings->selectors.size());
    EXPECT_EQ("BACK TO PLAYER MENU", settings->quitButton->label);

    // Horizontal sensitivity shown "7", rod selection "BACK", music off at volume 4.
    press("horizontalMouseSens", -1);
    press("rodSelection", 2);
    press("music", -1);
    press("musicVolume", -11);
    EXPECT_EQ("7", shown("horizontalMouseSens"));
    EXPECT_EQ("BACK", shown("rodSelection"));
    EXPECT_EQ("4", shown("musicVolume"));
    // Nothing is kept before the way out.
    EXPECT_EQ(8, ann->horizontalMouseSens);
    EXPECT_FALSE(std::filesystem::exists(game.profileStore.filePath));

    ASSERT_TRUE(click(settings, "quit"));
    EXPECT_EQ(7, ann->horizontalMouseSens);
    EXPECT_EQ(3, ann->rodSelection);
    EXPECT_FALSE(ann->music);
    EXPECT_EQ(4, ann->musicVolume);
    EXPECT_EQ(9, ann->soundVolume);
    EXPECT_FALSE(ann->rim);
    // The store's sound block follows the profile.
    EXPECT_FALSE(game.profileStore.music);
    EXPECT_EQ(4, game.profileStore.musicVolume);
    EXPECT_EQ(9, game.profileStore.soundVolume);
    EXPECT_EQ(game.playerScreen, afterFade(settings));

    // Saved: a fresh store reads the same values back.
    ProfileStore reread;
    reread.filePath = game.profileStore.filePath;
    EXPECT_TRUE(reread.load(true));
    ASSERT_EQ(1u, reread.profiles.size());
    EXPECT_EQ(7, reread.profiles[0]->horizontalMouseSens);
    EXPECT_EQ(3, reread.profiles[0]->rodSelection);
    EXPECT_FALSE(reread.profiles[0]->music);
    EXPECT_EQ(4, reread.musicVolume);
    EXPECT_FALSE(errorFileExists());
}

TEST_F(SettingsScreenTest, SoundChangesAreHeardAtOnce)
{
    ann->soundVolume = 15;
    game.applySoundSettings(ann->soundSettings());
    enter(settings);
    EXPECT_FLOAT_EQ(1.0f, game.soundSystem->masterVolume());
    press("soundVolume", -5);
    EXPECT_FLOAT_EQ(10.0f / 15.0f, game.soundSystem->masterVolume());
    press("sound", -1);
    EXPECT_FLOAT_EQ(0.0f, game.soundSystem->masterVolume());
    press("sound", 1);
    EXPECT_FLOAT_EQ(10.0f / 15.0f, game.soundSystem->masterVolume());
    // Other settings leave the sound alone.
    game.soundSystem->setMasterVolume(0.25f);
    press("rim", -1);
    EXPECT_FLOAT_EQ(0.25f, game.soundSystem->masterVolume());
    // Heard, but not kept until the player goes back.
    EXPECT_EQ(15, ann->soundVolume);
}

TEST_F(SettingsScreenTest, ShadowsStayAsTheyAreWhereTheDeviceCannotDrawThem)
{
    game.renderer->shadowCapable = false;
    ann->shadows = true;
    enter(settings);
    EXPECT_EQ(std::vector<std::string>{"OFF"}, sel("shadows")->values);
    EXPECT_EQ("OFF", shown("shadows"));
    press("shadows", 1);  // nothing to step to
    EXPECT_EQ("OFF", shown("shadows"));
    click(settings, "quit");
    EXPECT_TRUE(ann->shadows);

    // With shadow support the player can switch them.
    game.renderer->shadowCapable = true;
    enter(settings);
    EXPECT_EQ((std::vector<std::string>{"OFF", "ON"}), sel("shadows")->values);
    EXPECT_EQ("ON", shown("shadows"));
    press("shadows", -1);
    click(settings, "quit");
    EXPECT_FALSE(ann->shadows);
}

TEST_F(SettingsScreenTest, AFailedSaveKeepsTheSettingsAndStillLeaves)
{
    game.profileStore.filePath = (folder / "missing-folder" / "gamestate.dat").string();
    enter(settings);
    press("verticalMouseSens", 3);
    click(settings, "quit");
    EXPECT_EQ(11, ann->verticalMouseSens);
    EXPECT_TRUE(errorFileExists());
    EXPECT_EQ(game.playerScreen, afterFade(settings));

    // Without a selected profile nothing is stored, an error line says why, and the
    // screen does not crash.
    game.profileStore.selectProfile(nullptr);
    std::filesystem::remove(folder / "error.txt");
    enter(settings);
    press("clickRotVel", 1);
    click(settings, "quit");
    EXPECT_TRUE(errorFileExists());
    EXPECT_EQ(11, ann->verticalMouseSens);
}

TEST_F(SettingsScreenTest, LabelsSitLeftOfTheirSelectorsWithoutTouchingAnother)
{
    enter(settings);
    sink.clear();
    settings->draw(2);
    std::vector<SpriteDraw> glyphs = smallText();
    const std::vector<SettingRow>& rows = settingRows();
    for (const SettingRow& row : rows) {
        // The label's glyphs on the selector's text line, left of the selector.
        int count = 0;
        float leftmost = 1e9f, rightmost = -1;
        for (const SpriteDraw& g : glyphs) {
            if (g.dstY < row.y + 9 || g.dstY > row.y + 12 || g.dstX >= row.x) continue;
            if (row.x == 820 && g.dstX < 420) continue;  // the left column's selector text
            ++count;
            leftmost = std::min(leftmost, g.dstX);
            rightmost = std::max(rightmost, g.dstX + g.dstW);
        }
        std::string label = row.label;
        int letters = 0;
        for (char c : label) letters += c != ' ';
        EXPECT_EQ(letters, count) << label;
        EXPECT_LT(rightmost, row.x - 4) << label;
        // Right-column labels start clear of the left column's selectors (x 320..440).
        EXPECT_GT(leftmost, row.x == 820 ? 450 : 20) << label;
    }
    // "PROFILE NAME:" and the name above the rows.
    int nameGlyphs = 0;
    for (const SpriteDraw& g : glyphs)
        if (g.dstY >= 120 && g.dstY < 135 && g.dstX >= 320) ++nameGlyphs;
    EXPECT_EQ(3, nameGlyphs);
}

}  // namespace
