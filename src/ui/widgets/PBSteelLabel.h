#pragma once
// A short white text on a framed plate, sized to its text (the match screen's names and
// scores).
#include "ui/PBGUIComponent.h"
#include "ui/widgets/WidgetServices.h"

#include <string>

class KRFont;
class KRScreen;

class PBSteelLabel : public PBGUIComponent {
public:
    static constexpr int Height = 22;

    std::string text;
    KRFont* font = nullptr;

    PBSteelLabel(KRScreen* owner, const std::string& text, KRFont* font, GUIStyle* style = widgetStyle());

    // Replaces the text and fits the plate to it.
    void setText(const std::string& newText);

    void draw() override;
};
