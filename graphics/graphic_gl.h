#pragma once

#include <list>
#include <map>
#include <vector>

#include "core/system.h"
#include "graphics/camera.h"

class Mesh;
class Sprite;

// The last matrix uploaded for one view uniform.
struct MatData {
    bool dirty = false;
    float matrix[16] = {};
};

// The renderer: builds the sprite program, the shared meshes and the camera, loads the
// textures, draws every live sprite each frame in the order the sprites were made, and
// stretches the logical 1280 by 720 view over the window.
class GraphicGL : public ISystem {
public:
    enum ViewMatrix { kWinScale = 0, kSimPerps = 1, kLookAtMat = 2 };

    GraphicGL();
    ~GraphicGL() override;
    GraphicGL(const GraphicGL&) = delete;
    GraphicGL& operator=(const GraphicGL&) = delete;

    // False, with one line, when GL is below 3.3 or a shader fails: the game cannot draw.
    bool Init() override;
    bool Update(double dt) override;
    void Resize(int width, int height);
    // The render state every frame starts from, and the background clear.
    void BeginFrame() const;

    void AddSprite(Sprite* sprite);
    // Forgets the sprite, and clears the top sprite when it was that one.
    void RemoveSprite(Sprite* sprite);
    // The sprite made last becomes the one the particles draw on top; none when no sprite.
    void SetTopSprite();
    void StoreMatrix(int slot, const float matrix[16]);
    // One animation step and the draw of one sprite (with its outline when debugging).
    void DrawSprite(Sprite& sprite) const;

    bool initialised = false;
    int logicalWidth = 0;
    int logicalHeight = 0;
    unsigned program = 0;
    Camera camera{this};
    Sprite* topSprite = nullptr;
    std::vector<Mesh*> meshes;  // 0 quad, 1 circle
    std::list<Sprite*> sprites;
    std::map<int, MatData> matrices;

private:
    void CreateMeshes();
};

// The registered renderer, or null before start-up and after shut-down.
GraphicGL* FindRenderer();
