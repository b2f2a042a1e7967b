#pragma once
// The rule that moves one rod: every rod has exactly one control state at a time, chosen
// by its controller. States never replace themselves.
#include <cstdint>

struct Rod;
class FoosballControl;

// The numbers typeId() answers; controllers compare them to see whether a rod already has
// the wanted kind of state.
enum ControlStateType : int {
    kNonControlledStateType = 0,
    kUserControlledStateType = 1,
    kFStateType = 2,
    kAStateType = 3,
    kSStateType = 4,
};

class ControlState {
public:
    Rod* rod = nullptr;
    FoosballControl* controller = nullptr;
    int32_t countdown = -1;     // -1: none; 0: has run out (the opponent puts the rod on guard)
    float timeInState = 0.0f;

    ControlState(Rod* rod_, FoosballControl* controller_) : rod(rod_), controller(controller_) {}
    virtual ~ControlState() = default;
    ControlState(const ControlState&) = delete;
    ControlState& operator=(const ControlState&) = delete;

    virtual int typeId() const = 0;
    // Moves the rod for one step of dt seconds; the base only keeps the books.
    virtual void update(float dt) { keepBooks(dt); }

protected:
    void keepBooks(float dt)
    {
        if (countdown > 0) --countdown;
        timeInState += dt;
    }
};
