#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/json.h"
#include "graphics/texture_data.h"

// The game's one store of textures, filled from "Resources/levelData/texture.json" when the
// renderer starts. Ids keep their meaning for the whole run.
class TextureManager {
public:
    // Ids beyond this are taken for typos: the table grows to the largest id.
    static constexpr int kMaxTextureId = 1023;

    static TextureManager& GetInstance();
    // Releases every texture and forgets the store; the next GetInstance starts afresh.
    static void Destroy();

    // Loads every image the texture list names, with its grid and animations.
    void Load();
    // False, with one line naming the image, when the id or grid is unusable or the image
    // cannot be read. A good image replaces any texture already at that id.
    bool LoadTexture(const std::string& path, int id, int row, int col);
    // False when there is no texture at textureId or the index is negative.
    bool AddAnimation(int textureId, int animIndex, unsigned startFrm, unsigned endFrm, unsigned frmTimer);
    bool DeleteTexture(int id);
    void ReleaseAll();

    // Null when the id names no loaded texture.
    const TextureData* Find(unsigned id) const;
    size_t Size() const { return textures_.size(); }

    const std::string fileName = "Resources/levelData/texture.json";

private:
    TextureManager() = default;
    // One member of the texture list: the image with its grid, then its animations.
    void LoadEntry(const std::string& path, const json::Value& entry);

    std::vector<std::unique_ptr<TextureData>> textures_;
    // Images replaced or deleted keep their place in the atlas until everything is released.
    TextureAtlas atlas_;
};
