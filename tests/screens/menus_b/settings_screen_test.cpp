// The settings screen as the player uses it: selectors stepped with their arrows show and
// store the profile's values, sound is heard at once, shadows stay as they are where the
// device cannot draw them, and going back stores, saves and returns to the player menu.
#include "audio/SoundSystem.h"
#include "profiles/GameStateFile.h"
#include "profiles/ProfileStore.h"
#include "screens/SettingsRows.h"
#include "screens/ExtraSettingRows.h"
#include "screens/SettingsScreen.h"
#include "screens/menus_b/MenusFixture.h"
#include "ui/widgets/PBSelector.h"

#include <AL/al.h>

namespace {

struct SettingsScreenTest : MenusFixture {
    SettingsScreen* settings = nullptr;
    Profile* ann = nullptr;

    void SetUp() override {
        MenusFixture::SetUp();
        game.renderer->shadowCapable = true;
        ann = game.profileStore.addProfile("ANN");
        game.profileStore.selectProfile(ann);
        settings = new SettingsScreen(&game.context, game.renderer);
        game.context.screens.settingsScreen = settings;
    }
    // Presses on a selector's arrows, as the player does (negative: the left arrow).
    void press(const std::string& id, int steps) {
        PBSelector* s = settings->selector(id);
        ASSERT_NE(s, nullptr) << id;
        for (int i = 0; i < std::abs(steps); ++i) s->onMouseDown(steps > 0 ? s->width - 5 : 5, 10);
    }
    std::string shown(const std::string& id) { return settings->selector(id)->currentValue(); }
};

TEST_F(SettingsScreenTest, SelectorsShowTheProfileAndGoingBackStoresAndSavesThem)
{
    ann->rim = false;
    ann->clickRotVel = 15;
    ann->rodRotDir = 1;
    enter(settings);
    EXPECT_EQ("OFF", shown("rim"));
    EXPECT_EQ("15", shown("clickRotVel"));
    EXPECT_EQ("OPPOSITE", shown("rodRotDir"));
    EXPECT_EQ("AUTO", shown("rodSelection"));

    // Horizontal sensitivity shown "7", rod selection "BACK", music off at volume 4.
    press("horizontalMouseSens", -1);
    press("rodSelection", 2);
    press("music", -1);
    press("musicVolume", -11);
    EXPECT_EQ("7", shown("horizontalMouseSens"));
    EXPECT_EQ("BACK", shown("rodSelection"));
    EXPECT_EQ(8, ann->horizontalMouseSens) << "nothing is kept before the way out";

    ASSERT_TRUE(click(settings, "quit"));
    EXPECT_EQ(7, ann->horizontalMouseSens);
    EXPECT_EQ(3, ann->rodSelection);
    EXPECT_FALSE(ann->rim);
    EXPECT_FALSE(game.profileStore.music) << "the store's sound block follows the profile";
    EXPECT_EQ(4, game.profileStore.musicVolume);
    EXPECT_EQ(game.context.screens.playerScreen, afterFade(settings));

    ProfileStore reread;
    reread.filePath = game.profileStore.filePath;
    EXPECT_TRUE(reread.load(true));
    ASSERT_EQ(1u, reread.profiles.size());
    EXPECT_EQ(7, reread.profiles[0]->horizontalMouseSens);
    EXPECT_EQ(3, reread.profiles[0]->rodSelection);
    EXPECT_EQ(4, reread.musicVolume);
    EXPECT_FALSE(errorFileExists());
}

TEST_F(SettingsScreenTest, ClosingTheWindowHereKeepsWhatIsShown)
{
    enter(settings);
    press("musicVolume", -11);
    press("rodSelection", 1);
    ASSERT_TRUE(game.saveBeforeLeaving());

    ProfileStore reread;
    reread.filePath = game.profileStore.filePath;
    EXPECT_TRUE(reread.load(true));
    ASSERT_EQ(1u, reread.profiles.size());
    EXPECT_EQ(4, reread.musicVolume);
    EXPECT_EQ(4, reread.profiles[0]->musicVolume);
    EXPECT_EQ(2, reread.profiles[0]->rodSelection);
}

TEST_F(SettingsScreenTest, ReplaysTeamColoursAndDifficultyAreKeptBesideTheSaveFileForEachProfile)
{
    Profile* bob = game.profileStore.addProfile("BOB");
    enter(settings);
    ASSERT_EQ(5u, settings->extraSelectors.size());
    EXPECT_EQ("OFF", shown("replays"));
    EXPECT_EQ("RED/BLUE", shown("teamColours"));
    EXPECT_EQ("NORMAL", shown("difficulty"));
    press("replays", 1);
    press("teamColours", 1);
    press("difficulty", 2);
    ASSERT_TRUE(click(settings, "quit"));
    EXPECT_EQ("yes", game.settings.text("profile.ANN.replays", ""));
    EXPECT_EQ("contrast", game.settings.text("profile.ANN.teamColours", ""));
    EXPECT_EQ("hard", game.settings.text("profile.ANN.difficulty", ""));
    EXPECT_EQ(Difficulty::Hard, profileDifficulty(&game.settings, "ANN"));

    // Another profile has its own, and the save file holds nothing of them.
    game.profileStore.selectProfile(bob);
    enter(settings);
    EXPECT_EQ("OFF", shown("replays"));
    EXPECT_EQ("RED/BLUE", shown("teamColours"));
    EXPECT_EQ("NORMAL", shown("difficulty"));
    EXPECT_EQ(Difficulty::Normal, profileDifficulty(&game.settings, "BOB"));
    ProfileStore bare;
    bare.filePath = game.profileStore.filePath + ".bare";
    bare.addProfile("ANN");
    bare.addProfile("BOB");
    std::vector<std::uint8_t> withExtras = encodeGameState(game.profileStore), without = encodeGameState(bare);
    EXPECT_EQ(withExtras.size(), without.size());
}

TEST_F(SettingsScreenTest, ThePicturesSettingsAreTheMachinesForEveryProfile)
{
    Profile* bob = game.profileStore.addProfile("BOB");
    enter(settings);
    EXPECT_EQ("OFF", shown("video.widePicture"));
    EXPECT_EQ("OFF", shown("video.smoothEdges"));
    press("video.widePicture", 1);
    press("video.smoothEdges", 1);
    ASSERT_TRUE(click(settings, "quit"));
    EXPECT_EQ("yes", game.settings.text("video.widePicture", ""));
    EXPECT_EQ("yes", game.settings.text("video.smoothEdges", ""));
    EXPECT_EQ("", game.settings.text("profile.ANN.video.widePicture", ""));
    // The renderer follows the file at the next frame.
    game.applyVideoSettings();
    EXPECT_TRUE(game.renderer->widePicture);
    EXPECT_TRUE(game.renderer->smoothEdges);
    // Another profile sees the same.
    game.profileStore.selectProfile(bob);
    enter(settings);
    EXPECT_EQ("ON", shown("video.widePicture"));
    EXPECT_EQ("ON", shown("video.smoothEdges"));
}

TEST_F(SettingsScreenTest, SoundAndMusicChangesAreHeardAtOnce)
{
    // OpenAL Soft's silent backend; this must come before the process's first OpenAL call.
    setenv("ALSOFT_DRIVERS", "null", 1);
    ASSERT_TRUE(game.context.soundSystem->init());
    const char* resources = std::getenv("PITCHBAR_RESOURCES");
    ASSERT_NE(resources, nullptr);
    game.music.start(game.context.soundSystem,
                     {game.context.soundSystem->loadOgg(std::string(resources) + "/precalc/precalc.dat")});
    ASSERT_NE(game.music.currentVoice(), nullptr);
    auto musicGain = [&] {
        ALfloat gain = -1.0f;
        alGetSourcef(game.context.soundSystem->sourceOf(game.music.currentVoice()), AL_GAIN, &gain);
        return gain;
    };
    game.applySoundSettings(ann->soundSettings());
    enter(settings);
    press("soundVolume", -5);
    EXPECT_FLOAT_EQ(10.0f / 15.0f, game.context.soundSystem->masterVolume());
    press("sound", -1);
    EXPECT_FLOAT_EQ(0.0f, game.context.soundSystem->masterVolume());
    press("musicVolume", -10);
    EXPECT_NEAR(5.0f / 15.0f * 0.6f, musicGain(), 1e-5) << "the music does not follow the effects";
    press("music", -1);
    EXPECT_NEAR(0.0f, musicGain(), 1e-5);
    game.context.soundSystem->setMasterVolume(0.25f);
    press("rim", -1);
    EXPECT_FLOAT_EQ(0.25f, game.context.soundSystem->masterVolume()) << "other settings leave the sound alone";
    EXPECT_EQ(15, ann->soundVolume) << "heard, but not kept before the way out";
    game.music.stop();
}

TEST_F(SettingsScreenTest, ShadowsStayAsTheyAreWhereTheDeviceCannotDrawThem)
{
    game.renderer->shadowCapable = false;
    enter(settings);
    EXPECT_EQ(std::vector<std::string>{"OFF"}, settings->selector("shadows")->values);
    press("shadows", 1);  // nothing to step to
    click(settings, "quit");
    EXPECT_TRUE(ann->shadows);

    game.renderer->shadowCapable = true;
    enter(settings);
    EXPECT_EQ("ON", shown("shadows"));
    press("shadows", -1);
    click(settings, "quit");
    EXPECT_FALSE(ann->shadows);
}

TEST_F(SettingsScreenTest, AFailedSaveOrAMissingProfileNeitherCrashesNorLosesTheSettings)
{
    game.profileStore.filePath = (folder / "missing-folder" / "gamestate.dat").string();
    enter(settings);
    press("verticalMouseSens", 3);
    click(settings, "quit");
    EXPECT_EQ(11, ann->verticalMouseSens);
    EXPECT_TRUE(errorFileExists());
    EXPECT_EQ(game.context.screens.playerScreen, afterFade(settings));

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
    for (const SettingRow& row : settingRows()) {
        // The label's glyphs: on the selector's text line, left of it, right of the other
        // column's selectors (x 320..440).
        const float columnStart = row.x == 820 ? 440.0f : 0.0f;
        int count = 0;
        float leftmost = 1e9f, rightmost = -1;
        for (const SpriteDraw& g : smallText()) {
            if (g.dstY < row.y + 9 || g.dstY > row.y + 12 || g.dstX >= row.x || g.dstX < columnStart) continue;
            ++count;
            leftmost = std::min(leftmost, g.dstX);
            rightmost = std::max(rightmost, g.dstX + g.dstW);
        }
        const std::string label = row.label;
        EXPECT_EQ(static_cast<int>(label.size() - std::count(label.begin(), label.end(), ' ')), count) << label;
        EXPECT_LT(rightmost, row.x - 4) << label;
        EXPECT_GT(leftmost, columnStart + 10) << label;
    }
}

}  // namespace
