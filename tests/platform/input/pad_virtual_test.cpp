// Pads driven through SDL's virtual joysticks, as a player's pad reaches the game: connected
// and mapped onto the common layout, sticks and buttons read, a tap between two frames
// counted, a mappings file taking precedence, a pad pulled out in the middle of a match,
// and the match's extras from the pad: START for the views, any button to skip a replay.
#include "platform/input/SdlGamepads.h"
#include "profiles/SettingsFile.h"

#include "../../screens/match/MatchFixture.h"

#include <SDL.h>

#include <cstdio>
#include <fstream>

namespace {

// A virtual pad of the common layout; SDL maps it by itself.
struct VirtualPad {
    int deviceIndex = -1;
    SDL_Joystick* joystick = nullptr;

    bool attach(const char* name = "Pitchbar Test Pad", SDL_JoystickType type = SDL_JOYSTICK_TYPE_GAMECONTROLLER)
    {
        SDL_VirtualJoystickDesc desc;
        SDL_zero(desc);
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = static_cast<Uint16>(type);
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = name;
        deviceIndex = SDL_JoystickAttachVirtualEx(&desc);
        if (deviceIndex < 0) return false;
        joystick = SDL_JoystickOpen(deviceIndex);
        return joystick != nullptr;
    }
    void detach()
    {
        if (!joystick) return;
        const int index = deviceIndex;
        SDL_JoystickClose(joystick);
        joystick = nullptr;
        SDL_JoystickDetachVirtual(index);
    }
    void axis(SDL_GameControllerAxis a, Sint16 value) { SDL_JoystickSetVirtualAxis(joystick, a, value); }
    void button(SDL_GameControllerButton b, bool down) { SDL_JoystickSetVirtualButton(joystick, b, down ? 1 : 0); }
};

struct PadFixture : MatchFixture {
    SdlGamepads pads;
    VirtualPad pad;

    void SetUp() override
    {
        MatchFixture::SetUp();
        ASSERT_EQ(0, SDL_InitSubSystem(SDL_INIT_EVENTS));
    }
    void TearDown() override
    {
        pad.detach();
        pump();
        MatchFixture::TearDown();
    }
    // The event pump of a frame: the pads' new state and their connections.
    void pump()
    {
        SDL_PumpEvents();
        SDL_Event event;
        while (SDL_PollEvent(&event)) pads.handleEvent(event);
    }
    std::vector<PadState> read()
    {
        pump();
        std::vector<PadState> now;
        pads.read(now);
        return now;
    }
    // One game frame with the pads as the devices would give them.
    void padFrame(float dt)
    {
        pump();
        InputSystem& in = *game.context.inputSystem;
        in.previousPads = in.pads;
        pads.read(in.pads);
        frame(dt);
    }
};

TEST_F(PadFixture, APadIsConnectedMappedReadAndPulledOut)
{
    ASSERT_TRUE(pads.start(""));
    EXPECT_TRUE(read().empty());
    ASSERT_TRUE(pad.attach()) << SDL_GetError();
    std::vector<PadState> now = read();
    ASSERT_EQ(1u, now.size());
    EXPECT_EQ("Pitchbar Test Pad", now[0].name);
    EXPECT_EQ(0u, now[0].buttons);

    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
    pad.axis(SDL_CONTROLLER_AXIS_RIGHTY, -32768);
    pad.axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    pad.button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, true);
    now = read();
    ASSERT_EQ(1u, now.size());
    EXPECT_FLOAT_EQ(1.0f, now[0].axes[kPadLeftX]);
    EXPECT_FLOAT_EQ(-1.0f, now[0].axes[kPadRightY]);
    EXPECT_FLOAT_EQ(1.0f, now[0].axes[kPadTriggerRight]);
    EXPECT_TRUE(now[0].isDown(kPadLeftShoulder));
    EXPECT_FALSE(now[0].isDown(kPadA));

