#include "control/RodChoiceLatch.h"

#include "control/AssistedControl.h"

#include <algorithm>

void RodChoiceLatch::step(const AssistedControl* control, int direction)
{
    // From the rod the hands hold: a press not yet taken by the controller counts, then the
    // manual rod, then the rod the automatic choice gave last; the midfield rod before any.
    std::int32_t current = 2;
    if (choiceSubSteps_ > 0 && choice_ >= 0)
        current = choice_;
    else if (control && control->selectionMode >= 0)
        current = control->selectionMode;
    else if (control && control->chosenRod >= 0)
        current = control->chosenRod;
    choose(std::clamp(current + direction, 0, 3));
}

void RodChoiceLatch::choose(std::int32_t choice)
{
    choice_ = choice;
    choiceSubSteps_ = kHoldSubSteps;
}

void RodChoiceLatch::switchAssistance()
{
    // Held for one selection pass and let go before the next, so it switches once.
    assistSubSteps_ = kHoldSubSteps;
}

void RodChoiceLatch::apply(RodCommand& command)
{
    if (choiceSubSteps_ > 0) {
        if (command.rodChoice == kNoRodChoice)
            command.rodChoice = choice_;
        --choiceSubSteps_;
    }
    if (assistSubSteps_ > 0) {
        command.assistKey = true;
        --assistSubSteps_;
    }
}

void RodChoiceLatch::clear()
{
    choice_ = kNoRodChoice;
    choiceSubSteps_ = 0;
    assistSubSteps_ = 0;
}
