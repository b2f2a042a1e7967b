#pragma once
// The gamepads on SDL's game controller layer: every pad SDL has a mapping for (its
// built-in ones, those in SDL_GAMECONTROLLERCONFIG, and those of an optional mappings file
// such as gamecontrollerdb.txt) is opened when it is connected, at start or during play,
// and closed when it is pulled out. Button presses seen in the event queue are latched
// until the next read, so a tap between two frames still counts.
#include "input/PadState.h"

#include <SDL.h>

#include <string>
#include <vector>

class SdlGamepads {
public:
    SdlGamepads() = default;
    ~SdlGamepads();
    SdlGamepads(const SdlGamepads&) = delete;
    SdlGamepads& operator=(const SdlGamepads&) = delete;

    // Starts SDL's game controller layer (which reads SDL_GAMECONTROLLERCONFIG by itself),
    // adds the mappings of `mappingsFile` when that file exists, and opens the pads already
    // connected. false (after its error line) when the layer cannot start: the game then
    // plays without pads. A mappings file that cannot be read is told and left out.
    bool start(const std::string& mappingsFile);
    bool started() const { return started_; }

    // Connections, disconnections and button presses.
    void handleEvent(const SDL_Event& event);
    // The pads connected now, in the order they were connected.
    void read(std::vector<PadState>& pads);

private:
    struct OpenPad {
        SDL_GameController* controller = nullptr;
        SDL_JoystickID id = -1;
        std::string name;
        std::uint32_t latched = 0;
    };
    void open(int deviceIndex);
    void close(SDL_JoystickID id);
    OpenPad* find(SDL_JoystickID id);

    bool started_ = false;
    std::vector<OpenPad> pads_;
};
