#pragma once
// What only the still table's pictures need. Once the pictures are drawn, the textures and
// scene programs that no moving object uses (the field's picture with its mip levels, the
// shadowed field's program) are never drawn again until the pictures are drawn anew or the
// camera leaves the designed view, and on a software renderer they take main memory like
// everything else. So they are let go after each drawing of the pictures and brought back
// before the still objects are drawn again; the picture stays the same.
#include <vector>

class Renderer;
struct TextureRecord;

class StillOnlyResources {
public:
    // After the pictures were drawn from the renderer's objects: the textures of still
    // objects that no other object shows are set aside, and the scene programs that only
    // still objects draw with are released (they are linked again at their next draw).
    void setAside(Renderer& renderer);
    // Before the still objects are drawn (the pictures again, or the table whole): the
    // textures set aside are loaded again. Does nothing when none are.
    void bringBack(Renderer& renderer);

    const std::vector<TextureRecord*>& textures() const { return textures_; }

private:
    std::vector<TextureRecord*> textures_;  // set aside now
};
