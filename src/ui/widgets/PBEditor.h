#pragma once
// The one-line text editor of the new-profile screen. It takes keyboard focus when pressed
// and then types upper-case letters, digits and spaces, one per key press in the order the
// keys went down, as long as the text stays clear of its right edge.
#include "ui/PBGUIComponent.h"
#include "ui/widgets/WidgetServices.h"

#include <string>

class KRFont;
class KRScreen;

class PBEditor : public PBGUIComponent {
public:
    static constexpr int Width = 180;
    static constexpr int Height = 20;
    // Room kept free at the right edge for the cursor.
    static constexpr int RightMargin = 13;

    std::string text;
    KRFont* font = nullptr;

    PBEditor(KRScreen* owner, const std::string& text, KRFont* font, GUIStyle* style = widgetStyle());

    void update(float dt) override;
    void draw() override;
    void onMouseDown(int x, int y) override;
    // The focus may rest on the field; reaching it there takes the typing focus as a press
    // on it does.
    bool takesMenuFocus() const override { return true; }
    void onMenuFocusGained() override;

    // Whether a name may hold the character: capitals, digits and the space.
    static bool acceptsCharacter(char c);
    // Appends c (a character the field accepts) unless the text would come within
    // RightMargin of the edge; false when it did not.
    bool typeCharacter(char c);
    // Removes the last character, if any.
    void eraseLast();
};
