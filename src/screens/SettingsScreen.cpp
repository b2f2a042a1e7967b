#include "screens/SettingsScreen.h"

#include "screens/ScreenContext.h"
#include "screens/GameActions.h"
#include "profiles/ProfileStore.h"
#include "core/ErrorLog.h"
#include "profiles/Profile.h"
#include "render/Renderer.h"
#include "render/fonts/PBFontBig.h"
#include "render/fonts/PBFontSmall.h"
#include "screens/MenuNavigation.h"
#include "screens/MenuPanel.h"
#include "screens/SettingsRows.h"
#include "screens/ExtraSettingRows.h"
#include "ui/GUIStyle.h"
#include "ui/widgets/PBButton.h"
#include "ui/widgets/PBSelector.h"

#include <algorithm>

namespace {

// Labels end this far left of their selector; the profile name line sits above the rows.
constexpr int kLabelGap = 12;
constexpr int kNameY = 120;
constexpr int kNameX = 320;
constexpr int kPanelX = 150;
constexpr int kPanelY = 105;
constexpr int kPanelWidth = 815;
constexpr int kPanelHeight = 485;  // the designed rows and one row of ours below them

bool isSoundSetting(const std::string& id)
{
    return id == "sound" || id == "soundVolume" || id == "music" || id == "musicVolume";
}

std::uint32_t textColour(const ScreenContext* context)
{
    return context && context->guiStyle ? context->guiStyle->colours[2] : 0xFFFFFFFFu;
}

} // namespace

SettingsScreen::SettingsScreen(ScreenContext* c, Renderer* r) : PBScreen(c, r)
{
    setFramedTitle("PLAYER SETTINGS");
    KRFont* small = context ? context->fontSmall : nullptr;
    GUIStyle* style = context ? context->guiStyle : nullptr;
    // One panel under the name line, the labels and the selectors of both columns.
    addComponent(new MenuBackdrop(context, kPanelX, kPanelY, kPanelWidth, kPanelHeight));
    for (const SettingRow& row : settingRows()) {
        const std::string id = row.id;
        const std::vector<std::string>& values = id == "shadows" ? shadowValues(shadowsCapable()) : row.values;
        PBSelector* s = new PBSelector(this, id, values, small, row.width, style);
        s->x = row.x;
        s->y = row.y;
        addComponent(s);
        selectors.push_back(s);
    }
    for (const ExtraSettingRow& row : extraSettingRows()) {
        PBSelector* s = new PBSelector(this, row.id, row.values, small, row.width, style);
        s->x = row.x;
        s->y = row.y;
        addComponent(s);
        extraSelectors.push_back(s);
    }
    quitButton = addButton("quit", "BACK TO PLAYER MENU", 320, 610, 200);
    menuBackWidget = quitButton;
}

bool SettingsScreen::shadowsCapable() const
{
    return renderer && renderer->shadowCapable;
}

Profile* SettingsScreen::currentProfile() const
{
    return context ? context->profileStore->currentProfile : nullptr;
}

PBSelector* SettingsScreen::selector(const std::string& id) const
{
    for (PBSelector* s : selectors)
        if (s->id == id)
            return s;
    for (PBSelector* s : extraSelectors)
        if (s->id == id)
            return s;
    return nullptr;
}

void SettingsScreen::onEnter()
{
    const bool capable = shadowsCapable();
    if (PBSelector* shadows = selector("shadows")) {
        shadows->values = shadowValues(capable);
        shadows->setIndex(0);
    }
    const Profile* profile = currentProfile();
    if (!profile) {
        logError("The settings screen was entered without a selected profile.");
        return;
    }
    for (PBSelector* s : selectors)
        s->setIndex(settingIndexFromProfile(*profile, s->id, capable));
    const std::vector<ExtraSettingRow>& extra = extraSettingRows();
    for (std::size_t i = 0; i < extra.size() && i < extraSelectors.size(); ++i)
        extraSelectors[i]->setIndex(extraSettingIndex(context ? context->settings : nullptr, profile->name, extra[i]));
}

