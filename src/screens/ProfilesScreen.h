#pragma once
// The main menu: the list of profiles and the ways on from it (play, create, delete, the
// best results, the credits, the help, quitting the game).
#include "screens/PBScreen.h"

#include <string>

class PBButton;
class PBList;
struct Profile;

class ProfilesScreen : public PBScreen {
public:
    PBList* profilesList = nullptr;
    PBButton* playButton = nullptr;
    PBButton* newButton = nullptr;
    PBButton* deleteButton = nullptr;
    PBButton* quitButton = nullptr;

    ProfilesScreen(ScreenContext* context, Renderer* renderer);

    // Lists the profiles again; the selected profile stays selected while it exists, and
    // with no row selected the current profile is. The first time after a save file could
    // not be read, it says why.
    void onEnter() override;
    void onCommand(const std::string& id) override;
    // The menu keys start on PLAY SELECTED PROFILE when a profile is selected. Back has
    // nowhere to go from the main menu: it takes the focus to QUIT GAME, so that leaving
    // the game stays one more deliberate press.
    GUIComponent* firstMenuFocus() const override;
    void onMenuBack() override;

    // The profile of the selected row, or null.
    Profile* selectedProfile() const;

private:
    void fillList();
    // "play" and "delete" need a selected row, "new" a free row.
    void refreshButtons();
};