    // A tap that comes and goes between two frames still counts, once.
    pad.button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, false);
    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    pump();
    pad.button(SDL_CONTROLLER_BUTTON_A, false);
    now = read();
    EXPECT_TRUE(now[0].isDown(kPadA));
    EXPECT_FALSE(now[0].isDown(kPadLeftShoulder));
    EXPECT_FALSE(read()[0].isDown(kPadA));

    const std::int32_t firstId = now[0].id;
    pad.detach();
    EXPECT_TRUE(read().empty());
    // Plugged in again it is a new pad.
    ASSERT_TRUE(pad.attach());
    now = read();
    ASSERT_EQ(1u, now.size());
    EXPECT_NE(firstId, now[0].id);
}

TEST_F(PadFixture, AMappingsFileSaysWhichButtonIsWhich)
{
    ASSERT_TRUE(pad.attach("Pitchbar Swapped Pad", SDL_JOYSTICK_TYPE_UNKNOWN));
    char guid[64];
    SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(pad.deviceIndex), guid, sizeof guid);
    pad.detach();
    // Mapping databases write the GUID without the name's checksum (its third and fourth
    // bytes), as here; a plain joystick that SDL does not know becomes a pad by the file.
    guid[4] = guid[5] = guid[6] = guid[7] = '0';
    const std::string file = (folder / "gamecontrollerdb.txt").string();
    // A and B swapped, the left stick's axes swapped.
    std::ofstream(file) << "# test pads\n" << guid
                        << ",Pitchbar Swapped Pad,a:b1,b:b0,x:b2,y:b3,leftx:a1,lefty:a0,platform:Linux,\n";
    ASSERT_TRUE(pads.start(file));
    ASSERT_TRUE(pad.attach("Pitchbar Swapped Pad", SDL_JOYSTICK_TYPE_UNKNOWN));
    pad.button(SDL_CONTROLLER_BUTTON_A, true);  // the pad's button 0
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);  // its axis 0
    std::vector<PadState> now = read();
    ASSERT_EQ(1u, now.size());
    EXPECT_TRUE(now[0].isDown(kPadB));
    EXPECT_FALSE(now[0].isDown(kPadA));
    EXPECT_FLOAT_EQ(1.0f, now[0].axes[kPadLeftY]);
    EXPECT_FLOAT_EQ(0.0f, now[0].axes[kPadLeftX]);
    EXPECT_FALSE(errorFileExists());

    // A mappings file that cannot be read is told, and the pads still play.
    SdlGamepads other;
    const std::string broken = (folder / "broken.txt").string();
    std::filesystem::create_directory(broken);
    EXPECT_TRUE(other.start(broken));
    EXPECT_TRUE(errorFileExists());
}

TEST_F(PadFixture, APadPlaysTheMatchAndPulledOutItPausesIt)
{
    ASSERT_TRUE(pads.start(""));
    ASSERT_TRUE(pad.attach());
    TwoPlayerSetup& setup = game.context.twoPlayers;
    setup.active = true;
    setup.hands[0] = {HandsKind::Pad, 0};
    setup.hands[1] = {HandsKind::Keyboard, 0};
    pump();
    pads.read(game.context.inputSystem->pads);
    start(-1);
    ASSERT_NE(kNoPad, match->playerPad.padId);
    match->playerControl.selectionMode = 2;
    for (int i = 0; i < 3; ++i) padFrame(1.0f / 60.0f);

    // Frames from the stick's movement to the held rod moving: the frame that reads the
    // stick moves the rod, and the table display takes the rod's angle in that same frame.
    const Rod& rod = match->simulation.teams[0].rods[2];
    const float before = rod.angle;
    pad.axis(SDL_CONTROLLER_AXIS_RIGHTX, 32767);
    int frames = 0;
    while (rod.angle == before && frames < 10) {
        padFrame(1.0f / 60.0f);
        ++frames;
    }
    std::printf("pad stick to rod moving: %d frame(s)\n", frames);
    EXPECT_EQ(1, frames);
    EXPECT_GT(rod.angle, before);  // right swings the feet forward

    // The trigger winds back, its release strikes.
    pad.axis(SDL_CONTROLLER_AXIS_RIGHTX, 0);
    pad.axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    for (int i = 0; i < 20; ++i) padFrame(1.0f / 60.0f);
    EXPECT_FLOAT_EQ(-0.5f, rod.angle);
    pad.axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0);
    for (int i = 0; i < 20; ++i) padFrame(1.0f / 60.0f);
    EXPECT_FLOAT_EQ(0.5f, rod.angle);

    pad.detach();
    padFrame(1.0f / 60.0f);
    EXPECT_TRUE(match->pausedByPadLoss);
    EXPECT_EQ("CONNECT A PAD FOR [ANN] TO PLAY ON ([P]: PLAY ON WITHOUT IT)", match->pauseMessage());
    ASSERT_TRUE(pad.attach());
    padFrame(1.0f / 60.0f);
    EXPECT_FALSE(match->paused);
    EXPECT_NE(kNoPad, match->playerPad.padId);
}

