#pragma once
// The screen a match or free practice is played on. It owns the match (the table and its
// rules), the player's controller with the mouse as its hands, and the table sounds, picks
// the other side's controller at every match start, plays a frame of the match each frame,
// announces its goals and winner, handles pause and quit, draws the head-up display over
// the 3D table and hands over to the next screen when the match is over.
#include "control/AssistedControl.h"
#include "control/KeyboardRodCommands.h"
#include "control/MixedRodCommands.h"
#include "control/MouseRodCommands.h"
#include "control/PadRodCommands.h"
#include "display/TableViews.h"
#include "match/Match.h"
#include "render/AtlasImage.h"
#include "render/Camera.h"
#include "render/fonts/FittedText.h"
#include "screens/GoalReplay.h"
#include "screens/MessageTicker.h"
#include "simulation/DeadBallListener.h"
#include "screens/PBScreen.h"
#include "screens/TwoPlayerSetup.h"

#include <memory>
#include <string>

class FoosballControl;
class FoosballDisplayer;
class PBSignedMeter;
struct Profile;
class PBSteelLabel;
class ReleaseControl;
class TableSounds;
struct TextureRecord;

class MatchScreen : public PBScreen, public DeadBallListener, public MatchObserver {
public:
    // The last and strongest opponent; beating him ends the game.
    static constexpr int kLastOpponent = 7;
    static constexpr float kApplauseDelay = 1.0f;
    static constexpr float kEndMatchDelay = 3.0f;

    Match match;
    // The match's table.
    Simulation& simulation;
    AssistedControl playerControl;
    // The player's hands: the mouse and the keys that choose rods.
    MouseRodCommands playerHands;
    // Player 1's other hands: a pad (beside the mouse when he plays alone) and the keys.
    PadRodCommands playerPad;
    KeyboardRodCommands playerKeys;
    MixedRodCommands playerMouseAndPad;
    // Two players at one table (MatchTwoPlayers.cpp): player 2's controller on team 1 and
    // his hands, the one he chose.
    bool twoPlayers = false;
    TwoPlayerSetup players;
    AssistedControl secondControl;
    MouseRodCommands secondMouse;
    KeyboardRodCommands secondKeys;
    PadRodCommands secondPad;
    // The pad button that steps through the views as TAB does: one the rods leave free
    // (START asks to leave, as ESC does).
    static constexpr int kViewPadButton = kPadRightStick;
    // The side whose pad is missing while the match waits for one, -1 for none.
    bool pausedByPadLoss = false;
    int padLostSide = -1;
    // The opponent's FoosballAI (owned by its Opponent record) or the practice controller.
    FoosballControl* opponentControl = nullptr;
    // The table sounds of the running game; the simulation plays through it. A test may
    // put a recorder in its place (and into simulation.tableSounds).
    std::unique_ptr<TableSounds> tableSounds;
    // The goal replay and the view the player watches through (TAB changes it).
    GoalReplay replay;
    TableViewCamera view;
    std::unique_ptr<FoosballDisplayer> display;
    Camera camera;
    PBSignedMeter* spinMeter = nullptr;  // owned by the components
    PBSteelLabel* spinLabel = nullptr;   // owned by the components
    MessageTicker ticker;
    AtlasImage goalBanner;
    TextureRecord* opponentPicture = nullptr;
    bool paused = false;
    bool quitPrompt = false;
    bool leaving = false;
    bool pausedByDeviceLoss = false;
    bool pausedByAbsence = false;
    bool finalVictory = false;
    bool practice = false;
    // The opponent of the running match, -1 in free practice.
    int opponentIndex = -1;

    MatchScreen(ScreenContext* context, Renderer* renderer);
    ~MatchScreen() override;

    // The start-up step: table sounds, camera, shadow map (when the device can draw it),
    // goal banner, spin meter and its label, and the table display. false (after its error
    // line) only when there is no game or renderer to build on.
    bool load();

