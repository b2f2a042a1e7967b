// Two players at one table, and pads on the match screen: player 2 on team 1 with his own
// hands, his name where the opponent's stands, the scorer and winner named, the record kept
// in the settings file and nowhere else; a pad pulled out pauses the match naming the side,
// and a pad connected goes on with it.
#include "MatchFixture.h"

#include "profiles/SettingsFile.h"
#include "screens/TwoPlayerScreen.h"
#include "ui/widgets/PBSelector.h"

#include <algorithm>

namespace {

struct TwoPlayers : MatchFixture {
    Profile* second = nullptr;
    void SetUp() override {
        MatchFixture::SetUp();
        game.settings.filePath = (folder / "settings.txt").string();
        second = game.profileStore.addProfile("BEA");
    }
    void startTwoPlayers(HandsKind first, HandsKind other, const std::string& name = "BEA",
                         MatchLength length = MatchLength()) {
        TwoPlayerSetup& setup = game.context.twoPlayers;
        setup.length = length;
        setup.active = true;
        setup.secondName = name;
        setup.secondIsGuest = name == kGuestName;
        setup.hands[0] = {first, 0};
        setup.hands[1] = {other, 0};
        start(-1);
    }
    int record(const std::string& name, const char* key) {
        return game.settings.number(SettingsFile::profileKey(name, key), -1, -1, 1000);
    }
    static PadState pad(std::int32_t id) {
        PadState p;
        p.id = id;
        p.name = "TEST PAD";
        return p;
    }
    int glyphsIn(int x0, int y0, int x1, int y1) const {
        return static_cast<int>(std::count_if(sink.draws.begin(), sink.draws.end(), [&](const SpriteDraw& d) {
            return d.texture == &smallGlyphs && d.dstX >= x0 && d.dstX < x1 && d.dstY >= y0 && d.dstY < y1;
        }));
    }
    // The small glyphs under the score box, where a timed match shows its clock.
    int clockGlyphs() {
        sink.clear();
        match->draw(2);
        return glyphsIn(469, 64, 559, 86);
    }
    void setPads(std::initializer_list<std::int32_t> ids) {
        InputSystem& in = *game.context.inputSystem;
        in.previousPads = in.pads;
        in.pads.clear();
        for (std::int32_t id : ids) in.pads.push_back(pad(id));
    }
};

TEST_F(TwoPlayers, PlayerTwoHoldsTeamOneWithHisKeysAndHisProfile)
{
    second->assistedMode = false;
    second->rodSelection = kRodSelectionManual;
    startTwoPlayers(HandsKind::Mouse, HandsKind::Keyboard);
    EXPECT_TRUE(match->twoPlayers);
    EXPECT_FALSE(match->practice);
    EXPECT_FALSE(game.context.twoPlayers.active);  // the next match is against the computer
    EXPECT_EQ(&match->secondControl, match->match.sides[1].control);
    EXPECT_EQ(&match->secondKeys, match->match.sides[1].hands);
    EXPECT_EQ(&match->playerHands, match->match.sides[0].hands);
    EXPECT_TRUE(match->simulation.simulationListeners.empty());  // no computer listens
    EXPECT_FALSE(match->secondControl.assisted);
    EXPECT_EQ(2, match->secondControl.selectionMode);

    // The right arrow swings team 1's held rod forward in its own frame; team 0's rods stay.
    const float before = match->simulation.teams[1].rods[2].angle;
    const float player1 = match->simulation.teams[0].rods[2].angle;
    for (int i = 0; i < 10; ++i) frame(0.01f, {Key::Right});
    EXPECT_GT(match->simulation.teams[1].rods[2].angle, before + 0.5f);
    EXPECT_FLOAT_EQ(player1, match->simulation.teams[0].rods[2].angle);
    // '.' steps player 2 to his attack rod; the game's own '4' is player 1's.
    frame(0.01f, {Key::Period});
    frame(0.01f);
    EXPECT_EQ(3, match->secondControl.selectionMode);
    EXPECT_EQ(kSelectionAuto, match->playerControl.selectionMode);

    // A match against the computer afterwards has its opponent back.
    start(0);
    EXPECT_FALSE(match->twoPlayers);
    EXPECT_EQ(game.opponents[0]->ai, match->match.sides[1].control);
}

TEST_F(TwoPlayers, TheHudNamesBothPlayersAndTheAnnouncementsNameTheScorerAndTheWinner)
{
    startTwoPlayers(HandsKind::Keyboard, HandsKind::Mouse);
    sink.clear();
    match->draw(2);
    EXPECT_EQ(3, glyphsIn(160, 13, 410, 30));   // ANN
    EXPECT_EQ(3, glyphsIn(614, 13, 864, 30));   // BEA where the opponent's name stands
    EXPECT_EQ(8, glyphsIn(891, 7, 1024, 30));   // ROD:AUTO where the picture would be
    EXPECT_EQ(9, glyphsIn(891, 42, 1024, 65));  // ASSIST:ON

    Simulation& sim = match->simulation;
    sim.score[1] = 1;
    sim.goalPending = true;
    frame(0.01f);
    EXPECT_EQ("BEA SCORES", match->ticker.text());

    sim.score[1] = 5;
    sim.goalPending = true;
    run(2.8f, 0.01f);  // the goal before it has had its time
    EXPECT_EQ("BEA WINS", match->ticker.text());
    // The record goes to the settings file: a loss for ANN, a win for BEA; no best result,
    // no opponent opened.
    EXPECT_EQ(1, record("ANN", kTwoPlayerLossesKey));
    EXPECT_EQ(-1, record("ANN", kTwoPlayerWinsKey));
    EXPECT_EQ(1, record("BEA", kTwoPlayerWinsKey));
    EXPECT_TRUE(game.profileStore.best.empty());
    EXPECT_EQ(-1, profile->bestLevel);
    EXPECT_FALSE(match->finalVictory);
    run(4.5f);
    EXPECT_EQ(game.context.screens.playerScreen, afterFade(match));
}

TEST_F(TwoPlayers, AGuestWinsNothingAndLosesNothing)
{
    startTwoPlayers(HandsKind::Mouse, HandsKind::Keyboard, kGuestName);
    goalCounted(5, 0, true);
    EXPECT_EQ("ANN WINS", match->ticker.text());
    EXPECT_EQ(1, record("ANN", kTwoPlayerWinsKey));
    EXPECT_EQ(-1, record(kGuestName, kTwoPlayerLossesKey));
    EXPECT_TRUE(game.profileStore.best.empty());
}

TEST_F(TwoPlayers, TheMatchLengthIsChosenOnTheTwoPlayerScreenKeptAndPlayedButNotOnTheLadder)
{
    TwoPlayerScreen screen(&game.context, game.renderer);
    enter(&screen);
    PBSelector* length = screen.lengthSelector;
    ASSERT_NE(nullptr, length);
    EXPECT_EQ("FIRST TO 5", length->currentValue());
    const std::vector<std::string> offered{"FIRST TO 3", "FIRST TO 5", "FIRST TO 7",
                                           "FIRST TO 10", "3 MINUTES", "5 MINUTES"};
    EXPECT_EQ(offered, length->values);
    for (int i = 0; i < 4; ++i) length->onMouseDown(length->width - 5, 10);  // the right arrow
    EXPECT_EQ("5 MINUTES", length->currentValue());
    EXPECT_EQ("minutes-5", game.settings.text("twoPlayers.matchLength", ""));
    // Kept for the next visit.
    TwoPlayerScreen again(&game.context, game.renderer);
    enter(&again);
    EXPECT_EQ("5 MINUTES", again.lengthSelector->currentValue());

    ASSERT_TRUE(click(&again, "play"));
    start(-1);
    ASSERT_TRUE(match->twoPlayers);
    EXPECT_EQ((MatchLength{kWinningScore, 5}), match->match.length);
    EXPECT_EQ(4, clockGlyphs());  // 5:00
    run(2.0f);
    EXPECT_EQ("4:58", MatchScreen::clockText(match->match.secondsLeft()));

    // The opponents' ladder is first to five, without a clock.
    start(0);
    EXPECT_EQ(MatchLength(), match->match.length);
    EXPECT_EQ(0, clockGlyphs());
}

TEST_F(TwoPlayers, ATimedMatchEndsWithTheLeaderOrADrawWithTheNextGoal)
{
    EXPECT_EQ("3:00", MatchScreen::clockText(180.0));
    EXPECT_EQ("1:00", MatchScreen::clockText(59.2));
    EXPECT_EQ("0:01", MatchScreen::clockText(0.01));
    EXPECT_EQ("0:00", MatchScreen::clockText(0.0));

    // ANN ahead when the clock runs out: she wins, the record says so.
    startTwoPlayers(HandsKind::Mouse, HandsKind::Keyboard, "BEA", MatchLength{kWinningScore, 3});
    goalCounted(6, 0, true);  // no count of goals ends a timed match
    Simulation& sim = match->simulation;
    EXPECT_EQ("ANN SCORES", match->ticker.text());
    run(3.0f);
    match->match.playedSeconds = 179.95;
    frame(0.05f);
    frame(0.05f);
    EXPECT_EQ("ANN WINS", match->ticker.text());
    EXPECT_EQ("0:00", MatchScreen::clockText(match->match.secondsLeft()));
    EXPECT_EQ(1, record("ANN", kTwoPlayerWinsKey));
    EXPECT_EQ(1, record("BEA", kTwoPlayerLossesKey));
    run(4.5f);
    EXPECT_EQ(game.context.screens.playerScreen, afterFade(match));

    // Level at full time: the next goal, BEA's, wins.
    startTwoPlayers(HandsKind::Mouse, HandsKind::Keyboard, "BEA", MatchLength{kWinningScore, 5});
    match->match.playedSeconds = 299.95;
    frame(0.05f);
    frame(0.05f);
    EXPECT_EQ("TIME UP - NEXT GOAL WINS", match->ticker.text());
    EXPECT_FALSE(match->match.decided());
    run(3.0f);
    sim.score[1] = 1;
    sim.goalPending = true;
    frame(0.01f);
    EXPECT_EQ("BEA WINS", match->ticker.text());
    EXPECT_EQ(1, record("BEA", kTwoPlayerWinsKey));
    EXPECT_EQ(1, record("ANN", kTwoPlayerLossesKey));
}

TEST_F(TwoPlayers, ABallLyingStillWhereOnlyPlayerTwoReachesIsHisToRestartAfterElevenSeconds)
{
    startTwoPlayers(HandsKind::Mouse, HandsKind::Keyboard);
    Simulation& sim = match->simulation;
    // A spot on the middle line that team 1 reaches and team 0 does not.
    float x = -1.0f;
    for (float at = 1.0f; at < sim.length && x < 0.0f; at += 0.5f) {
        const Vector3 p(at, 0.0f, sim.width * 0.5f);
        if (!sim.inReach(0, p) && sim.inReach(1, Vector3(sim.length - at, 0.0f, sim.width * 0.5f))) x = at;
    }
    ASSERT_GT(x, 0.0f);
    sim.placeBall(x, sim.width * 0.5f);
    run(10.5f, 0.05f);
    EXPECT_FLOAT_EQ(x, sim.ballPosition.x) << "nobody may take it yet";
    run(1.0f, 0.05f);
    // At team 1's goalkeeper, in front of it; the ticker says so.
    EXPECT_NE(x, sim.ballPosition.x);
    EXPECT_NEAR(sim.length - sim.teams[1].rods[0].position, sim.ballPosition.x, 4.0f);
    EXPECT_EQ("DEAD BALL", match->ticker.text());
    EXPECT_EQ(1, match->match.reportedDeadBalls);
}

TEST_F(TwoPlayers, APadPulledOutPausesNamingItsPlayerAndAnotherPadPlaysOn)
{
    setPads({7, 8});
    startTwoPlayers(HandsKind::Mouse, HandsKind::Pad);
    EXPECT_EQ(7, match->secondPad.padId);
    frame(0.01f);
    EXPECT_FALSE(match->paused);

    setPads({8});  // player 2's pad is pulled out
    frame(0.01f);
    EXPECT_TRUE(match->paused);
    EXPECT_TRUE(match->pausedByPadLoss);
    EXPECT_EQ("CONNECT A PAD FOR [BEA] TO PLAY ON ([P]: PLAY ON WITHOUT IT)", match->pauseMessage());
    const double played = match->match.playedSeconds;
    frame(0.01f);
    EXPECT_EQ(played, match->match.playedSeconds);

    // The pad lying there is nobody's until a button on it is pressed: then it plays on.
    setPads({8});
    frame(0.01f);
    EXPECT_TRUE(match->paused);
    setPads({8});
    game.context.inputSystem->pads[0].buttons = 1u << kPadA;
    frame(0.01f);
    EXPECT_EQ(8, match->secondPad.padId);
    EXPECT_FALSE(match->paused);
    EXPECT_EQ("PAUSED", match->pauseMessage());

    // Player 1's mouse needs no pad; player 2's pad back (with a new id) after a pull.
    setPads({});
    frame(0.01f);
    EXPECT_TRUE(match->pausedByPadLoss);
    setPads({9});
    frame(0.01f);
    EXPECT_EQ(9, match->secondPad.padId);
    EXPECT_FALSE(match->paused);
}

TEST_F(TwoPlayers, PlayingAloneAPadPlaysBesideTheMouseAndItsLossWaitsOrPlaysOnWithP)
{
    start(0);
    EXPECT_EQ(&match->playerMouseAndPad, match->match.sides[0].hands);
    EXPECT_EQ(kNoPad, match->playerPad.padId);
    // A pad connected during play is taken.
    setPads({3});
    frame(0.01f);
    EXPECT_EQ(3, match->playerPad.padId);
    // Its stick turns the held rod as the mouse would.
    InputSystem& in = *game.context.inputSystem;
    match->playerControl.selectionMode = 2;
    const float before = match->simulation.teams[0].rods[2].angle;
    in.pads[0].axes[kPadRightX] = 1.0f;
    for (int i = 0; i < 5; ++i) frame(0.02f);
    EXPECT_GT(match->simulation.teams[0].rods[2].angle, before + 0.3f);

    setPads({});
    frame(0.01f);
    EXPECT_TRUE(match->pausedByPadLoss);
    EXPECT_EQ("CONNECT A PAD FOR [ANN] TO PLAY ON ([P]: PLAY ON WITHOUT IT)", match->pauseMessage());
    // P plays on with the mouse alone.
    press(Key::P);
    EXPECT_FALSE(match->paused);
    frame(0.01f);
    EXPECT_FALSE(match->paused);
    // The pad back is taken again without a pause.
    setPads({4});
    frame(0.01f);
    EXPECT_EQ(4, match->playerPad.padId);
    EXPECT_FALSE(match->paused);
}

TEST_F(TwoPlayers, EscapeLeavesAMatchThatWaitsForAPad)
{
    startTwoPlayers(HandsKind::Pad, HandsKind::Keyboard);  // no pad connected at all
    frame(0.01f);
    EXPECT_TRUE(match->pausedByPadLoss);
    EXPECT_EQ("CONNECT A PAD FOR [ANN] TO PLAY ON ([P]: PLAY ON WITHOUT IT)", match->pauseMessage());
    press(Key::Escape);
    EXPECT_TRUE(match->quitPrompt);
    frame(0.01f, {Key::Y});
    EXPECT_EQ(game.context.screens.playerScreen, afterFade(match));
}

} // namespace
