#include "screens/GoalReplay.h"

#include "display/FoosballDisplayer.h"
#include "display/ReplaySoundRecorder.h"
#include "display/TableViews.h"
#include "input/InputSystem.h"

#include <vector>

namespace {

// A trigger pulled this far is pressed, as it is for the shot and the trap.
constexpr float kTriggerPull = 0.5f;

// One of the pad's buttons went down, or a trigger was pulled, since the last frame.
bool padPressed(const InputSystem& input, const PadState& pad)
{
    for (int button = 0; button < kPadButtonCount; ++button)
        if (input.isPadPressed(pad.id, button))
            return true;
    const PadState* before = nullptr;
    for (const PadState& previous : input.previousPads)
        if (previous.id == pad.id)
            before = &previous;
    for (int trigger : {kPadTriggerLeft, kPadTriggerRight})
        if (pad.axes[trigger] > kTriggerPull && !(before && before->axes[trigger] > kTriggerPull))
            return true;
    return false;
}

}  // namespace

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
    for (const PadState& pad : input->pads)
        pressed = pressed || padPressed(*input, pad);
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
