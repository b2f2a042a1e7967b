// The player's rod selection: keys, the automatic choice and which state each rod gets.
#include "ControlTestSupport.h"

#include "control/AssistedControl.h"
#include "control/MouseRodCommands.h"
#include "control/ControlStatesChangedListener.h"
#include "control/UserControlledState.h"

#include <gtest/gtest.h>

namespace {

class CountingListener : public ControlStatesChangedListener {
public:
    int calls = 0;
    void onControlStatesChanged() override { ++calls; }
};

class SelectionTest : public ::testing::Test {
protected:
    Simulation sim;
    InputSystem& input = makeInputSnapshot();
    MouseRodCommands hands;  // the keys and the mouse reach the controller as commands
    AssistedControl control;
    CountingListener display;

    void SetUp() override
    {
        control.simulation = &sim;
        control.rods = sim.teams[0].rods;
        hands.input = &input;
        control.addListener(&display);
        placeBallForTest(sim, 58.7f, 33.2f);
    }

    std::vector<int> types() const
    {
        std::vector<int> t;
        for (ControlState* s : control.states) t.push_back(s->typeId());
        return t;
    }

    // One 1 ms update with the hands' command of the input as it is.
    void update()
    {
        hands.beginFrame(0.001f);
        control.takeCommand(hands.next(0.001f));
        control.update(0.001f);
    }

