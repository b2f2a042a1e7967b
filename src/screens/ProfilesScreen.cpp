#include "screens/ProfilesScreen.h"

#include "screens/ScreenContext.h"
#include "screens/GameActions.h"
#include "profiles/ProfileStore.h"
#include "render/Renderer.h"
#include "render/fonts/PBFontBig.h"
#include "render/fonts/PBFontSmall.h"
#include "screens/DeleteProfileScreen.h"
#include "screens/MenuNavigation.h"
#include "ui/GUIStyle.h"
#include "ui/widgets/GuiAtlas.h"
#include "ui/widgets/PBButton.h"
#include "ui/widgets/PBList.h"

ProfilesScreen::ProfilesScreen(ScreenContext* c, Renderer* r) : PBScreen(c, r)
{
    setFramedTitle("MAIN MENU");

    profilesList = new PBList(this, "profileslist", "PROFILES", context ? context->fontSmall : nullptr, false);
    profilesList->x = 270;
    profilesList->y = 222;
    addComponent(profilesList);
    playButton = addButton("play", "PLAY SELECTED PROFILE", 270, 520, 470);
    newButton = addButton("new", "NEW PROFILE", 540, 222, 200);
    deleteButton = addButton("delete", "DELETE PROFILE", 540, 269, 200);
    addButton("best", "BEST ACHIEVEMENTS", 540, 316, 200);
    addButton("creators", "CREATORS", 540, 364, 200);
    addButton("help", "HELP", 540, 412, 200);
    quitButton = addButton("quit", "QUIT GAME", 540, 460, 200);
    fillList();
}

Profile* ProfilesScreen::selectedProfile() const
{
    if (!context)
        return nullptr;
    const int row = profilesList->selected();
    const auto& profiles = context->profileStore->profiles;
    if (row < 0 || row >= static_cast<int>(profiles.size()))
        return nullptr;
    return profiles[static_cast<std::size_t>(row)].get();
}

void ProfilesScreen::fillList()
{
    // Names are unique, so the selection is kept by name: a profile deleted in the
    // meantime leaves no row selected rather than selecting its neighbour. Without a
    // selection the profile last played is offered again.
    const int oldRow = profilesList->selected();
    std::string selectedName;
    bool keep = false;
    if (oldRow >= 0 && oldRow < static_cast<int>(profilesList->items.size())) {
        selectedName = profilesList->items[static_cast<std::size_t>(oldRow)].text;
        keep = true;
    } else if (context && context->profileStore->currentProfile) {
        selectedName = context->profileStore->currentProfile->name;
        keep = true;
    }

    profilesList->clear();
    if (context) {
        TextureRecord* atlas = context->guiStyle ? context->guiStyle->texture : nullptr;
        const GuiAtlas::Rect& icon = GuiAtlas::ProfileIcon;
        const AtlasImage profileIcon{atlas, icon.x, icon.y, icon.width, icon.height};
        const auto& profiles = context->profileStore->profiles;
        for (std::size_t i = 0; i < profiles.size(); ++i) {
            profilesList->addItem({profiles[i]->name, profileIcon, AtlasImage{nullptr, 0, 0, 0, 0}});
            if (keep && profiles[i]->name == selectedName && static_cast<int>(i) < profilesList->rowCount)
                profilesList->selectedRow = static_cast<int>(i);
        }
    }
    refreshButtons();
}

void ProfilesScreen::refreshButtons()
{
    const bool selected = selectedProfile() != nullptr;
    playButton->enabled = selected;
    deleteButton->enabled = selected;
    const int count = context ? static_cast<int>(context->profileStore->profiles.size()) : 0;
    newButton->enabled = count < profilesList->rowCount;
}

void ProfilesScreen::onEnter()
{
    fillList();
    // A save file that could not be read leaves the list empty: the player learns why here,
    // before making anything that could not be saved.
    if (context) {
        const std::string reason = context->profileStore->takeLoadFailureToShow();
        if (!reason.empty()) {
            notice = unreadableSaveNotice(reason);
            noticeAge = 0.0f;
        }
    }
}

GUIComponent* ProfilesScreen::firstMenuFocus() const
{
    return playButton->enabled ? playButton : PBScreen::firstMenuFocus();
}

void ProfilesScreen::onMenuBack()
{
    setMenuFocus(quitButton);
}

void ProfilesScreen::onCommand(const std::string& id)
{
    if (!context)
        return;
    if (id == "profileslist") {
        refreshButtons();
    } else if (id == "new") {
        if (newButton->enabled)
            goToScreen(this, context->screens.newProfileScreen, "new profile");
    } else if (id == "delete") {
        Profile* profile = selectedProfile();
        if (!profile)
            return;
        if (auto* confirm = dynamic_cast<DeleteProfileScreen*>(context->screens.deleteProfileScreen))
            confirm->profileName = profile->name;
        goToScreen(this, context->screens.deleteProfileScreen, "delete profile");
    } else if (id == "play") {
        Profile* profile = selectedProfile();
        if (!profile)
            return;
        context->profileStore->selectProfile(profile);
        context->actions->applySoundSettings(profile->soundSettings());
        goToScreen(this, context->screens.playerScreen, "player");
    } else if (id == "best") {
        goToScreen(this, context->screens.bestAchievementsScreen, "best achievements");
    } else if (id == "creators") {
        goToScreen(this, context->screens.creatorsScreen, "creators");
    } else if (id == "help") {
        openHelp(this);
    } else if (id == "quit") {
        context->actions->quit();
    }
}
