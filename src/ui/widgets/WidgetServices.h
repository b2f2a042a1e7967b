#pragma once
// What every widget takes from the game: the shared GUI style and the menu sounds. The game
// installs both once it has built them; until then (and in tests that install nothing)
// widgets work silently and undrawn.
class GUIStyle;

// The installed GUI style, or null before the game has built one.
GUIStyle* widgetStyle();
// The game installs its style once built and takes it away (null) before it is deleted.
void setWidgetStyle(GUIStyle* style);

// Plays the sounds widgets ask for; the game installs one that plays them at menu gain.
class WidgetSoundPlayer {
public:
    virtual ~WidgetSoundPlayer() = default;
    virtual void playHover() = 0;
    virtual void playClick() = 0;
};

// The game installs its player at start-up and takes it away (null) before it is deleted.
void setWidgetSoundPlayer(WidgetSoundPlayer* player);

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
