// The match screen's life: its one-time set-up, the start of every match, leaving, device
// loss and the timers that end a won or lost match.
#include "screens/MatchScreen.h"

#include "screens/ExtraSettingRows.h"

#include "screens/ScreenContext.h"
#include "profiles/ProfileStore.h"
#include "assets/ResourceManager.h"
#include "core/ErrorLog.h"
#include "audio/OpenALTableSounds.h"
#include "control/FoosballAI.h"
#include "control/Opponent.h"
#include "control/ReleaseControl.h"
#include "display/FoosballDisplayer.h"
#include "display/ReplaySoundRecorder.h"
#include "display/TableCamera.h"
#include "platform/time/GameClock.h"
#include "render/Renderer.h"
#include "render/effects/ShadowMap.h"
#include "render/fonts/PBFontSmall.h"
#include "screens/MatchSettings.h"
#include "screens/MatchViewSettings.h"
#include "ui/widgets/GuiAtlas.h"
#include "ui/widgets/PBSignedMeter.h"
#include "ui/widgets/PBSteelLabel.h"

MatchScreen::MatchScreen(ScreenContext* c, Renderer* r) : PBScreen(c, r), simulation(match.simulation)
{
    showsPointer = false;
    simulation.addDeadBallListener(this);
    playerControl.simulation = &simulation;
    playerControl.rods = simulation.teams[0].rods;
}

// The renderer may already be gone when the game shuts down (it is released first), so
// nothing here touches it; the table display only destroys its own objects.
MatchScreen::~MatchScreen() = default;

bool MatchScreen::load()
{
    if (loaded_)
        return true;
    if (!context || !renderer) {
        logError("The match screen needs the game and its renderer.");
        return false;
    }
    tableSounds = std::make_unique<OpenALTableSounds>(context->soundSystem, context->resourceManager);
    replaySounds_ = std::make_unique<ReplaySoundRecorder>(*tableSounds, replay.ring, match.playedSeconds);
    simulation.tableSounds = replaySounds_.get();

    setTableCamera(camera);
    renderer->camera = &camera;
    if (renderer->shadowCapable)
        setUpShadowMap(*renderer);  // on failure the table is simply drawn without shadows

    const GuiAtlas::Rect& banner = GuiAtlas::GoalBanner;
    goalBanner = AtlasImage{guiTexture, banner.x, banner.y, banner.width, banner.height};

    spinMeter = new PBSignedMeter(this, 100, 22);
    spinMeter->x = 250;
    spinMeter->y = 706;
    addComponent(spinMeter);
    spinLabel = new PBSteelLabel(this, "BALL SPIN:", context->fontSmall);
    spinLabel->x = 140;
    spinLabel->y = 706;
    spinLabel->width = 98;
    addComponent(spinLabel);

    display = std::make_unique<FoosballDisplayer>(renderer, &simulation, &playerControl);
    loaded_ = true;
    return true;
}

std::string MatchScreen::playerName() const
{
    const Profile* profile = context ? context->profileStore->currentProfile : nullptr;
    return profile ? profile->name : std::string("PLAYER");
}

std::string MatchScreen::opponentName() const
{
    if (twoPlayers)
        return players.secondName;
    if (!context || opponentIndex < 0 || opponentIndex >= static_cast<int>(context->opponents->size()))
        return std::string();
    return (*context->opponents)[opponentIndex]->name;
}

void MatchScreen::chooseOpponentController()
{
    // The previous match's controller leaves the table; a practice controller of that
    // match is released only now, when nothing refers to it any more.
    match.setSide(1, nullptr, nullptr);
    opponentControl = nullptr;
    practiceControl_.reset();

    Opponent* opponent = nullptr;
    if (context && context->profileStore->currentOpponent != -1) {
        opponent = currentOpponentEntry(*context);
        if (!opponent || !opponent->ai)
            logError("No opponent " + std::to_string(context->profileStore->currentOpponent) +
                     "; the table is played as free practice.");
    }
    if (opponent && opponent->ai) {
        opponentIndex = context->profileStore->currentOpponent;
        opponentControl = opponent->ai;
        // The opponent plays at the profile's difficulty; NORMAL is the designed table.
        const Profile* profile = context->profileStore->currentProfile;
        opponent->ai->useParameters(
            parametersAt(opponentIndex, profileDifficulty(context->settings, profile ? profile->name : std::string())));
    } else {
        opponentIndex = -1;
        practiceControl_ = std::make_unique<ReleaseControl>();
        opponentControl = practiceControl_.get();
    }
    // It plays by itself and hears the ball events.
    match.setSide(1, opponentControl, nullptr);
}

