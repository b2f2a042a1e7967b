#pragma once
// A texture that lives in the graphics device. The GL layer derives its own; tests may
// derive fakes, since users only ever hold the pointer.
class DeviceTexture {
public:
    virtual ~DeviceTexture() = default;
    int width = 0;
    int height = 0;
};
