#pragma once

#include <vector>

#include "core/system.h"
#include "graphics/glyph_cache.h"

class Font;

// Owns the text program and the shared glyphs, and draws every active text each frame after
// the sprites and particles.
class FontManager : public ISystem {
public:
    FontManager();
    ~FontManager() override;
    FontManager(const FontManager&) = delete;
    FontManager& operator=(const FontManager&) = delete;

    // Builds the text program and registers the "Font" creator with the object factory.
    // False, with one line, when a text shader fails.
    bool Init() override;
    bool Update(double dt) override;

    std::vector<Font*> fonts;  // in the order they were made
    unsigned program = 0;
    GlyphCache glyphCache;
};

FontManager* FindFontManager();
