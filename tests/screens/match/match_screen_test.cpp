// The match rules on a real match screen without a device: what a match start takes from
// the profile, the frame's 1 ms steps, pause and the quit question, goals and the end of a
// match, dead balls, device loss, and the music's turns with the matches.
#include "MatchFixture.h"

#include "audio/SoundSystem.h"
#include "control/OpponentDifficulty.h"
#include "control/ReleaseControl.h"
#include "profiles/SettingsFile.h"

#include <algorithm>

namespace {

using MatchStart = MatchFixture;

TEST_F(MatchStart, TheOpponentPlaysAtTheProfilesDifficulty)
{
    // EASY, chosen on the settings screen, softens JOHN THE KING; the next profile, with
    // no choice kept, meets the designed one again, and so does a replay at NORMAL.
    ASSERT_NE(nullptr, game.context.settings);
    game.context.settings->setText(SettingsFile::profileKey("ANN", "difficulty"), "easy");
    start(7);
    const FoosballAI* ai = game.opponents[7]->ai;
    EXPECT_EQ(ai, match->opponentControl);
    EXPECT_FLOAT_EQ(parametersAt(7, Difficulty::Easy).reactionTime, ai->reactionTime);
    EXPECT_GT(ai->reactionTime, opponentEntry(7).parameters.reactionTime);
    match->onLeave();
    game.profileStore.selectProfile(game.profileStore.addProfile("BOB"));
    start(7);
    EXPECT_FLOAT_EQ(opponentEntry(7).parameters.reactionTime, ai->reactionTime);
    EXPECT_FLOAT_EQ(opponentEntry(7).parameters.strikeSpeed, ai->strikeSpeed);
}

TEST_F(MatchStart, TakesTheProfileAndPutsTheChosenOpponentOnTheOtherSide)
{
    profile->rodSelection = kRodSelectionManual;
    profile->assistedMode = false;
    profile->horizontalMouseSens = 15;
    profile->verticalMouseSens = 1;
    profile->clickRotVel = 3;
    profile->rotBoundaries = true;
    profile->rodRotDir = 1;
    profile->rim = false;
    profile->shadows = false;
    game.renderer->shadowsEnabled = 1;
    start(3);

    const AssistedControl& pc = match->playerControl;
    EXPECT_EQ(2, pc.selectionMode);  // MANUAL starts on the midfield rod
    EXPECT_FALSE(pc.assisted);
    EXPECT_TRUE(pc.rotationLimits);
    EXPECT_EQ(3, pc.clickRotationSpeed);
    EXPECT_EQ(1, pc.reversedRotation);
    EXPECT_FLOAT_EQ(15 * 0.007f / 7.5f, pc.rotationSensitivity);
    EXPECT_FLOAT_EQ(1 * 0.045f / 7.5f, pc.shiftSensitivity);
    EXPECT_EQ(game.context.inputSystem, match->playerHands.input);
    EXPECT_EQ(match->simulation.teams[0].rods, pc.rods);
    for (int i = 0; i < 4; ++i) EXPECT_NE(nullptr, pc.states[i]);
    EXPECT_FALSE(match->simulation.rimEnabled);
    EXPECT_EQ(0, game.renderer->shadowsEnabled);

    FoosballAI* ai = game.opponents[3]->ai;
    EXPECT_EQ(ai, match->opponentControl);
    EXPECT_EQ(match->simulation.teams[1].rods, ai->rods);
    EXPECT_EQ(&match->simulation, ai->simulation);
    EXPECT_EQ(std::vector<SimulationListener*>{ai}, match->simulation.simulationListeners);
    EXPECT_FALSE(match->practice);
    EXPECT_FALSE(match->simulation.practice);

    // The player kicks off from his midfield rod with both scores at nil.
    const Simulation& sim = match->simulation;
    EXPECT_FLOAT_EQ(sim.teams[0].rods[2].position + 3.5f, sim.ballPosition.x);
    EXPECT_FLOAT_EQ(33.2f, sim.ballPosition.z);
    EXPECT_EQ(0, sim.score[0]);
    EXPECT_EQ(0, sim.score[1]);
    EXPECT_EQ(1, sounds->count("roll-start"));
    // The table display follows the player's rods while the match runs, and stops after.
    EXPECT_EQ(1u, match->playerControl.listeners.size());
    EXPECT_EQ(&match->camera, game.renderer->camera);
    match->onLeave();
    EXPECT_TRUE(match->playerControl.listeners.empty());
}

TEST_F(MatchStart, FreePracticeGetsAFreshLiftingSideAndDropsThePreviousOne)
{
    start(0);
    start(-1);
    ASSERT_EQ(1u, match->simulation.simulationListeners.size());
    auto* lifting = dynamic_cast<ReleaseControl*>(match->opponentControl);
    ASSERT_NE(nullptr, lifting);
    EXPECT_EQ(lifting, match->simulation.simulationListeners[0]);
    EXPECT_EQ(match->simulation.teams[1].rods, lifting->rods);
    EXPECT_TRUE(match->practice);
    EXPECT_TRUE(match->simulation.practice);
    EXPECT_EQ(nullptr, match->opponentPicture);

    start(-1);
    ASSERT_EQ(1u, match->simulation.simulationListeners.size());
    EXPECT_EQ(match->opponentControl, match->simulation.simulationListeners[0]);
    start(1);
    EXPECT_EQ(std::vector<SimulationListener*>{game.opponents[1]->ai}, match->simulation.simulationListeners);

    // An opponent index beyond the table is played as practice, with an error line.
    start(12);
    EXPECT_TRUE(match->practice);
    EXPECT_NE(nullptr, dynamic_cast<ReleaseControl*>(match->opponentControl));
    EXPECT_TRUE(errorFileExists());
}

TEST_F(MatchStart, LoadingWithoutARendererFailsWithItsOwnLine)
{
    MatchScreen orphan(&game.context, nullptr);
    EXPECT_FALSE(orphan.load());
    EXPECT_TRUE(errorFileExists());
}

using MatchFrame = MatchFixture;

TEST_F(MatchFrame, ASlowFrameRunsInMillisecondStepsSharingTheMouse)
{
    start(0);
    StepSpy spy;
    match->match.setSide(1, &spy, nullptr);
    const int counterBefore = match->playerControl.updateCounter;
    game.context.inputSystem->mouseMoveX = 10.0f;
    game.context.inputSystem->mouseMoveY = -5.0f;
    frame(0.0125f);

    ASSERT_EQ(13u, spy.steps.size());
    for (int i = 0; i < 12; ++i)
        EXPECT_FLOAT_EQ(0.001f, spy.steps[i]);
    EXPECT_NEAR(0.0005f, spy.steps[12], 1e-5f);
    // The player's controller ran once per step and was last handed the last step's share
    // of the frame's movement; the input itself is never written.
    EXPECT_EQ((counterBefore + 13) % 10, match->playerControl.updateCounter);
    EXPECT_NEAR(0.4f, match->playerControl.command.turn, 1e-3f);
    EXPECT_NEAR(-0.2f, match->playerControl.command.shift, 1e-3f);
    EXPECT_FLOAT_EQ(10.0f, game.context.inputSystem->mouseMoveX);
    EXPECT_FLOAT_EQ(-5.0f, game.context.inputSystem->mouseMoveY);

    // The first frame of the game has no time: nothing runs and nothing divides by it.
    spy.steps.clear();
    frame(0.0f);
    EXPECT_TRUE(spy.steps.empty());
    match->match.setSide(1, game.opponents[0]->ai, nullptr);
}

TEST_F(MatchFrame, WhilePausedNothingAdvancesButTheTableIsStillDrawn)
{
    start(0);
    StepSpy spy;
    match->match.setSide(1, &spy, nullptr);
    press(Key::P);
    ASSERT_TRUE(match->paused);
    spy.steps.clear();

    Simulation& sim = match->simulation;
    sim.placeBall(1.0f, 1.0f);  // where nobody reaches: a dead ball once play goes on
    ASSERT_EQ(-1, sim.restRegion);
    sim.score[0] = 1;
    sim.goalPending = true;
    sim.goalByTeam0 = true;
    run(1.0f);
    EXPECT_TRUE(spy.steps.empty());
    EXPECT_FLOAT_EQ(1.0f, sim.ballPosition.x);  // no dead ball reported
    EXPECT_TRUE(sim.goalPending);               // no goal announced
    EXPECT_FALSE(match->ticker.showing());
    sink.clear();
    match->draw(2);
    EXPECT_FALSE(sink.draws.empty());

    press(Key::P);
    EXPECT_FALSE(match->paused);
    EXPECT_FALSE(spy.steps.empty());
    EXPECT_FALSE(sim.goalPending);
    EXPECT_EQ("ANN SCORES", match->ticker.text());
    EXPECT_NE(1.0f, sim.ballPosition.x);  // restarted at a goalkeeper
    match->match.setSide(1, game.opponents[0]->ai, nullptr);
}

TEST_F(MatchFrame, OnlyYesOrNoAnswerTheQuitQuestion)
{
    start(0);
    press(Key::Escape);
    EXPECT_TRUE(match->paused);
    EXPECT_TRUE(match->quitPrompt);
    press(Key::P);
    EXPECT_TRUE(match->paused);
    EXPECT_TRUE(match->quitPrompt);
    press(Key::N);
    EXPECT_FALSE(match->paused);
    EXPECT_FALSE(match->quitPrompt);

    press(Key::Escape);
    press(Key::Y);
    EXPECT_TRUE(match->leaving);
    run(1.0f);
    EXPECT_EQ(game.context.screens.playerScreen, current());
    // The rolling ball does not follow the player into the menus.
    EXPECT_FALSE(sounds->rolling);
}

using MatchEnd = MatchFixture;

TEST_F(MatchEnd, TheOpponentsFifthGoalEndsTheMatchWithoutAWin)
{
    start(2);
    goalCounted(3, 5, false);
    const Simulation& sim = match->simulation;
    EXPECT_EQ(opponentName(2) + " WINS", match->ticker.text());
    EXPECT_EQ(&match->goalBanner, match->ticker.image());
    EXPECT_FALSE(sim.goalPending);

    run(0.9f);
    EXPECT_EQ(0, sounds->count("applause"));
    run(0.2f);
    EXPECT_EQ(1, sounds->count("applause"));
    run(2.7f);
    EXPECT_EQ(match, current());
    EXPECT_EQ(PBScreen::Shown, match->transition);
    run(0.3f);  // 3 s after the applause the way out begins; the fade takes 0.8 s
    EXPECT_EQ(PBScreen::FadingOut, match->transition);
    run(0.9f);
    EXPECT_EQ(game.context.screens.playerScreen, current());
    EXPECT_TRUE(game.profileStore.best.empty());
    EXPECT_EQ(-1, profile->bestLevel);
    EXPECT_FALSE(match->finalVictory);
}

TEST_F(MatchEnd, AWinIsRecordedAndSavedAndTheLastOneLeadsToTheWinnerScreen)
{
    profile->bestLevel = 6;
    start(7);
    goalCounted(5, 2, true);
    EXPECT_EQ("ANN WINS", match->ticker.text());
    EXPECT_TRUE(match->finalVictory);
    EXPECT_EQ(7, profile->bestLevel);
    EXPECT_EQ(2, profile->bestConceded);
    ASSERT_EQ(1u, game.profileStore.best.size());
    EXPECT_EQ(7, game.profileStore.best[0].level);
    EXPECT_TRUE(std::filesystem::exists(folder / "gamestate.dat"));
    run(5.0f);
    EXPECT_EQ(game.context.screens.winnerScreen, current());

    // Beating any other opponent returns to the player menu; without a winner screen the
    // last win does too.
    start(4);
    EXPECT_FALSE(match->finalVictory);
    goalCounted(5, 0, true);
    EXPECT_FALSE(match->finalVictory);
    run(5.0f);
    EXPECT_EQ(game.context.screens.playerScreen, current());

    PBScreen* winner = game.context.screens.winnerScreen;
    game.context.screens.winnerScreen = nullptr;
    start(7);
    goalCounted(5, 0, true);
    run(5.0f);
    EXPECT_EQ(game.context.screens.playerScreen, current());
    game.context.screens.winnerScreen = winner;
}

TEST_F(MatchEnd, TimersOfAnAbandonedMatchDoNotEndTheNextOne)
{
    start(1);
    Simulation& sim = match->simulation;
    sim.score[1] = 5;
    sim.goalPending = true;
    frame(0.01f);
    press(Key::Escape);
    press(Key::Y);
    run(1.0f);
    ASSERT_EQ(game.context.screens.playerScreen, current());

    start(1);
    run(5.0f);
    EXPECT_EQ(match, current());
    EXPECT_EQ(PBScreen::Shown, match->transition);
}

TEST_F(MatchEnd, AWholeMatchIsPlayedToItsEnd)
{
    // A restless hand on the mouse against the first opponent, until one side has five
    // goals and the screen has handed over (at most a quarter of an hour of game time).
    start(0);
    std::vector<std::string> shown;
    InputSystem& in = *game.context.inputSystem;
    int restingFrames = 0;
    bool wasShowing = false;
    for (int i = 0; i < 60 * 900 && current() == match; ++i) {
        const float t = static_cast<float>(i) / 60.0f;
        in.mouseMoveX = 40.0f * std::cos(t * 7.0f) + 12.0f * std::cos(t * 1.3f);
        in.mouseMoveY = 25.0f * std::cos(t * 2.3f) + 8.0f * std::cos(t * 0.7f);
        // A ball he cannot get at, lying still in his half, he reports after a few seconds.
        restingFrames = match->simulation.ballAtRest ? restingFrames + 1 : 0;
        if (restingFrames > 300) {
            frame(1.0f / 60.0f, {Key::D});
            restingFrames = 0;
        } else {
            frame(1.0f / 60.0f);
        }
        // Each message once, when it comes up.
        if (match->ticker.showing() && !wasShowing)
            shown.push_back(match->ticker.text());
        wasShowing = match->ticker.showing();
    }
    const Simulation& sim = match->simulation;
    ASSERT_EQ(game.context.screens.playerScreen, current());
    EXPECT_EQ(MatchOver, sim.state);
    const bool playerWon = sim.score[0] == 5;
    EXPECT_TRUE(playerWon ? sim.score[1] < 5 : sim.score[1] == 5);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ((playerWon ? std::string("ANN") : opponentName(0)) + " WINS", shown.back());
    // Every other goal was announced as it fell (dead balls may come in between).
    const long goals = std::count_if(shown.begin(), shown.end(), [&](const std::string& m) {
        return m == "ANN SCORES" || m == opponentName(0) + " SCORES";
    });
    EXPECT_EQ(sim.score[0] + sim.score[1] - 1, goals);
    EXPECT_EQ(1, sounds->count("applause"));
    EXPECT_EQ(playerWon ? 0 : -1, profile->bestLevel);
    EXPECT_EQ(playerWon ? 1u : 0u, game.profileStore.best.size());
}

// The game's own tracks on OpenAL Soft's silent backend: the menu music plays until a
// match kicks off, the next track comes in with the match, another as it is won (not when
// it is paused or left to its end), and the round goes on through a match left with ESC.
TEST_F(MatchEnd, ANewMusicTrackComesInAsEachMatchStartsAndAnotherAsItEnds)
{
    setenv("ALSOFT_DRIVERS", "null", 1);  // before the process's first OpenAL call
    ASSERT_TRUE(game.context.soundSystem->init());
    const char* resources = std::getenv("PITCHBAR_RESOURCES");
    ASSERT_NE(resources, nullptr);
    std::vector<const SoundHandle*> tracks;
    for (const char* name : Game::kMusicTracks)
        tracks.push_back(game.context.soundSystem->loadOgg(std::string(resources) + "/precalc/" + name));
    game.music.start(game.context.soundSystem, tracks);
    auto musicFrames = [&](float seconds) {
        for (long i = 0; i < std::lround(seconds / 0.05f); ++i) {
            frame(0.05f);
            game.turnMusicWithMatches(current());
            game.music.update(0.05f);
        }
    };
    game.turnMusicWithMatches(current());
    EXPECT_EQ(0, game.music.currentTrack()) << "the menus keep the first track";

    start(2);
    musicFrames(0.5f);
    EXPECT_EQ(1, game.music.currentTrack());
    EXPECT_EQ(2, game.music.voiceCount()) << "half way through the cross-fade";
    press(Key::P);
    musicFrames(2.0f);
    press(Key::P);
    EXPECT_EQ(1, game.music.currentTrack()) << "a pause is no turn";
    EXPECT_EQ(1, game.music.voiceCount());

    Simulation& sim = match->simulation;
    sim.score[1] = 5;
    sim.goalPending = true;
    musicFrames(0.05f);
    EXPECT_EQ(2, game.music.currentTrack()) << "the match is over as its winner is told";
    musicFrames(5.0f);
    ASSERT_EQ(game.context.screens.playerScreen, current());
    EXPECT_EQ(2, game.music.currentTrack()) << "going back to the menu is the same end";

    start(-1);
    musicFrames(1.0f);
    EXPECT_EQ(3, game.music.currentTrack());
    press(Key::Escape);
    press(Key::Y);
    musicFrames(1.0f);
    EXPECT_EQ(0, game.music.currentTrack()) << "after the last track, the first";
    EXPECT_FALSE(errorFileExists());
    game.music.stop();
}

using DeadBalls = MatchFixture;

TEST_F(DeadBalls, DRestartsAtThePlayersGoalkeeperOnlyForARestingBallHeMayReport)
{
    start(-1);
    Simulation& sim = match->simulation;
    const float keeperX = sim.teams[0].rods[0].position + 3.5f;
    sim.placeBall(100.0f, 33.2f);  // deep in the other half
    ASSERT_EQ(1, sim.restRegion);
    press(Key::D);
    EXPECT_FLOAT_EQ(keeperX, sim.ballPosition.x);
    EXPECT_EQ("DEAD BALL", match->ticker.text());

    // A rolling ball is not dead.
    sim.placeBall(60.0f, 20.0f);
    sim.ballAtRest = false;
    sim.ballVelocity = Vector3(30.0f, 0.0f, 0.0f);
    press(Key::D);
    EXPECT_GT(sim.ballPosition.x, 60.0f);

    // Against an opponent a ball resting in his reach is his to play.
    start(0);
    sim.placeBall(100.0f, 33.2f);
    frame(0.001f, {Key::D});
    EXPECT_NEAR(100.0f, sim.ballPosition.x, 0.5f);
    sim.placeBall(sim.teams[0].rods[1].position + 3.0f, 33.2f);  // in front of his defence
    ASSERT_EQ(0, sim.restRegion);
    frame(0.001f);  // D let go, so that the next frame presses it afresh
    press(Key::D);
    EXPECT_FLOAT_EQ(keeperX, sim.ballPosition.x);
}

TEST_F(DeadBalls, ABallOutOfEveryonesReachRestartsWithWhoeverTouchedItLast)
{
    start(0);
    Simulation& sim = match->simulation;
    sim.lastTouchTeam = 1;
    sim.placeBall(1.0f, 1.0f);
    frame(0.001f);
    EXPECT_FLOAT_EQ(sim.length - sim.teams[1].rods[0].position - 3.5f, sim.ballPosition.x);
    EXPECT_EQ("DEAD BALL", match->ticker.text());
}

TEST_F(DeadBalls, FreePracticeCountsNoGoalsAndAnnouncesNone)
{
    start(-1);
    Simulation& sim = match->simulation;
    for (Rod& rod : sim.teams[1].rods) rod.angle = -kHalfPi;  // figures already lifted
    sim.placeBall(100.0f, 33.2f);
    sim.ballAtRest = false;
    sim.ballVelocity = Vector3(300.0f, 0.0f, 0.0f);
    run(4.0f, 0.01f);
    EXPECT_GE(sounds->count("score1"), 1);  // the ball went in
    EXPECT_EQ(0, sim.score[0]);
    EXPECT_FALSE(match->ticker.showing());
    EXPECT_EQ(match, current());
}

using DeviceLoss = MatchFixture;

TEST_F(DeviceLoss, PausesAndResumesOnlyItsOwnPause)
{
    start(0);
    match->onDeviceLost();
    EXPECT_TRUE(match->paused);
    match->onDeviceReset();
    EXPECT_FALSE(match->paused);

    // The player's own pause outlasts a lost device.
    press(Key::P);
    match->onDeviceLost();
    match->onDeviceReset();
    EXPECT_TRUE(match->paused);
    press(Key::P);

    // Once the player has paused and resumed himself, the reset leaves his choice alone.
    match->onDeviceLost();
    press(Key::P);
    press(Key::P);
    ASSERT_TRUE(match->paused);
    match->onDeviceReset();
    EXPECT_TRUE(match->paused);

    // So does the quit question.
    press(Key::P);
    press(Key::Escape);
    match->onDeviceLost();
    match->onDeviceReset();
    EXPECT_TRUE(match->paused);
    EXPECT_TRUE(match->quitPrompt);
}

TEST_F(DeviceLoss, LeavingTheWindowPausesAndComingBackResumesAWindowedMatchToo)
{
    start(0);
    match->onFocusLost();
    EXPECT_TRUE(match->paused);
    const auto steps = match->match.subSteps;
    run(0.5f);
    EXPECT_EQ(steps, match->match.subSteps) << "the table stood still while the player was away";
    match->onFocusGained();
    EXPECT_FALSE(match->paused);

    // Full screen the device goes too: one return resumes, whichever comes first.
    match->onFocusLost();
    match->onDeviceLost();
    match->onDeviceReset();
    match->onFocusGained();
    EXPECT_FALSE(match->paused);

    // A pause of the player's own, or the quit question, is left as it was.
    press(Key::P);
    match->onFocusLost();
    match->onFocusGained();
    EXPECT_TRUE(match->paused);
    press(Key::P);
    press(Key::Escape);
    match->onFocusLost();
    match->onFocusGained();
    EXPECT_TRUE(match->paused);
    EXPECT_TRUE(match->quitPrompt);
}

} // namespace

