#pragma once
// A push button: a label on the bar-shaped button background, orange while hovered and
// dimmed while disabled. It activates on a completed click (press and release on it).
#include "render/AtlasImage.h"
#include "ui/PBGUIComponent.h"
#include "ui/widgets/WidgetServices.h"

#include <optional>
#include <string>

class KRFont;
class KRScreen;

class PBButton : public PBGUIComponent {
public:
    static constexpr int Height = 32;

    bool enabled = true;
    std::string id;
    std::string label;
    bool hovered = false;
    KRFont* font = nullptr;
    int labelOffset = 0;  // label centred in the width
    std::optional<AtlasImage> icon;

    PBButton(KRScreen* owner, const std::string& id, const std::string& label, KRFont* font, int width,
             GUIStyle* style = widgetStyle());

    void draw() override;
    void onMouseMove(int x, int y) override;
    void onMouseLeave() override;
    void onClick(int x, int y) override;
    // The focus rests on it while enabled; a press works as a click; the ring goes round
    // the bar.
    bool takesMenuFocus() const override { return enabled; }
    bool onMenuKey(MenuKey key) override;
    FocusRect menuFocusRect() const override;

    // Replaces the label and centres it again.
    void setLabel(const std::string& text);
};
