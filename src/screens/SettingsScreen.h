#pragma once
// The current profile's thirteen settings, one selector each with its label at its left.
// Sound changes are heard at once; everything is stored into the profile and saved when
// the player goes back to the player menu.
#include "render/fonts/FittedText.h"
#include "screens/PBScreen.h"

#include <vector>

class PBButton;
class PBSelector;
struct Profile;

class SettingsScreen : public PBScreen {
public:
    // In the order of settingRows().
    std::vector<PBSelector*> selectors;
    // In the order of extraSettingRows(): kept in the game's settings file, not the profile.
    std::vector<PBSelector*> extraSelectors;
    PBButton* quitButton = nullptr;

    SettingsScreen(ScreenContext* context, Renderer* renderer);

    // Every selector shows the current profile's value.
    void onEnter() override;
    // The window closed on this screen: the settings shown are kept as leaving keeps them.
    void onGameEnding() override;
    void onCommand(const std::string& id) override;
    void draw(int pass) override;

    PBSelector* selector(const std::string& id) const;

private:
    bool shadowsCapable() const;
    Profile* currentProfile() const;
    // The selectors copied into profile as the profile keeps them.
    void storeInto(Profile& profile) const;
    void applySoundFromSelectors();
    void leaveToPlayerMenu();
    // The selectors into the selected profile and the store's sound block, the sound set
    // to match; false (after its error line) without a selected profile.
    bool keepShownSettings();

    FittedText shownName_;
};