    // Runs updates up to and including the next selection pass.
    void runToNextPass()
    {
        do {
            update();
        } while (control.updateCounter != 1);
    }
};

using Types = std::vector<int>;

TEST_F(SelectionTest, ManualModeAssignsBlockersBehindAndLiftersInFront)
{
    control.selectionMode = 2;
    control.initStates();
    EXPECT_EQ(types(), (Types{0, 0, 1, 0}));
    EXPECT_EQ(display.calls, 1);
    update();
    EXPECT_EQ(types(), (Types{2, 2, 1, 3}));
    EXPECT_EQ(display.calls, 2);

    // Upright in the middle, lifted flat: give them half a second.
    sim.teams[0].rods[0].shift = 5.0f;
    sim.teams[0].rods[1].angle = 0.8f;
    for (int i = 0; i < 600; ++i) update();
    EXPECT_EQ(sim.teams[0].rods[0].shift, 0.0f);
    EXPECT_EQ(sim.teams[0].rods[1].angle, 0.0f);
    EXPECT_EQ(sim.teams[0].rods[3].angle, -kHalfPi);
    EXPECT_EQ(display.calls, 2) << "kinds unchanged: no state replaced, no notification";

    // Assisted off: the others keep whatever angle and shift they had.
    control.assisted = false;
    sim.teams[0].rods[3].shift = 3.0f;
    runToNextPass();
    EXPECT_EQ(types(), (Types{0, 0, 1, 0}));
    EXPECT_EQ(display.calls, 3);
    for (int i = 0; i < 100; ++i) update();
    EXPECT_EQ(sim.teams[0].rods[3].angle, -kHalfPi);
    EXPECT_EQ(sim.teams[0].rods[3].shift, 3.0f);
}

TEST_F(SelectionTest, BackAllAndAutoModes)
{
    control.initStates();
    placeBallForTest(sim, 40.0f, 30.0f);  // between defence (21) and midfield (51), at rest
    control.selectionMode = kSelectionBack;
    runToNextPass();
    EXPECT_EQ(types(), (Types{1, 1, 1, 3}));

    control.selectionMode = kSelectionAll;
    runToNextPass();
    EXPECT_EQ(types(), (Types{1, 1, 1, 1}));
    control.assisted = false;  // no rod left to assist: nothing changes
    int before = display.calls;
    runToNextPass();
    EXPECT_EQ(display.calls, before);

    control.selectionMode = kSelectionAuto;
    control.assisted = true;
    // Rolling back and clearly past the split (42.4) from the midfield rod that had it:
    // the defence takes it.
    placeBallForTest(sim, 38.0f, 30.0f, -12.0f, 0.0f);
    runToNextPass();
    EXPECT_EQ(types(), (Types{2, 1, 3, 3}));
}

TEST_F(SelectionTest, PickRodWeighsTheBallsSpeed)
{
    control.selectionMode = kSelectionAuto;
    placeBallForTest(sim, 40.0f, 30.0f);
    EXPECT_EQ(control.pickRod(), 2);  // split 36
    placeBallForTest(sim, 40.0f, 30.0f, -12.0f, 0.0f);
    EXPECT_EQ(control.pickRod(), 1);  // split 42.4
    placeBallForTest(sim, 33.0f, 30.0f, 30.0f, 0.0f);
    EXPECT_EQ(control.pickRod(), 2);  // split (38*21 + 8*51)/46 = 26.2
    placeBallForTest(sim, 33.0f, 30.0f, 500.0f, 0.0f);
    EXPECT_EQ(control.pickRod(), 2);  // forward speed counts up to 30 only
    placeBallForTest(sim, 45.0f, 30.0f, -31.0f, 0.0f);
    EXPECT_EQ(control.pickRod(), 1);  // split (8*21 + 38*51)/46 = 45.8
    placeBallForTest(sim, 5.0f, 30.0f);
    EXPECT_EQ(control.pickRod(), 0);
    placeBallForTest(sim, 90.0f, 30.0f, -100.0f, 0.0f);
    EXPECT_EQ(control.pickRod(), 3);
    placeBallForTest(sim, 6.0f, 30.0f);  // on the goalkeeper's line: not yet past it
    EXPECT_EQ(control.pickRod(), 0);
    control.selectionMode = 1;
    EXPECT_EQ(control.pickRod(), 1);
}

TEST_F(SelectionTest, AutoKeepsTheRodUntilTheBallIsClearlyNearerAnother)
{
    // A resting ball trembling either side of the split between the defence (21) and the
    // midfield (51) at 36: the mouse stays with one rod, and its wind-up with it.
    control.selectionMode = kSelectionAuto;
    control.initStates();
    placeBallForTest(sim, 36.5f, 30.0f);
    runToNextPass();
    ASSERT_EQ(control.states[2]->typeId(), kUserControlledStateType);
    int changes = 0;
    int held = 2;
    for (int pass = 0; pass < 40; ++pass) {
        placeBallForTest(sim, pass % 2 ? 36.8f : 35.2f, 30.0f, pass % 2 ? 1.0f : -1.0f, 0.0f);
        runToNextPass();
        int now = control.states[1]->typeId() == kUserControlledStateType ? 1 : 2;
        if (now != held) ++changes;
        held = now;
    }
    EXPECT_EQ(changes, 0);
    // Clearly nearer the defence: handed over, and then kept there just the same.
    placeBallForTest(sim, 32.5f, 30.0f);
    runToNextPass();
    EXPECT_EQ(control.states[1]->typeId(), kUserControlledStateType);
    placeBallForTest(sim, 37.0f, 30.0f);
    runToNextPass();
    EXPECT_EQ(control.states[1]->typeId(), kUserControlledStateType);
    // Clearly nearer the midfield again, but straight after the hand-over: the defence
    // keeps it for half a second before the ball goes back.
    placeBallForTest(sim, 39.5f, 30.0f);
    runToNextPass();
    EXPECT_EQ(control.states[1]->typeId(), kUserControlledStateType);
    for (int pass = 0; pass < 50; ++pass) runToNextPass();
    EXPECT_EQ(control.states[2]->typeId(), kUserControlledStateType);
}

TEST_F(SelectionTest, AutoKeepsTheRodWhileTheClickShotIsUnderWay)
{
    // The ball rolls back from the midfield's reach to the defence's while the player winds
    // up a click shot: the shot stays with the midfield until it has been struck.
    control.selectionMode = kSelectionAuto;
    control.initStates();
    placeBallForTest(sim, 45.0f, 30.0f);
    runToNextPass();
    ASSERT_EQ(control.states[2]->typeId(), kUserControlledStateType);
    pressButton(input, 0, true);
    runToNextPass();
    placeBallForTest(sim, 25.0f, 30.0f, -20.0f, 0.0f);
    for (int pass = 0; pass < 60; ++pass) runToNextPass();
    ASSERT_EQ(control.states[2]->typeId(), kUserControlledStateType);
    EXPECT_EQ(static_cast<UserControlledState*>(control.states[2])->clickPhase, kClickWoundBack);
    pressButton(input, 0, false);
    runToNextPass();
    ASSERT_EQ(control.states[2]->typeId(), kUserControlledStateType) << "the strike runs";
    EXPECT_EQ(static_cast<UserControlledState*>(control.states[2])->clickPhase, kClickStriking);
    for (int pass = 0; pass < 3; ++pass) runToNextPass();
    EXPECT_EQ(control.states[1]->typeId(), kUserControlledStateType) << "struck: handed over";
}

TEST_F(SelectionTest, KeysAreReadOnEveryTenthUpdateInTheirOrder)
{
    control.selectionMode = 2;
    control.initStates();
    update();  // the pass at update 0
    pressKey(input, Key::Digit4, true);
    for (int i = 1; i < 10; ++i) update();
    EXPECT_EQ(control.selectionMode, 2) << "keys are only looked at on selection passes";
    update();
    EXPECT_EQ(control.selectionMode, 3);

    pressKey(input, Key::Digit1, true);  // 1 and 4 together: 1 wins
    runToNextPass();
    EXPECT_EQ(control.selectionMode, 0);
    pressKey(input, Key::Digit1, false);
    pressKey(input, Key::Digit4, false);
    pressKey(input, Key::V, true);
    pressKey(input, Key::C, true);
    pressKey(input, Key::Space, true);
    runToNextPass();
    EXPECT_EQ(control.selectionMode, kSelectionAuto);
    pressKey(input, Key::Space, false);
    runToNextPass();
    EXPECT_EQ(control.selectionMode, kSelectionAll);
    pressKey(input, Key::C, false);
    runToNextPass();
    EXPECT_EQ(control.selectionMode, kSelectionBack);
    pressKey(input, Key::V, false);
    runToNextPass();
    EXPECT_EQ(control.selectionMode, kSelectionBack) << "a mode stays until another key";
}

TEST_F(SelectionTest, HoldingXTogglesOnceAndKeepsTheHeldRodsClickPhase)
{
    control.selectionMode = 2;
    control.initStates();
    runToNextPass();
    auto* held = static_cast<UserControlledState*>(control.states[2]);
    held->clickPhase = kClickWoundBack;
    pressButton(input, 0, true);

    pressKey(input, Key::X, true);
    for (int i = 0; i < 1000; ++i) update();
    EXPECT_FALSE(control.assisted);
    EXPECT_EQ(types(), (Types{0, 0, 1, 0}));
    EXPECT_EQ(control.states[2], held);
    EXPECT_EQ(held->clickPhase, kClickWoundBack);

    pressKey(input, Key::X, false);
    runToNextPass();
    pressKey(input, Key::X, true);
    runToNextPass();
    EXPECT_TRUE(control.assisted);
    EXPECT_EQ(types(), (Types{2, 2, 1, 3}));
}

TEST_F(SelectionTest, ReselectedRodStartsInTheFreePhase)
{
    control.selectionMode = 2;
    control.initStates();
    runToNextPass();
    static_cast<UserControlledState*>(control.states[2])->clickPhase = kClickStriking;
    control.selectionMode = 1;
    runToNextPass();
    control.selectionMode = 2;
    runToNextPass();
    EXPECT_EQ(static_cast<UserControlledState*>(control.states[2])->clickPhase, kClickFree);
}

TEST_F(SelectionTest, AutoFollowsTheBallUpTheTable)
{
    control.selectionMode = kSelectionAuto;
    control.initStates();
    std::vector<int> seen;
    for (float x = 2.0f; x < 115.0f; x += 1.0f) {
        placeBallForTest(sim, x, 30.0f, 20.0f, 0.0f);
        runToNextPass();
        int held = -1;
        for (int i = 0; i < 4; ++i)
            if (control.states[i]->typeId() == kUserControlledStateType) held = i;
        if (seen.empty() || seen.back() != held) seen.push_back(held);
        for (int i = 0; i < held; ++i) EXPECT_EQ(control.states[i]->typeId(), kFStateType);
        for (int i = held + 1; i < 4; ++i) EXPECT_EQ(control.states[i]->typeId(), kAStateType);
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3}));
}

} // namespace
