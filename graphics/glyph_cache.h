#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>

// One glyph of a rasterised font.
struct Character {
    unsigned texture = 0;  // its font's glyph page (one-channel coverage); 0 when it has no pixels
    float width = 0;       // bitmap size in pixels
    float height = 0;
    float bearingX = 0;  // bitmap left and top offsets from the pen
    float bearingY = 0;
    unsigned advance = 0;  // in 1/64 pixel
    float s0 = 0, t0 = 0, s1 = 0, t1 = 0;  // its place in the page: left, top, right, bottom
};

// The printable characters of one font file at one pixel height, on one texture page, so a
// whole text draws with one texture.
struct GlyphSet {
    GlyphSet() = default;
    GlyphSet(const GlyphSet&) = delete;
    GlyphSet& operator=(const GlyphSet&) = delete;
    ~GlyphSet();

    std::map<char, Character> glyphs;
    unsigned texture = 0;
    float lineHeight = 0;  // baseline to baseline, in pixels
};

// Every text of the game shares the glyphs of a font file and height: they are rasterised
// once and released with the cache.
class GlyphCache {
public:
    GlyphCache();
    ~GlyphCache();
    GlyphCache(const GlyphCache&) = delete;
    GlyphCache& operator=(const GlyphCache&) = delete;

    // Null, with the cause printed, when the file cannot be opened as a font.
    std::shared_ptr<const GlyphSet> Get(const std::string& fontFile, int pixelHeight);
    size_t Size() const { return sets_.size(); }

private:
    std::shared_ptr<const GlyphSet> Build(const std::string& fontFile, int pixelHeight);

    void* library_ = nullptr;  // FT_Library, kept out of this header
    std::map<std::pair<std::string, int>, std::shared_ptr<const GlyphSet>> sets_;
};
