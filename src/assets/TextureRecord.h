#pragma once
// A texture as its users hold it. Users keep the record, never the device texture: a device
// reset puts a freshly loaded texture into the same record, so every holder sees it.
class DeviceTexture;

struct TextureRecord {
    DeviceTexture* texture = nullptr;  // null when the file could not be loaded
    int width = 0;                     // pixel size of the loaded image (0 when missing)
    int height = 0;
    // The file loaded, but its device texture is let go while nothing draws it (only the
    // still table's pictures showed it); the resource manager loads it again when asked.
    bool setAside = false;
    // Counts the loads that may have given the record a different picture (the first, and
    // each after a device reset or an unload); setting aside and bringing back leave it.
    unsigned loads = 0;
};
