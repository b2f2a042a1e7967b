// One frame of the match screen: the keys, a frame of the match with its announcements,
// the ticker and the sound listener, the spin meter and the 3D display.
#include "screens/MatchScreen.h"

#include "screens/ScreenContext.h"
#include "profiles/ProfileStore.h"
#include "core/ErrorLog.h"
#include "audio/SoundSystem.h"
#include "control/FoosballControl.h"
#include "display/FoosballDisplayer.h"
#include "input/InputSystem.h"
#include "render/fonts/PBFontBig.h"
#include "render/fonts/TextLayout.h"
#include "core/math/Matrix4.h"
#include "screens/MatchViewSettings.h"
#include "simulation/TableSounds.h"
#include "ui/widgets/PBSignedMeter.h"

#include <algorithm>

namespace {

// Spin rate (rad/s) at which the meter is full.
constexpr float kFullSpinRate = 50.0f;
// Widest announcement in the big font: the screen less a margin at each side.
constexpr int kAnnouncementWidth = 1000;

}  // namespace

bool MatchScreen::keyPressed(unsigned char key) const
{
    return input && input->isPressed(key);
}

bool MatchScreen::anyPadPressed(int button) const
{
    if (!input)
        return false;
    for (const PadState& pad : input->pads)
        if (input->isPadPressed(pad.id, button))
            return true;
    return false;
}

// The quit question's answer as the keyboard layout types it: 'y' or 'n' (either case),
// the first one typed this frame; 0 for none.
char MatchScreen::typedAnswer() const
{
    if (!input)
        return 0;
    for (std::uint32_t typed : input->typed) {
        if (typed == 'y' || typed == 'Y')
            return 'y';
        if (typed == 'n' || typed == 'N')
            return 'n';
    }
    return 0;
}

bool MatchScreen::onMenuKey(const MenuKeyPress& press)
{
    if (press.fromPad && quitPrompt && !leaving && !padAnswer_) {
        if (press.key == MenuKey::Press)
            padAnswer_ = 'y';
        else if (press.key == MenuKey::Back)
            padAnswer_ = 'n';
    }
    return true;
}

void MatchScreen::answerQuitPrompt()
{
    const char answer = padAnswer_ ? padAnswer_ : typedAnswer();
    if (answer == 'y') {
        leaving = true;
        leaveTo(screenAfterMatch());
    } else if (answer == 'n') {
        paused = false;
        quitPrompt = false;
    }
}

std::string MatchScreen::announcement(const std::string& name, const std::string& verb) const
{
    // The announcement stays on the screen however long the name from the save file is.
    KRFont* big = context ? context->fontBig : nullptr;
    const std::size_t shown =
        big ? TextLayout::fittingLength(*big, name, kAnnouncementWidth - TextLayout::textWidth(*big, verb)) : name.size();
    return name.substr(0, shown) + verb;
}

void MatchScreen::onGoal(const GoalReport& goal)
{
    ticker.queue(announcement(goal.byTeam0 ? playerName() : opponentName(), goal.decisive ? " WINS" : " SCORES"),
                 &goalBanner);
    // The deciding goal is not replayed: the winner is announced as always.
    replayPending_ = replaysOn_ && !goal.decisive;
    replayGoalAtPositiveX_ = goal.byTeam0;
    if (goal.decisive)
        matchWon();
}

void MatchScreen::matchWon()
{
    addTimer("applause", kApplauseDelay);
    if (twoPlayers) {
        recordTwoPlayerResult();
    } else if (match.winner() == 0 && context) {
        context->profileStore->recordWin(simulation.score[1]);
        // Saved at once: a win is the one thing a player must never lose.
        context->profileStore->save();
        if (opponentIndex == kLastOpponent)
            finalVictory = true;
    }
}

void MatchScreen::beforeSubSteps(float dt)
{
    ticker.update(dt);
    moveSoundListener();
}

void MatchScreen::moveSoundListener()
{
    if (!context || !context->soundSystem)
        return;
    const Matrix4 turn = matrixRotationQuaternion(camera.orientation);
    const Vector3 forward = transformCoord(Vector3(0.0f, 0.0f, 1.0f), turn);
    const Vector3 up = transformCoord(Vector3(0.0f, 1.0f, 0.0f), turn);
    context->soundSystem->updateListener(Vector3(camera.x, camera.y, camera.z), forward, up);
}

void MatchScreen::update(float dt)
{
    padAnswer_ = 0;
    PBScreen::update(dt);
    watchPads();

    if (quitPrompt && !leaving)
        answerQuitPrompt();
    padAnswer_ = 0;
    if (keyPressed(Key::P) && !quitPrompt) {
        paused = !paused;
        // The player has taken the pause into his own hands.
        pausedByDeviceLoss = false;
        pausedByAbsence = false;
        if (paused)
            quietenRollingBall();
    }
    if (paused)
        return;
    if (replay.running()) {
        ticker.update(dt);
        if (display && replay.advance(dt, input, *display, camera, tableSounds.get())) {
            moveSoundListener();
            return;
        }
        endReplay();
        return;
    }
    // A pad's START asks to leave as ESC does (its A and B answer the question).
    if (keyPressed(Key::Escape) || anyPadPressed(kPadStart)) {
        paused = true;
        quitPrompt = true;
        quietenRollingBall();
        return;
    }
    if (keyPressed(Key::D))
        match.claimDeadBall(0);
    if (keyPressed(Key::Tab) || padAsksForNextView())
        switchView();
    // The goal of the last frame, the dead-ball rule, the ticker and the listener
    // (beforeSubSteps), then the table in steps of at most 1 ms.
    match.frame(dt, this);
    if (tableSounds) tableSounds->endFrame();
    if (spinMeter)
        spinMeter->value = simulation.state == InPlay
                               ? std::clamp(simulation.spinRate / kFullSpinRate, -1.0f, 1.0f)
                               : 0.0f;
    placeView(dt, false);
    if (display) {
        display->update();
        display->lastFrame.time = match.playedSeconds;
        replay.record(display->lastFrame);
    }
    if (replayPending_)
        startReplay();
}

void MatchScreen::placeView(float dt, bool jump)
{
    view.place(camera, simulation.ballPosition.x - simulation.length * 0.5f, dt, jump);
}

void MatchScreen::switchView()
{
    view.view = nextTableView(view.view);
    playerHands.axes = mouseAxesOf(view.view);
    placeView(0.0f, true);
    keepMatchView(context, view.view);
}

void MatchScreen::startReplay()
{
    replayPending_ = false;
    if (display && replay.start(match.playedSeconds, replayGoalAtPositiveX_, input))
        quietenRollingBall();
}

void MatchScreen::endReplay()
{
    replay.stop();
    placeView(0.0f, true);
    if (display)
        display->showFrame(display->lastFrame);
    moveSoundListener();
}