void MatchScreen::onEnter()
{
    finalVictory = false;
    paused = false;
    quitPrompt = false;
    leaving = false;
    pausedByDeviceLoss = false;
    pausedByAbsence = false;
    pausedByPadLoss = false;
    padLostSide = -1;
    // Timers of a match that was left before they ran out must not end this one.
    timers.clear();

    const Profile* profile = context ? context->profileStore->currentProfile : nullptr;
    const Profile defaults;
    const Profile& settings = profile ? *profile : defaults;
    if (renderer)
        renderer->shadowsEnabled = settings.shadows ? 1 : 0;

    applyProfileToControl(settings, playerControl);
    readMatchView(context, profile, replaysOn_, view.view);
    playerHands.axes = mouseAxesOf(view.view);
    replay.clear();
    replayPending_ = false;
    setUpHands();

    if (twoPlayers)
        setUpSecondPlayer();
    else
        chooseOpponentController();
    opponentPicture = context ? pictureOfOpponent(*context, opponentIndex) : nullptr;

    practice = !twoPlayers && opponentIndex == -1;
    MatchSetup setup;
    setup.practice = practice;
    setup.rim = settings.rim;
    // The opponents' ladder is played first to five; two players choose.
    if (twoPlayers)
        setup.length = players.length;
    match.start(setup);

    placeView(0.0f, true);  // before the display, which tells the renderer whether it stands still
    if (display) {
        display->setTeamPalette(readTeamPalette(context, profile));
        display->startMatch();
    }

    timeBeginPeriod(1);
}

void MatchScreen::onLeave()
{
    if (display)
        display->endMatch();
    ticker.clear();
    // A match left through the quit question still has its rolling voice; it would roll on
    // under the menus until the next goal.
    if (tableSounds)
        tableSounds->stopRoll();
}

void MatchScreen::quietenRollingBall()
{
    if (tableSounds)
        tableSounds->updateRoll(Vector3(0.0f, 0.0f, 0.0f), Vector3(0.0f, 0.0f, 0.0f));
}

void MatchScreen::onDeviceLost()
{
    if (!paused) {
        paused = true;
        pausedByDeviceLoss = true;
        quietenRollingBall();
    } else {
        pausedByDeviceLoss = false;
    }
}

void MatchScreen::onFocusLost()
{
    if (paused)
        return;
    paused = true;
    pausedByAbsence = true;
    quietenRollingBall();
}

void MatchScreen::onFocusGained()
{
    if (pausedByAbsence)
        paused = false;
    pausedByAbsence = false;
}

void MatchScreen::onDeviceReset()
{
    if (pausedByDeviceLoss)
        paused = false;
    // The pause the loss caused is over; a later reset must not end a pause of the player.
    pausedByDeviceLoss = false;
}

PBScreen* MatchScreen::screenAfterMatch() const
{
    if (!context)
        return nullptr;
    if (finalVictory && context->screens.winnerScreen)
        return context->screens.winnerScreen;
    if (context->screens.playerScreen)
        return context->screens.playerScreen;
    return context->screens.profilesScreen;
}

void MatchScreen::leaveTo(PBScreen* target)
{
    if (!target) {
        logError("The match has no menu to return to.");
        return;
    }
    switchTo(target);
}

void MatchScreen::onTimer(const ScreenTimer& timer)
{
    if (timer.name == "applause") {
        if (tableSounds)
            tableSounds->playApplause();
        addTimer("endmatch", kEndMatchDelay);
    } else if (timer.name == "endmatch") {
        // The player may already be on his way out through the quit question.
        if (!leaving) {
            leaving = true;
            leaveTo(screenAfterMatch());
        }
    }
}

void MatchScreen::onDeadBall()
{
    ticker.queue("DEAD BALL");
}
