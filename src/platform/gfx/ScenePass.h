#pragma once
// The pass between the 3D scene and the picture the screens draw on, used when the
// picture is not the back buffer itself: the scene scaled to the picture (bilinear), and,
// when asked, its edges smoothed on the way.
//
// The smoothing is a small FXAA-like filter for back buffers without samples: where the
// brightness of a pixel's neighbourhood steps sharply (a rod's or figure's silhouette, a
// wall's edge), the pixel is blended along the edge's direction, so stair steps become a
// ramp; elsewhere the pixel is copied. It costs one pass over the picture with nine reads
// a pixel.
class ScenePass {
public:
    ScenePass() = default;
    ~ScenePass();
    ScenePass(const ScenePass&) = delete;
    ScenePass& operator=(const ScenePass&) = delete;

    bool create();  // false (with an error line) when the shaders did not build
    // Draws the scene texture (sceneWidth x sceneHeight, bilinear) over the whole current
    // viewport.
    void draw(unsigned int sceneTexture, int sceneWidth, int sceneHeight, bool smoothEdges);

private:
    unsigned int copyProgram_ = 0;
    unsigned int smoothProgram_ = 0;        // the picture is the scene's size
    unsigned int smoothScaledProgram_ = 0;  // the scene is scaled to the picture
    unsigned int vertexArray_ = 0;
};
