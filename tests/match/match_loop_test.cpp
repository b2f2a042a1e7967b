// The one match loop: how a frame is cut into sub-steps and the hands' movement shared out,
// and a long scripted match whose every frame is pinned, so a change of the order of
// updates, of the numbers or of the events shows at once.
#include "control/AssistedControl.h"
#include "control/FoosballAI.h"
#include "control/MouseRodCommands.h"
#include "control/Opponent.h"
#include "core/GameRandom.h"
#include "input/InputSystem.h"
#include "match/Match.h"
#include "match/SubSteps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

// The snapshot's destructor belongs to the game library; this one is never deleted, and
// stays reachable to the end of the run, so the leak checker passes over it.
InputSystem& makeInputSnapshot()
{
    static auto* made = new std::vector<InputSystem*>;  // never destroyed: still reachable at exit
    made->push_back(new InputSystem);
    return *made->back();
}

TEST(MatchLoop, AFrameIsCutIntoMillisecondsAndTheMouseIsSharedInProportion)
{
    InputSystem& input = makeInputSnapshot();
    input.mouseMoveX = 10.0f;
    input.mouseMoveY = -5.0f;
    MouseRodCommands hands;
    hands.input = &input;
    hands.beginFrame(0.0125f);
    std::vector<float> steps;
    float totalTurn = 0.0f;
    forEachSubStep(0.0125f, [&](float s) {
        steps.push_back(s);
        RodCommand c = hands.next(s);
        totalTurn += c.turn;
        if (steps.size() <= 12) {
            EXPECT_NEAR(0.8f, c.turn, 1e-4f);  // 0.08 of the movement
            EXPECT_NEAR(-0.4f, c.shift, 1e-4f);
        }
    });
    ASSERT_EQ(13u, steps.size());
    for (int i = 0; i < 12; ++i)
        EXPECT_FLOAT_EQ(0.001f, steps[i]);
    EXPECT_NEAR(0.0005f, steps[12], 1e-5f);
    EXPECT_NEAR(10.0f, totalTurn, 1e-3f);

    int calls = 0;
    forEachSubStep(0.0f, [&](float) { ++calls; });
    EXPECT_EQ(0, calls);  // the first frame has no time and must not divide by it
}

TEST(MatchLoop, TheMouseHandsReadButtonsAndTheFirstRodChoiceKeyDown)
{
    InputSystem& input = makeInputSnapshot();
    MouseRodCommands hands;
    hands.input = &input;
    input.keys[Key::V] = Key::DownBit;
    input.keys[Key::Digit3] = Key::DownBit;
    input.keys[Key::X] = Key::DownBit;
    input.mouseState.buttons[1] = Key::DownBit;
    hands.beginFrame(0.016f);
    RodCommand c = hands.next(0.001f);
    EXPECT_EQ(2, c.rodChoice);  // 3 comes before V
    EXPECT_TRUE(c.assistKey);
    EXPECT_TRUE(c.tilt);
    EXPECT_FALSE(c.shoot);

    MouseRodCommands none;  // no input: still hands
    none.beginFrame(0.016f);
    c = none.next(0.001f);
    EXPECT_EQ(0.0f, c.turn);
    EXPECT_EQ(kNoRodChoice, c.rodChoice);
}

// Scripted hands: frames of 16 and 17 ms with an occasional long one, the mouse swung,
// the buttons and the rod choice and assistance keys pressed now and then, and D.
struct ScriptFrame {
    float dt;
    float mx, my;
    bool left, right;
    std::uint8_t key;  // 0: none
    bool dKey;
};

