#pragma once
// The player's controller: reads the rod choice of its hands' command on every tenth
// update, puts the chosen rods under the hands and, in assisted mode, lets the rods behind
// the selection block upright in the middle and the rods in front of it lift their figures.
#include "control/RodCommand.h"
#include "control/UserControl.h"

#include <cstdint>

// selectionMode values besides the manual rods 0..3.
constexpr int32_t kSelectionAuto = -1;
constexpr int32_t kSelectionAll = -2;
constexpr int32_t kSelectionBack = -3;

class AssistedControl : public UserControl {
public:
    bool rotationLimits = false;
    int32_t clickRotationSpeed = 8;
    int32_t reversedRotation = 0;
    // What the hands ask for in the current sub-step; the held rods follow it.
    RodCommand command;
    float assistRotationSpeed = 5.0f;
    float assistShiftSpeed = 9.0f;
    bool assisted = true;
    int32_t selectionMode = kSelectionAuto;
    float rotationSensitivity = 0.007f;
    float shiftSensitivity = 0.045f;
    int32_t updateCounter = 0;
    bool previousX = false;
    // The rod the last selection pass chose, -1 before the first pass of a match. The
    // automatic choice keeps the ball with it until the ball is clearly nearer another rod.
    int32_t chosenRod = -1;
    // The rod the automatic choice left at its last hand-over, and the seconds since then:
    // the ball is not handed straight back within a short hold time.
    int32_t rodBeforeHandOver = -1;
    float sinceHandOver = 0.0f;

    // Sensitivity settings 1..15 of the profile in mouse counts per radian / table unit.
    void setMouseSensitivities(int horizontalSetting, int verticalSetting);

    void initStates() override;
    void takeCommand(const RodCommand& next) override { command = next; }
    void update(float dt) override;

    // The rod the automatic choice (or the manual mode) selects, 0..3.
    int pickRod() const;

private:
    // The automatic choice stays with the held rod while its shot button is down or its
    // click shot runs, and does not hand the ball straight back to the rod it just left.
    int keepHeldRod(int picked) const;
    void selectionPass();
    void readRodChoice();
    void assignStates();
    void want(int rodIndex, int type);
    ControlState* makeState(int rodIndex, int type);
};
