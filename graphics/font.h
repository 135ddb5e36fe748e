#pragma once

#include <memory>
#include <string>

#include "core/game_component.h"
#include "graphics/glyph_cache.h"
#include "graphics/text_values.h"

class FontManager;

// A line or block of text drawn with a TrueType font, with graph values put in place of its
// codes. It is drawn only in frames in which a node asked for it: each draw clears isVisible.
class Font : public IGameComponent, public TextValues {
public:
    static constexpr const char* kDefaultFontFile = "Resources/Fonts/PixelTechnology.ttf";

    Font();
    ~Font() override;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    IGameComponent* Clone() const override;
    void Unserialize(const json::Member& member) override;
    void Serialize(json::Writer& writer) const override;

    // Switches to the glyphs of another font file; on failure the current glyphs stay.
    bool Reload(const std::string& path);
    // Draws the text when a node asked for it this frame, then forgets the request.
    void Draw();
    // shownText from the template with the current values.
    void FormatVariable();
    void SetFontSize(float size);

    bool needsRefresh = false;
    bool loaded = false;
    bool isVisible = false;
    int pixelHeight = 100;
    float fontSize = 1.0f;
    float matrix[16];
    float rgba[4] = {0, 0, 0, 1};
    std::string text = " ";
    std::string shownText;
    std::string ttfFile = kDefaultFontFile;
    float textPosX = 0;
    float textPosY = 0;
    std::shared_ptr<const GlyphSet> glyphs;

private:
    void InitRenderer();
    void LayoutText(const std::string& shown);

    FontManager* manager_ = nullptr;
    unsigned program_ = 0;
    int colorLocation_ = -1;
    int matrixLocation_ = -1;
    unsigned vertexBuffer_ = 0;
    unsigned vertexArray_ = 0;
    size_t bufferBytes_ = 0;
};