ScriptFrame scriptFrame(int f)
{
    static const std::uint8_t kKeys[] = {0, Key::Digit1, Key::Digit2, Key::Digit3, Key::Digit4,
                                         Key::Space, Key::C, Key::V, Key::X};
    ScriptFrame s;
    s.dt = (f % 3 == 0) ? 0.017f : 0.016f;
    if (f % 97 == 0) s.dt = 0.033f;
    if (f == 0) s.dt = 0.0f;
    s.mx = 9.0f * std::sin(f * 0.11f) + ((f / 40) % 5 == 0 ? 25.0f : 0.0f);
    s.my = 6.0f * std::sin(f * 0.037f + 1.0f);
    s.left = (f % 90) > 70;
    s.right = (f % 250) > 240;
    const int k = (f / 60) % 12;
    s.key = (f % 60) < 5 && k < 9 ? kKeys[k] : 0;
    s.dKey = f % 400 == 399;
    return s;
}

std::uint64_t mix(std::uint64_t h, float v)
{
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return (h ^ bits) * 1099511628211ull;
}

class GoalDigest : public MatchObserver {
public:
    std::uint64_t* digest = nullptr;
    int frame = 0;
    int goals = 0;
    void onGoal(const GoalReport& goal) override
    {
        *digest = mix(*digest, goal.byTeam0 ? 1.0f : 2.0f);
        *digest = mix(*digest, static_cast<float>(frame));
        ++goals;
    }
    void beforeSubSteps(float) override {}
};

// 6000 frames of the scripted player against an opponent: a digest of every frame's
// table, the goals and the player's rod choice.
std::uint64_t scriptedMatchDigest(int opponent, bool rim, int& goals)
{
    seedGameRandom(7);
    InputSystem& input = makeInputSnapshot();
    Match match;
    AssistedControl player;
    player.setMouseSensitivities(9, 6);
    player.clickRotationSpeed = 8;
    player.selectionMode = kSelectionAuto;
    MouseRodCommands hands;
    hands.input = &input;
    FoosballAI computer(opponentEntry(opponent).parameters);
    match.setSide(0, &player, &hands);
    match.setSide(1, &computer, nullptr);
    MatchSetup setup;
    setup.rim = rim;
    match.start(setup);

    std::uint64_t h = 1469598103934665603ull;
    GoalDigest observer;
    observer.digest = &h;
    const Simulation& sim = match.simulation;
    for (int f = 0; f < 6000; ++f) {
        const ScriptFrame s = scriptFrame(f);
        std::memset(input.keys, 0, sizeof input.keys);
        if (s.key) input.keys[s.key] = Key::DownBit;
        input.mouseState.buttons[0] = s.left ? Key::DownBit : 0;
        input.mouseState.buttons[1] = s.right ? Key::DownBit : 0;
        input.mouseMoveX = s.mx;
        input.mouseMoveY = s.my;
        if (s.dKey) match.claimDeadBall(0);
        observer.frame = f;
        match.frame(s.dt, &observer);
        h = mix(h, sim.ballPosition.x);
        h = mix(h, sim.ballPosition.z);
        h = mix(h, sim.ballVelocity.x);
        for (const Team& team : sim.teams)
            for (const Rod& rod : team.rods) {
                h = mix(h, rod.angle);
                h = mix(h, rod.shift);
            }
        h = mix(h, static_cast<float>(player.selectionMode));
        h = mix(h, static_cast<float>(player.assisted));
    }
    goals = observer.goals;
    return h;
}

TEST(MatchLoop, AScriptedMatchPlaysFrameForFrameAsTheMatchScreenAlwaysPlayedIt)
{
    // The digests of the match screen's own loop (mouse shares written into the input,
    // player, opponent, table in every sub-step) before the loop moved into the match.
    struct Case {
        int opponent;
        bool rim;
        int goals;
        std::uint64_t digest;
    };
    const Case cases[] = {
        {3, false, 5, 0xe320603ea574bb2aull},
        {3, true, 5, 0x4a299b5da51b579eull},
        {7, false, 5, 0xcaee19d4da00e5abull},
        {7, true, 5, 0x8b9823bc4ced2e25ull},
    };
    for (const Case& c : cases) {
        int goals = 0;
        EXPECT_EQ(c.digest, scriptedMatchDigest(c.opponent, c.rim, goals))
            << "opponent " << c.opponent << " rim " << c.rim;
        EXPECT_EQ(c.goals, goals);
    }
}

} // namespace
