#include "screens/DeleteProfileScreen.h"

#include "screens/ScreenContext.h"
#include "profiles/ProfileStore.h"
#include "profiles/SettingsFile.h"
#include "render/Renderer.h"
#include "render/fonts/PBFontBig.h"
#include "render/fonts/PBFontSmall.h"
#include "screens/MenuNavigation.h"
#include "ui/GUIStyle.h"

DeleteProfileScreen::DeleteProfileScreen(ScreenContext* c, Renderer* r) : PBScreen(c, r)
{
    setFramedTitle("DELETE PROFILE");
    addButton("yes", "YES", 359, 400, 116);
    addButton("no", "NO", 549, 400, 116);
}

namespace {

// The question's box stays inside the screen whatever the name.
constexpr int kQuestionWidth = 900;

} // namespace

std::string DeleteProfileScreen::question() const
{
    return questionAbout(profileName);
}

std::string DeleteProfileScreen::questionAbout(const std::string& name)
{
    // A name read from a save file may hold brackets; they would end the highlight early.
    std::string shown;
    for (char c : name)
        if (c != '[' && c != ']')
            shown += c;
    return "ARE YOU SURE YOU WANT TO DELETE THE PROFILE [" + shown + "]?";
}

void DeleteProfileScreen::onCommand(const std::string& id)
{
    if (!context)
        return;
    if (id == "yes") {
        ProfileStore& store = *context->profileStore;
        const auto& profiles = store.profiles;
        for (std::size_t i = 0; i < profiles.size(); ++i) {
            if (profiles[i]->name == profileName) {
                store.removeProfile(static_cast<int>(i));
                store.save();
                // Its difficulty and two-player record go with it: a new profile of the
                // same name starts afresh.
                if (context->settings)
                    context->settings->forgetProfile(profileName);
                break;
            }
        }
        profileName.clear();
        goToScreen(this, context->screens.profilesScreen, "main menu");
    } else if (id == "no") {
        goToScreen(this, context->screens.profilesScreen, "main menu");
    }
}

void DeleteProfileScreen::draw(int pass)
{
    PBScreen::draw(pass);
    if (pass != 2 || !renderer || !context || !context->fontSmall)
        return;
    GUIStyle* style = context->guiStyle;
    const int room = kQuestionWidth - renderer->textWidthWithoutBrackets(context->fontSmall, questionAbout(""));
    const std::string text = questionAbout(shownName_.fit(*context->fontSmall, profileName, room));
    const int width = renderer->textWidthWithoutBrackets(context->fontSmall, text);
    if (style) {
        const int boxWidth = width + 60;
        style->drawSolid(512 - boxWidth / 2, 344, boxWidth, 22, style->colours[0]);
        style->drawFrame(512 - boxWidth / 2, 344, boxWidth, 22);
    }
    renderer->drawTwoColourText(context->fontSmall, text, 512 - width / 2, 350,
                                style ? style->colours[2] : 0xFFFFFFFFu,
                                style ? style->colours[3] : 0xFFFBAB18u);
}
