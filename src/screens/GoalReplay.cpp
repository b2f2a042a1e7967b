#include "screens/GoalReplay.h"

#include "display/FoosballDisplayer.h"
#include "display/ReplaySoundRecorder.h"
#include "display/TableViews.h"
#include "input/InputSystem.h"

#include <vector>

void GoalReplay::clear()
{
    ring.clear();
    running_ = false;
}

bool GoalReplay::start(double goalTime, bool goalAtPositiveX, const InputSystem* input)
{
    timeline_ = ReplayTimeline::before(goalTime, ring.oldestTime());
    if (ring.frameCount() == 0 || timeline_.duration() <= 0.0)
        return false;
    played_ = 0.0;
    shown_ = timeline_.start;
    goalAtPositiveX_ = goalAtPositiveX;
    running_ = true;
    anythingPressed(input);  // what is held as the goal falls is no request to skip
    return true;
}

bool GoalReplay::anythingPressed(const InputSystem* input)
{
    if (!input)
        return false;
    bool pressed = false;
    for (int key = 1; key < 256; ++key)
        pressed = pressed || input->isPressed(static_cast<std::uint8_t>(key));
    for (int b = 0; b < 4; ++b) {
        const bool down = input->isButtonDown(b);
        pressed = pressed || (down && !buttonsDown_[b]);
        buttonsDown_[b] = down;
    }
    return pressed;
}

bool GoalReplay::advance(float dt, const InputSystem* input, FoosballDisplayer& display, Camera& camera,
                         TableSounds* sounds)
{
    if (!running_)
        return false;
    if (anythingPressed(input) || played_ >= timeline_.duration()) {
        running_ = false;
        return false;
    }
    played_ += dt;
    const double now = timeline_.shownTime(played_);
    if (sounds) {
        std::vector<ReplaySound> due;
        // The first frame also hears a sound at the replay's very start.
        ring.soundsBetween(shown_ == timeline_.start ? shown_ - 1e-9 : shown_, now, due);
        for (const ReplaySound& s : due)
            ReplaySoundRecorder::replay(s, *sounds);
    }
    shown_ = now;
    placeReplayCamera(camera, goalAtPositiveX_);
    DrawnFrame frame;
    if (ring.frameAt(now, frame))
        display.showFrame(frame);
    return true;
}
