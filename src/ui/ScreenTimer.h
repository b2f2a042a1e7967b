#pragma once
// A named countdown a screen uses for delayed actions ("kick off in 2.7 s").
#include <string>

struct ScreenTimer {
    std::string name;
    float remaining = 0.0f;  // seconds
    bool fired = false;
};
