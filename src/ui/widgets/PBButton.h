#pragma once
// A push button: a label on the bar-shaped button background, orange while hovered and
// dimmed while disabled. It activates on a completed click (press and release on it).
#include "render/AtlasImage.h"
#include "ui/PBGUIComponent.h"
#include "ui/widgets/WidgetServices.h"

#include <cstdint>
#include <optional>
#include <string>

class KRFont;
class KRScreen;

class PBButton : public PBGUIComponent {
public:
    static constexpr int Height = 32;
    // A label keeps this far from either end of the button: the brass rim and six clear
    // pixels inside it.
    static constexpr int LabelMargin = 8;

    bool enabled = true;
    std::string id;
    std::string label;
    bool hovered = false;
    KRFont* font = nullptr;
    int labelOffset = 0;  // label centred in the width
    // A label too long for the margins is set closed up, without the font's spacing
    // between its letters, and centred at that width.
    bool closedUpLabel = false;
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

    // Replaces the label and centres it again (closed up when it needs to be).
    void setLabel(const std::string& text);

private:
    void drawLabel(std::uint32_t colour);
};
