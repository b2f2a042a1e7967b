#include "ui/KRScreen.h"

#include "input/InputSystem.h"

#include "render/Renderer.h"

KRScreen::KRScreen(Renderer* r, InputSystem* in) : renderer(r), input(in) {}

KRScreen::~KRScreen()
{
    for (GUIComponent* component : components)
        delete component;
    components.clear();
    timers.clear();
}

KRScreen* currentScreen(const Renderer& renderer)
{
    return dynamic_cast<KRScreen*>(renderer.screen);
}

void KRScreen::addComponent(GUIComponent* component)
{
    if (!component)
        return;
    if (!component->owner)
        component->owner = this;
    components.push_back(component);
}

void KRScreen::addTimer(const std::string& name, float seconds)
{
    timers.push_back(ScreenTimer{name, seconds, false});
}

GUIComponent* KRScreen::componentAt(int px, int py) const
{
    for (GUIComponent* c : components) {
        if (c->x <= px && px < c->x + c->width && c->y <= py && py < c->y + c->height)
            return c;
    }
    return nullptr;
}

void KRScreen::pointerPosition(int& px, int& py) const
{
    px = 0;
    py = 0;
    if (renderer) {
        px = static_cast<int>(renderer->mouseX);
        py = static_cast<int>(renderer->mouseY);
    }
}

void KRScreen::runTimers(float dt)
{
    // onTimer may add timers (and so move the vector): work by index, and only on the
    // timers that existed when this update began.
    const std::size_t count = timers.size();
    bool anyFired = false;
    for (std::size_t i = 0; i < count; ++i) {
        timers[i].remaining -= dt;
        if (timers[i].remaining <= 0.0f) {
            timers[i].fired = true;
            anyFired = true;
            ScreenTimer copy = timers[i];
            onTimer(copy);
        }
    }
    if (!anyFired)
        return;
    std::vector<ScreenTimer> kept;
    for (const ScreenTimer& t : timers) {
        if (!t.fired)
            kept.push_back(t);
    }
    timers.swap(kept);
}

bool KRScreen::routeMouse()
{
    int px = 0, py = 0;
    pointerPosition(px, py);
    const bool down = input && (input->mouseState.buttons[0] & 0x80) != 0;
    const bool changed = down != buttonWasDown;
    GUIComponent* hit = componentAt(px, py);

    // A press anywhere but on the focused widget, even on empty space, takes its focus.
    if (changed && down)
        pressLanded_ = hit != nullptr;
    if (changed && down && focused && focused != hit) {
        focused->hasFocus = false;
        focused = nullptr;
    }
    if (hovered && hovered != hit)
        hovered->onMouseLeave();
    if (hit) {
        const int localX = px - hit->x;
        const int localY = py - hit->y;
        if (px != lastX || py != lastY)
            hit->onMouseMove(localX, localY);
        if (changed) {
            if (down) {
                hit->onMouseDown(localX, localY);
                pressX = px;
                pressY = py;
            } else {
                hit->onMouseUp(localX, localY);
                if (pressLanded_ && componentAt(pressX, pressY) == hit)
                    hit->onClick(localX, localY);
            }
        }
    }
    hovered = hit;
    lastX = px;
    lastY = py;
    buttonWasDown = down;
    return changed && down;
}

void KRScreen::update(float dt)
{
    runTimers(dt);
    followPointer(routeMouse());
    routeMenuKeys();
    // By index: a widget's update may add a widget.
    for (std::size_t i = 0; i < components.size(); ++i)
        components[i]->update(dt);
}

void KRScreen::draw(int pass)
{
    if (pass != 2)
        return;
    for (GUIComponent* component : components)
        component->draw();
    drawMenuFocus();
}
