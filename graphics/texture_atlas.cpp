#include "graphics/texture_atlas.h"

#include <cstdint>
#include <cstring>

#include <epoxy/gl.h>

#include "graphics/gl_available.h"
#include "graphics/image_file.h"

namespace {

// The image inside a border one pixel wide that repeats its outermost pixels.
std::vector<uint8_t> WithBorder(const Image& image) {
    const int w = image.width + 2, h = image.height + 2;
    std::vector<uint8_t> out(static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
    for (int y = 0; y < h; ++y) {
        const int sy = y == 0 ? 0 : (y == h - 1 ? image.height - 1 : y - 1);
        for (int x = 0; x < w; ++x) {
            const int sx = x == 0 ? 0 : (x == w - 1 ? image.width - 1 : x - 1);
            std::memcpy(&out[(static_cast<size_t>(y) * w + x) * 4],
                        &image.bgra[(static_cast<size_t>(sy) * image.width + sx) * 4], 4);
        }
    }
    return out;
}

}  // namespace

TextureAtlas::Page* TextureAtlas::FindRoom(int w, int h, int& x, int& y) {
    for (Page& page : pages_) {
        if (page.shelfX + w <= page.width && page.shelfY + h <= page.height) {
            x = page.shelfX;
            y = page.shelfY;
        } else if (page.shelfY + page.shelfHeight + h <= page.height && w <= page.width) {
            page.shelfY += page.shelfHeight;
            page.shelfX = 0;
            page.shelfHeight = 0;
            x = 0;
            y = page.shelfY;
        } else {
            continue;
        }
        page.shelfX += w;
        if (h > page.shelfHeight) page.shelfHeight = h;
        return &page;
    }
    return nullptr;
}

TextureAtlas::Page& TextureAtlas::AddPage(int width, int height) {
    Page page;
    page.width = width;
    page.height = height;
    glGenTextures(1, &page.texture);
    glBindTexture(GL_TEXTURE_2D, page.texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    pages_.push_back(page);
    return pages_.back();
}

void TextureAtlas::Place(const Image& image, unsigned& texture, AtlasRect& rect) {
    texture = 0;
    rect = AtlasRect();
    if (!GlAvailable()) return;
    const int w = image.width + 2, h = image.height + 2;
    int x = 0, y = 0;
    Page* page = FindRoom(w, h, x, y);
    if (!page) {
        const bool large = w > kPageSize || h > kPageSize;
        page = &AddPage(large ? w : kPageSize, large ? h : kPageSize);
        page = FindRoom(w, h, x, y);
    }
    const std::vector<uint8_t> pixels = WithBorder(image);
    glBindTexture(GL_TEXTURE_2D, page->texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);  // text uploads change it; every upload states its own
    glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, w, h, GL_BGRA, GL_UNSIGNED_BYTE, pixels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    texture = page->texture;
    const float pw = static_cast<float>(page->width), ph = static_cast<float>(page->height);
    rect = {static_cast<float>(x + 1) / pw, static_cast<float>(y + 1) / ph, static_cast<float>(image.width) / pw,
            static_cast<float>(image.height) / ph};
}

void TextureAtlas::Release() {
    if (GlAvailable()) {
        for (Page& page : pages_) glDeleteTextures(1, &page.texture);
    }
    pages_.clear();
}
