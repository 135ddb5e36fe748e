#pragma once

#include <cstddef>
#include <vector>

struct Image;

// Where an image lies in its atlas page, in texture coordinates of the page.
struct AtlasRect {
    float x = 0;
    float y = 0;
    float width = 1;
    float height = 1;
};

// Packs the game's images into a few large textures. Switching the texture between draws
// costs far more than drawing a sprite on software renderers, and nothing on a GPU, so the
// sprites of a level mostly share one texture.
class TextureAtlas {
public:
    static constexpr int kPageSize = 1024;

    TextureAtlas() = default;
    TextureAtlas(const TextureAtlas&) = delete;
    TextureAtlas& operator=(const TextureAtlas&) = delete;
    ~TextureAtlas() { Release(); }

    // Uploads the image with a one-pixel border copied from its edges, so that sampling at
    // its rim never picks a neighbour. An image too large for a page gets a page of its own.
    void Place(const Image& image, unsigned& texture, AtlasRect& rect);
    void Release();
    size_t PageCount() const { return pages_.size(); }

private:
    struct Page {
        unsigned texture = 0;
        int width = 0;
        int height = 0;
        int shelfX = 0;
        int shelfY = 0;
        int shelfHeight = 0;
    };
    // A page with room for w x h pixels, positioned there; null when none has room.
    Page* FindRoom(int w, int h, int& x, int& y);
    Page& AddPage(int width, int height);

    std::vector<Page> pages_;
};
