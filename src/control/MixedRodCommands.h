#pragma once
// Two pairs of hands on one side: the player who plays alone holds the mouse and, when a
// pad is connected, the pad as well; whichever he moves moves the rods. Movements add up,
// a button held on either counts, and the first source's rod choice goes first.
#include "control/RodCommand.h"

class MixedRodCommands : public RodCommandSource {
public:
    RodCommandSource* first = nullptr;   // not owned
    RodCommandSource* second = nullptr;  // not owned

    void beginFrame(float dt) override
    {
        if (first) first->beginFrame(dt);
        if (second) second->beginFrame(dt);
    }
    RodCommand next(float s) override
    {
        RodCommand a = first ? first->next(s) : RodCommand();
        if (!second) return a;
        const RodCommand b = second->next(s);
        a.turn += b.turn;
        a.shift += b.shift;
        a.shoot = a.shoot || b.shoot;
        a.tilt = a.tilt || b.tilt;
        a.assistKey = a.assistKey || b.assistKey;
        if (a.rodChoice == kNoRodChoice) a.rodChoice = b.rodChoice;
        return a;
    }
};