    void update(float dt) override;
    void draw(int pass) override;
    void onEnter() override;
    void onLeave() override;
    void onDeviceLost() override;
    void onDeviceReset() override;
    // A player who leaves the window finds the match paused, full screen or not, and
    // playing again on his return unless he paused it himself.
    void onFocusLost() override;
    void onFocusGained() override;
    bool playPaused() const override { return paused; }
    bool holdsPointer() const override { return !paused && !quitPrompt && !leaving; }
    bool matchUnderway() const override { return !leaving && !match.decided(); }
    void onTimer(const ScreenTimer& timer) override;
    // The match keeps its own keys: the keyboard's ESC asks to quit and Y or N answers.
    // A pad's A and B answer the question as Y and N do; no menu key does anything else
    // here.
    bool onMenuKey(const MenuKeyPress& press) override;
    // A paused match stands still (the pointer is hidden): a few frames a second keep the
    // window painted and the music fed.
    static constexpr int kPausedFramesPerSecond = 10;
    int framesPerSecondWanted() const override { return paused ? kPausedFramesPerSecond : 0; }

    void onDeadBall() override;
    // The match's goals, and its frame just before the table moves.
    void onGoal(const GoalReport& goal) override;
    void beforeSubSteps(float dt) override;
    // A timed match's clock ran out (MatchClock.cpp): the winner is told, or that the next
    // goal decides a draw.
    void onFullTime(int winner) override;

    // The names the HUD and the announcements use.
    std::string playerName() const;
    std::string opponentName() const;
    // The name of the player of a side: player 1's, or the opponent's or player 2's.
    std::string sideName(int side) const { return side == 0 ? playerName() : opponentName(); }
    // What the pause box says.
    std::string pauseMessage() const;
    // The time left in a timed match as the HUD shows it, "M:SS" in whole seconds rounded up.
    static std::string clockText(double secondsLeft);

private:
    void chooseOpponentController();
    bool keyPressed(unsigned char key) const;
    bool anyPadPressed(int button) const;
    char typedAnswer() const;
    // A pad's answer to the quit question this frame ('y', 'n' or 0).
    char padAnswer_ = 0;
    void answerQuitPrompt();
    void moveSoundListener();
    // The rolling ball turned down to its resting loudness while the game stands still.
    void quietenRollingBall();
    // The menu a finished or abandoned match returns to.
    PBScreen* screenAfterMatch() const;
    void leaveTo(PBScreen* target);

    void drawHud();
    void drawScoreBox();
    void drawNamePanels();
    void drawControlPanels();
    void drawTicker();
    void drawPanel(int x, int y, int width, int height);
    void drawReplayMark();
    // The time left in a timed match, under the score (MatchClock.cpp).
    void drawMatchClock();
    // The match is won: applause, then the menu; the result is kept.
    void matchWon();
    // "<name><verb>" for the ticker, the name cut to fit the screen.
    std::string announcement(const std::string& name, const std::string& verb) const;

    // The view after the current one, kept for the player; the mouse's axes follow it.
    void switchView();
    void placeView(float dt, bool jump);
    // A goal replay starts after the frame that told the goal; at its end the live table
    // and the player's view return.
    void startReplay();
    void endReplay();
    // The match's sounds pass through here on their way to tableSounds, kept for the replay.
    std::unique_ptr<TableSounds> replaySounds_;
    bool replaysOn_ = false;
    bool replayPending_ = false;
    bool replayGoalAtPositiveX_ = false;

    // Two players and pads (MatchTwoPlayers.cpp).
    void setUpHands();
    void setUpSecondPlayer();
    void assignPadAtStart(int side, const HandsChoice& choice);
    PadRodCommands& padOf(int side) { return side == 0 ? playerPad : secondPad; }
    // Pads connected and pulled out: a side's pad gone pauses the match, a pad connected
    // for a side without one is taken and play goes on.
    void watchPads();
    // Plugged in since the last frame, or one of its buttons went down.
    bool padJustReached(const PadState& pad) const;
    // A side's pad asks for the next view (its right stick was pressed in), as TAB does.
    bool padAsksForNextView() const;
    void recordTwoPlayerResult();
    void drawSecondPlayerPanels();
    bool padUsed_[2] = {false, false};    // the side's hands include a pad
    bool padWanted_[2] = {false, false};  // the side waits for a pad

    std::unique_ptr<ReleaseControl> practiceControl_;
    bool loaded_ = false;
    FittedText shownPlayerName_;
};
