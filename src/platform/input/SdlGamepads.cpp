#include "platform/input/SdlGamepads.h"

#include "core/ErrorLog.h"

#include <sys/stat.h>

namespace {

// SDL's buttons in the order of PadButton.
const SDL_GameControllerButton kButtons[kPadButtonCount] = {
    SDL_CONTROLLER_BUTTON_A,          SDL_CONTROLLER_BUTTON_B,           SDL_CONTROLLER_BUTTON_X,
    SDL_CONTROLLER_BUTTON_Y,          SDL_CONTROLLER_BUTTON_BACK,        SDL_CONTROLLER_BUTTON_GUIDE,
    SDL_CONTROLLER_BUTTON_START,      SDL_CONTROLLER_BUTTON_LEFTSTICK,   SDL_CONTROLLER_BUTTON_RIGHTSTICK,
    SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, SDL_CONTROLLER_BUTTON_DPAD_UP,
    SDL_CONTROLLER_BUTTON_DPAD_DOWN,  SDL_CONTROLLER_BUTTON_DPAD_LEFT,   SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
};
// SDL's axes in the order of PadAxis.
const SDL_GameControllerAxis kAxes[kPadAxisCount] = {
    SDL_CONTROLLER_AXIS_LEFTX,       SDL_CONTROLLER_AXIS_LEFTY,        SDL_CONTROLLER_AXIS_RIGHTX,
    SDL_CONTROLLER_AXIS_RIGHTY,      SDL_CONTROLLER_AXIS_TRIGGERLEFT,  SDL_CONTROLLER_AXIS_TRIGGERRIGHT,
};

int padButtonFor(Uint8 sdlButton)
{
    for (int i = 0; i < kPadButtonCount; ++i)
        if (kButtons[i] == sdlButton) return i;
    return -1;
}

float axisValue(Sint16 raw)
{
    // -32768..32767 onto -1..1, both ends reaching exactly 1.
    const float v = raw < 0 ? static_cast<float>(raw) / 32768.0f : static_cast<float>(raw) / 32767.0f;
    return v;
}

} // namespace

SdlGamepads::~SdlGamepads()
{
    for (OpenPad& pad : pads_)
        SDL_GameControllerClose(pad.controller);
    pads_.clear();
    if (started_)
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool SdlGamepads::start(const std::string& mappingsFile)
{
    if (started_)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        logError(std::string("Gamepads are not available: ") + SDL_GetError());
        return false;
    }
    started_ = true;
    struct stat info {};
    if (!mappingsFile.empty() && stat(mappingsFile.c_str(), &info) == 0) {
        if (SDL_GameControllerAddMappingsFromFile(mappingsFile.c_str()) < 0)
            logError("Could not read the pad mappings in " + mappingsFile + ": " + SDL_GetError());
    }
    // The pads connected before the start; SDL also announces them as added, and opening
    // one twice is harmless (open skips a pad that is open).
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        open(i);
    return true;
}

SdlGamepads::OpenPad* SdlGamepads::find(SDL_JoystickID id)
{
    for (OpenPad& pad : pads_)
        if (pad.id == id) return &pad;
    return nullptr;
}

void SdlGamepads::open(int deviceIndex)
{
    if (!started_ || !SDL_IsGameController(deviceIndex))
        return;
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (id < 0 || find(id))
        return;
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) {
        logError(std::string("Could not open a gamepad: ") + SDL_GetError());
        return;
    }
    const char* name = SDL_GameControllerName(controller);
    pads_.push_back(OpenPad{controller, id, name ? name : "GAMEPAD", 0});
}

void SdlGamepads::close(SDL_JoystickID id)
{
    for (auto it = pads_.begin(); it != pads_.end(); ++it) {
        if (it->id != id)
            continue;
        SDL_GameControllerClose(it->controller);
        pads_.erase(it);
        return;
    }
}

void SdlGamepads::handleEvent(const SDL_Event& event)
{
    if (!started_)
        return;
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        open(event.cdevice.which);  // a device index
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        close(event.cdevice.which);  // an instance id
        break;
    case SDL_CONTROLLERBUTTONDOWN:
        if (OpenPad* pad = find(event.cbutton.which)) {
            const int button = padButtonFor(event.cbutton.button);
            if (button >= 0) pad->latched |= 1u << button;
        }
        break;
    default:
        break;
    }
}

void SdlGamepads::read(std::vector<PadState>& pads)
{
    pads.clear();
    for (OpenPad& open : pads_) {
        // A pad whose removal has not reached the event queue yet is as good as gone.
        if (!SDL_GameControllerGetAttached(open.controller))
            continue;
        PadState pad;
        pad.id = open.id;
        pad.name = open.name;
        for (int a = 0; a < kPadAxisCount; ++a)
            pad.axes[a] = axisValue(SDL_GameControllerGetAxis(open.controller, kAxes[a]));
        pad.buttons = open.latched;
        for (int b = 0; b < kPadButtonCount; ++b)
            if (SDL_GameControllerGetButton(open.controller, kButtons[b])) pad.buttons |= 1u << b;
        open.latched = 0;
        pads.push_back(pad);
    }
}
