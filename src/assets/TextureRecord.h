#pragma once
// A texture as its users hold it. Users keep the record, never the device texture: a device
// reset puts a freshly loaded texture into the same record, so every holder sees it.
class DeviceTexture;

struct TextureRecord {
    DeviceTexture* texture = nullptr;  // null when the file could not be loaded
    int width = 0;                     // pixel size of the loaded image (0 when missing)
    int height = 0;
};
