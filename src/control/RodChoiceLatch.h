#pragma once
// Hands that press for a moment rather than hold: a pad's shoulder button that steps to the
// next rod, a key that switches the assistance. The side's controller looks at the rod
// choice and the assistance key only on every tenth update, so a press is held in the
// commands for that many sub-steps: however short the frame, the controller sees it once.
#include "control/RodCommand.h"

#include <cstdint>

class AssistedControl;

class RodChoiceLatch {
public:
    // The controller's selection passes lie at most this many updates apart.
    static constexpr int kHoldSubSteps = 10;

    // The rod behind (-1) or in front of (+1) the one the hands hold now, within 0..3.
    void step(const AssistedControl* control, int direction);
    // A rod 0..3 or a selection mode, as a rod choice key would give it.
    void choose(std::int32_t choice);
    // One switch of the assistance.
    void switchAssistance();
    // Puts what is pressed into the command of a sub-step (a key held down wins) and counts
    // the sub-step.
    void apply(RodCommand& command);
    void clear();

private:
    std::int32_t choice_ = kNoRodChoice;
    int choiceSubSteps_ = 0;
    int assistSubSteps_ = 0;
};
