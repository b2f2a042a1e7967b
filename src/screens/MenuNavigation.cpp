#include "screens/MenuNavigation.h"

#include "screens/ScreenContext.h"
#include "core/ErrorLog.h"
#include "screens/HelpScreen.h"
#include "screens/PBScreen.h"

bool goToScreen(PBScreen* from, PBScreen* target, const std::string& targetName)
{
    if (!from)
        return false;
    if (!target) {
        logError("The " + targetName + " screen does not exist; the menu stays where it is.");
        return false;
    }
    from->switchTo(target);
    return true;
}

bool openHelp(PBScreen* from)
{
    if (!from || !from->context)
        return false;
    if (HelpScreen* help = dynamic_cast<HelpScreen*>(from->context->screens.helpScreen))
        help->returnScreen = from;
    return goToScreen(from, from->context->screens.helpScreen, "help");
}
