#pragma once
// The player's choices for watching a match, kept per profile in the game's settings file:
// goal replays ("replays", off unless the player turns them on) and the view he watched
// through last ("view", the game's own view until he changes it with TAB).
#include "display/TableViews.h"

#include <string>

struct Profile;
struct ScreenContext;

extern const char* const kReplaysSetting;
extern const char* const kViewSetting;

void readMatchView(const ScreenContext* context, const Profile* profile, bool& replaysOn, TableView& view);
// Keeps the view for the current profile (nothing without one).
void keepMatchView(const ScreenContext* context, TableView view);
// The profile's team colours: 0 red and blue (also without a profile), 1 the contrast pair.
int readTeamPalette(const ScreenContext* context, const Profile* profile);
