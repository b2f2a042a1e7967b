// The menu focus of a screen: the menu keys routed to the focused widget and between the
// widgets, the pointer taking over from them, and the ring drawn round the focus.
#include "ui/KRScreen.h"

#include "input/InputSystem.h"
#include "render/Renderer.h"
#include "ui/FocusNavigation.h"
#include "ui/MenuFocusRing.h"
#include "ui/widgets/WidgetServices.h"

#include <algorithm>

std::vector<GUIComponent*> KRScreen::focusOrder() const
{
    std::vector<GUIComponent*> order;
    for (GUIComponent* c : components)
        if (c->takesMenuFocus())
            order.push_back(c);
    return order;
}

GUIComponent* KRScreen::firstMenuFocus() const
{
    const std::vector<GUIComponent*> order = focusOrder();
    return order.empty() ? nullptr : order.front();
}

GUIComponent* KRScreen::focusNeighbour(GUIComponent* from, MenuKey direction) const
{
    return nearestInDirection(focusOrder(), from, from ? from->menuFocusRect() : FocusRect{}, direction);
}

GUIComponent* KRScreen::neighbourInOrder(GUIComponent* from, int step) const
{
    const std::vector<GUIComponent*> order = focusOrder();
    const auto at = std::find(order.begin(), order.end(), from);
    if (at == order.end())
        return nullptr;
    const long index = (at - order.begin()) + step;
    return index >= 0 && index < static_cast<long>(order.size()) ? order[static_cast<std::size_t>(index)] : nullptr;
}

bool KRScreen::inFocusOrder(const GUIComponent* component) const
{
    if (!component || !component->takesMenuFocus())
        return false;
    const std::vector<GUIComponent*> order = focusOrder();
    return std::find(order.begin(), order.end(), component) != order.end();
}

void KRScreen::onMenuBack()
{
    if (!menuBackWidget || !menuBackWidget->takesMenuFocus())
        return;
    menuFocus = menuBackWidget;
    menuBackWidget->onMenuKey(MenuKey::Press);
}

void KRScreen::setMenuFocus(GUIComponent* component)
{
    if (!component)
        return;
    if (component != menuFocus)
        playWidgetHover();
    menuFocus = component;
    menuFocusShown = true;
    component->onMenuFocusGained();
}

bool KRScreen::menuFocusOn(const GUIComponent* component) const
{
    return menuFocusShown && component && component == menuFocus;
}

void KRScreen::carryMenuFocusTo(KRScreen& next) const
{
    next.menuFocusShown = menuFocusShown;
    next.menuKeysFromPad = menuKeysFromPad;
    // The pointer has not moved by being on another screen.
    next.pointerSeenX_ = pointerSeenX_;
    next.pointerSeenY_ = pointerSeenY_;
}

void KRScreen::followPointer(bool pressed)
{
    const int px = renderer ? static_cast<int>(renderer->mouseX) : 0;
    const int py = renderer ? static_cast<int>(renderer->mouseY) : 0;
    const bool moved = px != pointerSeenX_ || py != pointerSeenY_;
    pointerSeenX_ = px;
    pointerSeenY_ = py;
    if (!moved && !pressed)
        return;
    // Two highlights at once would leave the player guessing which one ENTER presses: the
    // pointer's hover is the one that counts while the mouse is in use.
    menuFocusShown = false;
    GUIComponent* under = componentAt(px, py);
    if (inFocusOrder(under))
        menuFocus = under;
}

void KRScreen::routeMenuKeys()
{
    if (input) {
        // By copy: a key may lead a screen to change what the input holds.
        const std::vector<MenuKeyPress> keys = input->menuKeys;
        for (const MenuKeyPress& press : keys) {
            if (!acceptsMenuKeys())
                break;
            useMenuKey(press);
        }
    }
    // A focused button that was disabled meanwhile (the last help page) hands the focus on.
    if (menuFocusShown && !inFocusOrder(menuFocus))
        menuFocus = firstMenuFocus();
}

void KRScreen::useMenuKey(const MenuKeyPress& press)
{
    menuKeysFromPad = press.fromPad;
    if (onMenuKey(press))
        return;
    // The pointer's hover gives way to the ring until the mouse moves again.
    if (hovered) {
        hovered->onMouseLeave();
        hovered = nullptr;
    }
    if (!inFocusOrder(menuFocus))
        menuFocus = firstMenuFocus();
    if (press.key == MenuKey::Back) {
        menuFocusShown = true;
        onMenuBack();
        return;
    }
    // The first key only shows where the focus is: nothing unseen is pressed or left.
    if (!menuFocusShown) {
        menuFocusShown = true;
        if (menuFocus)
            menuFocus->onMenuFocusGained();
        return;
    }
    if (!menuFocus || menuFocus->onMenuKey(press.key) || !isDirection(press.key))
        return;
    if (GUIComponent* next = focusNeighbour(menuFocus, press.key))
        setMenuFocus(next);
}

void KRScreen::drawMenuFocus()
{
    if (menuFocusShown && inFocusOrder(menuFocus))
        drawMenuFocusRing(widgetStyle(), menuFocus->menuFocusRect());
}
