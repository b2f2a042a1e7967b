#pragma once
// Asks before a profile is deleted. The main menu names the profile before it switches here.
#include "render/fonts/FittedText.h"
#include "screens/PBScreen.h"

#include <string>

class DeleteProfileScreen : public PBScreen {
public:
    std::string profileName;

    DeleteProfileScreen(ScreenContext* context, Renderer* renderer);

    void onCommand(const std::string& id) override;
    // The menu keys start on NO, and back is NO: a profile goes only by choosing YES.
    GUIComponent* firstMenuFocus() const override { return menuBackWidget; }
    void draw(int pass) override;

    // "ARE YOU SURE YOU WANT TO DELETE THE PROFILE [name]?" with the name highlighted.
    std::string question() const;

private:
    static std::string questionAbout(const std::string& name);

    FittedText shownName_;
};
