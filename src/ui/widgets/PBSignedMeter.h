#pragma once
// A bar growing left or right from a centre mark with a value from -1 to 1 (the ball's spin
// in the match).
#include "ui/PBGUIComponent.h"
#include "ui/widgets/WidgetServices.h"

class KRScreen;

class PBSignedMeter : public PBGUIComponent {
public:
    float value = 0.0f;

    PBSignedMeter(KRScreen* owner, int width, int height, GUIStyle* style = widgetStyle());

    // Signed bar length in pixels for the current value: positive to the right.
    int barLength() const;

    void draw() override;
};
