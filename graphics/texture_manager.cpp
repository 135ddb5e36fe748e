#include "graphics/texture_manager.h"

#include <cstdio>

#include "core/data_problems.h"
#include "core/json_file.h"
#include "graphics/image_file.h"

namespace {

std::unique_ptr<TextureManager>& Store() {
    static std::unique_ptr<TextureManager> store;
    return store;
}

}  // namespace

TextureManager& TextureManager::GetInstance() {
    auto& store = Store();
    if (!store) store.reset(new TextureManager());
    return *store;
}

void TextureManager::Destroy() {
    auto& store = Store();
    if (store) store->ReleaseAll();
    store.reset();
}

void TextureManager::Load() {
    DataProblems::Reading reading(fileName);
    JsonFile file;
    if (!file.Read(fileName, IfMissing::kCreateEmpty)) {
        std::printf("Fail to unserialize textures\n");
        return;
    }
    for (const auto& member : file.Doc().GetObject()) {
        const std::string path = member.name.GetString();
        if (!member.value.IsObject() || json::MemberCount(member.value) == 0 ||
            !json::MemberAt(member.value, 0)->value.IsObject()) {
            DataProblems::Report("%s: image \"%s\" needs an object with its \"ID\", \"row\" and \"col\"; skipped\n",
                                 fileName.c_str(), path.c_str());
            continue;
        }
        LoadEntry(path, member.value);
    }
}

void TextureManager::LoadEntry(const std::string& path, const json::Value& entry) {
    // A missing key reads as 0, as the list's writers expect.
    const json::MemberReader grid(json::MemberAt(entry, 0)->value, fileName);
    const int id = grid.Integer("ID");
    if (!LoadTexture(path, id, grid.Integer("row"), grid.Integer("col"))) return;
    for (size_t i = 1; i < json::MemberCount(entry); ++i) {
        const json::Value& animation = json::MemberAt(entry, i)->value;
        if (!animation.IsObject()) {
            DataProblems::Report("%s: an animation of \"%s\" is not an object; skipped\n", fileName.c_str(),
                                 path.c_str());
            continue;
        }
        const json::MemberReader frames(animation, fileName);
        const int index = frames.Integer("ID");
        if (!AddAnimation(id, index, frames.Unsigned("startFrm"), frames.Unsigned("endFrm"),
                          frames.Unsigned("frmTimer"))) {
            DataProblems::Report("%s: animation %d of \"%s\" has a negative index; skipped\n", fileName.c_str(), index,
                                 path.c_str());
        }
    }
}

bool TextureManager::LoadTexture(const std::string& path, int id, int row, int col) {
    if (id < 0 || id > kMaxTextureId) {
        DataProblems::Report("%s: texture id %d is outside 0 to %d; skipped\n", path.c_str(), id, kMaxTextureId);
        return false;
    }
    // The draw divides the frame number by the column count.
    if (row == 0 || col == 0) {
        DataProblems::Report("%s: a sheet needs at least one row and one column, not %d by %d; texture %d skipped\n",
                             path.c_str(), row, col, id);
        return false;
    }
    Image image;
    std::string error;
    if (!ReadImage(path, image, error)) {
        DataProblems::Report("%s: %s; texture %d left empty\n", path.c_str(), error.c_str(), id);
        return false;
    }
    DeleteTexture(id);
    if (textures_.size() < static_cast<size_t>(id) + 1) textures_.resize(static_cast<size_t>(id) + 1);

    auto data = std::make_unique<TextureData>();
    data->path = path;
    if (row > 0 && col > 0) {
        data->rows = row;
        data->cols = col;
        data->u = 1.0f / static_cast<float>(col);
        data->v = 1.0f / static_cast<float>(row);
    } else {
        // A tiled image: the whole picture repeated |col| times across and |row| times down.
        data->rows = data->cols = 1;
        data->u = static_cast<float>(col < 0 ? -col : col);
        data->v = static_cast<float>(row < 0 ? -row : row);
    }
    atlas_.Place(image, data->texture, data->atlas);
    textures_[static_cast<size_t>(id)] = std::move(data);
    return true;
}

bool TextureManager::AddAnimation(int textureId, int animIndex, unsigned startFrm, unsigned endFrm,
                                  unsigned frmTimer) {
    if (textureId < 0 || animIndex < 0) return false;
    const TextureData* found = Find(static_cast<unsigned>(textureId));
    if (!found) return false;
    auto& animations = textures_[static_cast<size_t>(textureId)]->animations;
    if (animations.size() < static_cast<size_t>(animIndex) + 1) animations.resize(static_cast<size_t>(animIndex) + 1);
    animations[static_cast<size_t>(animIndex)] = std::make_unique<AnimData>(AnimData{startFrm, endFrm, frmTimer});
    return true;
}

bool TextureManager::DeleteTexture(int id) {
    if (id < 0 || !Find(static_cast<unsigned>(id))) return false;
    textures_[static_cast<size_t>(id)].reset();
    return true;
}

void TextureManager::ReleaseAll() {
    for (size_t id = 0; id < textures_.size(); ++id) DeleteTexture(static_cast<int>(id));
    textures_.clear();
    atlas_.Release();
}

const TextureData* TextureManager::Find(unsigned id) const {
    if (id >= textures_.size()) return nullptr;
    return textures_[id].get();
}