TEST_F(PadFixture, RightStickStepsThroughTheViewsStartAsksToLeaveAndAnyButtonSkipsAReplay)
{
    ASSERT_TRUE(pads.start(""));
    ASSERT_TRUE(pad.attach());
    game.settings.setFlag(SettingsFile::profileKey("ANN", "replays"), true);
    pump();
    pads.read(game.context.inputSystem->pads);
    start(0);  // alone: the pad plays beside the mouse
    ASSERT_NE(kNoPad, match->playerPad.padId);
    padFrame(0.02f);
    EXPECT_EQ(TableView::Designed, match->view.view);

    // The right stick pressed in steps to the next view once however long it is held, as
    // TAB does.
    pad.button(SDL_CONTROLLER_BUTTON_RIGHTSTICK, true);
    padFrame(0.02f);
    const TableView second = nextTableView(TableView::Designed);
    EXPECT_EQ(second, match->view.view);
    padFrame(0.02f);
    EXPECT_EQ(second, match->view.view);
    pad.button(SDL_CONTROLLER_BUTTON_RIGHTSTICK, false);
    padFrame(0.02f);
    pad.button(SDL_CONTROLLER_BUTTON_RIGHTSTICK, true);
    padFrame(0.02f);
    EXPECT_EQ(nextTableView(second), match->view.view);
    pad.button(SDL_CONTROLLER_BUTTON_RIGHTSTICK, false);
    // START asks to leave, as ESC does, and leaves the view alone; the pad's "no" (its B
    // as a menu key) plays on.
    pad.button(SDL_CONTROLLER_BUTTON_START, true);
    padFrame(0.02f);
    EXPECT_TRUE(match->quitPrompt);
    EXPECT_EQ(nextTableView(second), match->view.view);
    pad.button(SDL_CONTROLLER_BUTTON_START, false);
    game.context.inputSystem->menuKeys = {MenuKeyPress{MenuKey::Back, true}};
    padFrame(0.02f);
    game.context.inputSystem->menuKeys.clear();
    EXPECT_FALSE(match->quitPrompt);

    // A goal with a button held from before it: the replay runs on while it stays held, and
    // another button pressed ends it.
    for (int i = 0; i < 50; ++i) padFrame(0.02f);
    Simulation& sim = match->simulation;
    sim.placeBall(sim.length - 1.0f, sim.width * 0.5f);
    sim.ballVelocity = Vector3(200.0f, 0.0f, 0.0f);
    pad.button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, true);
    for (int i = 0; i < 200 && !match->replay.running(); ++i) padFrame(0.02f);
    ASSERT_TRUE(match->replay.running());
    for (int i = 0; i < 5; ++i) padFrame(0.02f);
    EXPECT_TRUE(match->replay.running());
    pad.button(SDL_CONTROLLER_BUTTON_B, true);
    padFrame(0.02f);
    EXPECT_FALSE(match->replay.running());

    // The trigger too, as the mouse's click does.
    pad.button(SDL_CONTROLLER_BUTTON_B, false);
    pad.button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, false);
    for (int i = 0; i < 300 && sim.state != InPlay; ++i) padFrame(0.02f);
    for (int i = 0; i < 50; ++i) padFrame(0.02f);
    sim.placeBall(sim.length - 1.0f, sim.width * 0.5f);
    sim.ballVelocity = Vector3(200.0f, 0.0f, 0.0f);
    for (int i = 0; i < 200 && !match->replay.running(); ++i) padFrame(0.02f);
    ASSERT_TRUE(match->replay.running());
    pad.axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767);
    padFrame(0.02f);
    EXPECT_FALSE(match->replay.running());
}

} // namespace
