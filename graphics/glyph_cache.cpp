#include "graphics/glyph_cache.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include <epoxy/gl.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include "graphics/gl_available.h"

GlyphSet::~GlyphSet() {
    if (texture != 0 && GlAvailable()) glDeleteTextures(1, &texture);
}

GlyphCache::GlyphCache() {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        std::printf("Failed to initialise freetype library.\n");
        return;
    }
    library_ = library;
}

GlyphCache::~GlyphCache() {
    sets_.clear();
    if (library_) FT_Done_FreeType(static_cast<FT_Library>(library_));
}

std::shared_ptr<const GlyphSet> GlyphCache::Get(const std::string& fontFile, int pixelHeight) {
    const auto key = std::make_pair(fontFile, pixelHeight);
    auto found = sets_.find(key);
    if (found != sets_.end()) return found->second;
    auto set = Build(fontFile, pixelHeight);
    if (set) sets_[key] = set;
    return set;
}

namespace {

constexpr int kPageWidth = 1024;

struct Bitmap {
    char code = 0;
    int width = 0;
    int rows = 0;
    std::vector<unsigned char> pixels;
    int x = 0, y = 0;  // place in the page
};

// Rows of glyphs with a blank pixel between them, since glyphs are drawn smoothed.
int PackRows(std::vector<Bitmap>& bitmaps) {
    int x = 1, y = 1, rowHeight = 0;
    for (Bitmap& bitmap : bitmaps) {
        if (x + bitmap.width + 1 > kPageWidth) {
            x = 1;
            y += rowHeight + 1;
            rowHeight = 0;
        }
        bitmap.x = x;
        bitmap.y = y;
        x += bitmap.width + 1;
        if (bitmap.rows > rowHeight) rowHeight = bitmap.rows;
    }
    return y + rowHeight + 1;
}

unsigned UploadPage(const std::vector<Bitmap>& bitmaps, int height) {
    std::vector<unsigned char> page(static_cast<size_t>(kPageWidth) * static_cast<size_t>(height), 0);
    for (const Bitmap& bitmap : bitmaps) {
        for (int row = 0; row < bitmap.rows; ++row) {
            std::copy_n(&bitmap.pixels[static_cast<size_t>(row) * bitmap.width], bitmap.width,
                        &page[static_cast<size_t>(bitmap.y + row) * kPageWidth + bitmap.x]);
        }
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);  // coverage rows are byte-packed
    glTexImage2D(GL_TEXTURE_2D, 0, GL_R8, kPageWidth, height, 0, GL_RED, GL_UNSIGNED_BYTE, page.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

}  // namespace

std::shared_ptr<const GlyphSet> GlyphCache::Build(const std::string& fontFile, int pixelHeight) {
    if (!library_) return nullptr;
    if (pixelHeight <= 0) {
        std::printf("%s: a pixel height of %d draws nothing; font not loaded\n", fontFile.c_str(), pixelHeight);
        return nullptr;
    }
    FT_Face face = nullptr;
    if (FT_New_Face(static_cast<FT_Library>(library_), fontFile.c_str(), 0, &face) != 0) {
        std::printf("Failed to initialise face.\n");
        return nullptr;
    }
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelHeight));
    auto set = std::make_shared<GlyphSet>();
    set->lineHeight = static_cast<float>(face->size->metrics.height >> 6);
    if (set->lineHeight <= 0) set->lineHeight = static_cast<float>(pixelHeight);
    std::vector<Bitmap> bitmaps;
    for (int code = 32; code <= 126; ++code) {
        if (FT_Load_Char(face, static_cast<FT_ULong>(code), FT_LOAD_RENDER) != 0) continue;
        const FT_GlyphSlot slot = face->glyph;
        Character glyph;
        glyph.width = static_cast<float>(slot->bitmap.width);
        glyph.height = static_cast<float>(slot->bitmap.rows);
        glyph.bearingX = static_cast<float>(slot->bitmap_left);
        glyph.bearingY = static_cast<float>(slot->bitmap_top);
        glyph.advance = static_cast<unsigned>(slot->advance.x);
        set->glyphs[static_cast<char>(code)] = glyph;
        // A space has no pixels; it still advances the pen.
        if (slot->bitmap.width == 0 || slot->bitmap.rows == 0) continue;
        Bitmap bitmap;
        bitmap.code = static_cast<char>(code);
        bitmap.width = static_cast<int>(slot->bitmap.width);
        bitmap.rows = static_cast<int>(slot->bitmap.rows);
        bitmap.pixels.resize(static_cast<size_t>(bitmap.width) * bitmap.rows);
        for (int row = 0; row < bitmap.rows; ++row) {
            std::copy_n(slot->bitmap.buffer + static_cast<ptrdiff_t>(row) * slot->bitmap.pitch, bitmap.width,
                        &bitmap.pixels[static_cast<size_t>(row) * bitmap.width]);
        }
        bitmaps.push_back(std::move(bitmap));
    }
    FT_Done_Face(face);
    const int height = PackRows(bitmaps);
    if (GlAvailable() && !bitmaps.empty()) set->texture = UploadPage(bitmaps, height);
    for (const Bitmap& bitmap : bitmaps) {
        Character& glyph = set->glyphs[bitmap.code];
        glyph.texture = set->texture;
        glyph.s0 = static_cast<float>(bitmap.x) / kPageWidth;
        glyph.s1 = static_cast<float>(bitmap.x + bitmap.width) / kPageWidth;
        glyph.t0 = static_cast<float>(bitmap.y) / static_cast<float>(height);
        glyph.t1 = static_cast<float>(bitmap.y + bitmap.rows) / static_cast<float>(height);
    }
    return set;
}
