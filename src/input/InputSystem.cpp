#include "input/InputSystem.h"

#include "core/ErrorLog.h"
#include "input/InputDevices.h"

InputSystem::~InputSystem() { delete devices; }

bool InputSystem::init(InputDevices* platformDevices)
{
    delete devices;
    devices = platformDevices;
    if (!devices || !devices->available()) {
        logError("Directinput not available");
        return false;
    }
    if (!devices->hasKeyboard()) {
        logError("Could not create Directinput device for keyboard.");
        return false;
    }
    if (!devices->hasMouse()) {
        logError("Could not create Directinput device for mouse.");
        return false;
    }
    if (!devices->acquireKeyboard()) {
        logError("Could not acquire keyboard.");
        return false;
    }
    if (!devices->acquireMouse()) {
        logError("Could not acquire mouse.");
        return false;
    }
    return true;
}

void InputSystem::poll()
{
    std::memcpy(previousKeys, keys, sizeof keys);
    typed.clear();
    if (!devices)
        return;

    // A lost device (the window lost the focus) gets one re-acquire and one more read; if
    // that fails too, the keys keep their last contents.
    bool keyboardRead = devices->readKeyboard(keys);
    if (!keyboardRead) {
        devices->acquireKeyboard();
        keyboardRead = devices->readKeyboard(keys);
    }
    devices->takeTyped(typed);
    if (!keyboardRead)
        typed.clear();  // no typing into a game that does not have the keyboard

    MouseState state = mouseState;
    bool read = devices->readMouse(state);
    if (!read) {
        devices->acquireMouse();
        read = devices->readMouse(state);
    }
    if (read) {
        mouseState = state;
    } else {
        // The buttons keep their last state, but a lost mouse has not moved: repeating
        // the last movement would drift the cursor and the held rod every frame.
        mouseState.x = 0;
        mouseState.y = 0;
        mouseState.wheel = 0;
    }
    mouseMoveX = static_cast<float>(mouseState.x);
    mouseMoveY = static_cast<float>(mouseState.y);
    pollPads();
}

void InputSystem::pollPads()
{
    previousPads.swap(pads);
    if (devices)
        devices->readPads(pads);
    else
        pads.clear();
}

void InputSystem::setPointerFree(bool free)
{
    if (devices)
        devices->setPointerFree(free);
}
