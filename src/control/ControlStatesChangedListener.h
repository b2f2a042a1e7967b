#pragma once
// Told when a controller has replaced the control state of one or more of its rods; the
// table display recolours the rods that the mouse now holds.
class ControlStatesChangedListener {
public:
    virtual ~ControlStatesChangedListener() = default;
    virtual void onControlStatesChanged() = 0;
};