namespace {
// A shot of the player's into the far goal, then frames until the ball is back in play:
// the frames while the goal's replay ran and the seconds of play from the goal to the
// kick-off.
struct ShotOutcome {
    int replayFrames = 0;
    double goalToKickOff = 0.0;
    bool tableStoodStill = true;
};
} // namespace

struct MatchReplay : MatchFixture {
    ShotOutcome shoot(bool skipAtOnce)
    {
        Simulation& sim = match->simulation;
        run(5.0f, 0.02f);  // more play than the replay shows
        sim.placeBall(sim.length - 1.0f, sim.width * 0.5f);
        sim.ballVelocity = Vector3(200.0f, 0.0f, 0.0f);
        ShotOutcome out;
        double goalTime = -1.0;
        for (int i = 0; i < 2000 && !(goalTime >= 0.0 && sim.state == InPlay); ++i) {
            const double before = match->match.playedSeconds;
            const bool replaying = match->replay.running();
            frame(0.02f, skipAtOnce && match->replay.running() ? std::initializer_list<std::uint8_t>{Key::K}
                                                                : std::initializer_list<std::uint8_t>{});
            if (replaying) {
                ++out.replayFrames;
                out.tableStoodStill = out.tableStoodStill && match->match.playedSeconds == before;
            }
            if (goalTime < 0.0 && sim.score[0] == 1 && !sim.goalPending)
                goalTime = match->match.playedSeconds;
        }
        out.goalToKickOff = match->match.playedSeconds - goalTime;
        return out;
    }
};

TEST_F(MatchReplay, AGoalIsReplayedOnlyWhenChosenAndTheKickOffFollowsItAsItFollowsAGoal)
{
    start(0);
    const ShotOutcome designed = shoot(false);
    EXPECT_EQ(designed.replayFrames, 0) << "replays are off until the player turns them on";
    ASSERT_EQ(match->simulation.score[0], 1);
    EXPECT_NEAR(designed.goalToKickOff, 2.7, 0.5);

    game.settings.setFlag(SettingsFile::profileKey("ANN", "replays"), true);
    start(0);
    const ShotOutcome replayed = shoot(false);
    // Four seconds of play, the last at half speed, at 50 frames a second.
    EXPECT_NEAR(replayed.replayFrames, 250, 3);
    EXPECT_TRUE(replayed.tableStoodStill);
    EXPECT_NEAR(replayed.goalToKickOff, designed.goalToKickOff, 0.021);

    start(0);
    const ShotOutcome skipped = shoot(true);
    EXPECT_EQ(skipped.replayFrames, 1) << "a key ends the replay at once";
    EXPECT_NEAR(skipped.goalToKickOff, designed.goalToKickOff, 0.021);
}
