#pragma once
// What every widget takes from the Game: the shared GUI style and the menu sounds. Both are
// looked up through the Game when it exists, so widgets work (silently, undrawn) before
// the game has built its style and sound player, and in tests without a Game.
class GUIStyle;

// The Game's GUI style, or null when there is no Game yet.
GUIStyle* gameGuiStyle();

// Hears the sounds widgets ask for; the e2e harness and tests listen with it.
class WidgetSoundListener {
public:
    virtual ~WidgetSoundListener() = default;
    virtual void onHoverSound() = 0;
    virtual void onClickSound() = 0;
};

// The listener of the widget sounds; null in the game.
extern WidgetSoundListener* gWidgetSoundListener;

// The kick sound at menu gain, when the pointer lands on something that reacts.
void playWidgetHover();
// The rod-against-wall sound at menu gain, when a widget is activated.
void playWidgetClick();
