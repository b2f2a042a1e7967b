#include "screens/MessageTicker.h"

void MessageTicker::queue(const std::string& text, const AtlasImage* image)
{
    pending.push_back(Message{text, image});
}

void MessageTicker::update(float dt)
{
    if (!active) {
        if (pending.empty())
            return;
        current = pending.front();
        pending.pop_front();
        active = true;
        timer = 0.0f;
    } else {
        timer += dt;
    }
    if (timer > kEnd) {
        active = false;
        current = Message{};
        currentAlpha = 0.0f;
        return;
    }
    if (timer < kFadeIn)
        currentAlpha = timer / kFadeIn;
    else if (timer < kFullUntil)
        currentAlpha = 1.0f;
    else
        currentAlpha = (kEnd - timer) / kFadeOut;
}

void MessageTicker::clear()
{
    pending.clear();
    current = Message{};
    active = false;
    timer = 0.0f;
    currentAlpha = 0.0f;
}