void SettingsScreen::storeInto(Profile& profile) const
{
    const bool capable = shadowsCapable();
    for (const PBSelector* s : selectors)
        storeSettingIndex(profile, s->id, s->currentIndex, capable);
}

void SettingsScreen::applySoundFromSelectors()
{
    if (!context)
        return;
    // What the selectors show, not yet kept: the profile changes only on the way out.
    const Profile* profile = currentProfile();
    Profile shown = profile ? *profile : Profile();
    storeInto(shown);
    context->actions->applySoundSettings(shown.soundSettings());
}

bool SettingsScreen::keepShownSettings()
{
    Profile* profile = currentProfile();
    if (!profile) {
        logError("The settings could not be stored: no profile is selected.");
        return false;
    }
    storeInto(*profile);
    context->profileStore->setSoundSettings(profile->soundSettings());
    context->actions->applySoundSettings(profile->soundSettings());
    const std::vector<ExtraSettingRow>& extra = extraSettingRows();
    for (std::size_t i = 0; i < extra.size() && i < extraSelectors.size(); ++i)
        storeExtraSetting(context->settings, profile->name, extra[i], extraSelectors[i]->currentIndex);
    return true;
}

void SettingsScreen::onGameEnding()
{
    if (context)
        keepShownSettings();
}

void SettingsScreen::leaveToPlayerMenu()
{
    if (!context)
        return;
    // A failed save has written its error line and kept the old file; the settings stay in
    // the profile and go out with the next save.
    if (keepShownSettings())
        context->profileStore->save();
    goToScreen(this, context->screens.playerScreen, "player menu");
}

GUIComponent* SettingsScreen::focusNeighbour(GUIComponent* from, MenuKey direction) const
{
    if (direction == MenuKey::Up)
        return neighbourInOrder(from, -1);
    if (direction == MenuKey::Down)
        return neighbourInOrder(from, +1);
    return PBScreen::focusNeighbour(from, direction);
}

std::vector<GUIComponent*> SettingsScreen::focusOrder() const
{
    std::vector<PBSelector*> rows = selectors;
    rows.insert(rows.end(), extraSelectors.begin(), extraSelectors.end());
    std::stable_sort(rows.begin(), rows.end(), [](const PBSelector* a, const PBSelector* b) {
        return a->x != b->x ? a->x < b->x : a->y < b->y;
    });
    std::vector<GUIComponent*> order(rows.begin(), rows.end());
    if (quitButton)
        order.push_back(quitButton);
    return order;
}

void SettingsScreen::onCommand(const std::string& id)
{
    if (id == "quit")
        leaveToPlayerMenu();
    else if (isSoundSetting(id))
        applySoundFromSelectors();
}

void SettingsScreen::draw(int pass)
{
    PBScreen::draw(pass);
    if (pass != 2 || !renderer || !context)
        return;
    KRFont* small = context->fontSmall;
    const std::uint32_t white = textColour(context);
    const std::string nameLabel = "PROFILE NAME:";
    renderer->drawText(small, nameLabel, kNameX - kLabelGap - renderer->textWidth(small, nameLabel), kNameY, white);
    if (const Profile* profile = currentProfile())
        if (small)
            renderer->drawText(small, shownName_.fit(*small, profile->name, kPanelX + kPanelWidth - 20 - kNameX), kNameX, kNameY,
                           context->guiStyle ? context->guiStyle->colours[3] : 0xFFFBAB18u);
    const std::vector<SettingRow>& rows = settingRows();
    for (std::size_t i = 0; i < rows.size() && i < selectors.size(); ++i) {
        const PBSelector* s = selectors[i];
        const std::string label = rows[i].label;
        renderer->drawText(small, label, s->x - kLabelGap - renderer->textWidth(small, label), s->y + 9, white);
    }
    const std::vector<ExtraSettingRow>& extra = extraSettingRows();
    for (std::size_t i = 0; i < extra.size() && i < extraSelectors.size(); ++i) {
        const PBSelector* s = extraSelectors[i];
        const std::string label = extra[i].label;
        renderer->drawText(small, label, s->x - kLabelGap - renderer->textWidth(small, label), s->y + 9, white);
    }
}
