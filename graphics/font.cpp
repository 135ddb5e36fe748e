#include "graphics/font.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include <epoxy/gl.h>

#include "core/data_problems.h"
#include "graphics/font_manager.h"
#include "graphics/gl_available.h"
#include "graphics/matrix_math.h"

Font::Font() : IGameComponent(FONT) {
    SetFontSize(fontSize);
    manager_ = FindFontManager();
    InitRenderer();
    Reload(ttfFile);
    if (manager_) manager_->fonts.push_back(this);
}

Font::~Font() {
    if (FontManager* manager = FindFontManager()) {
        auto& fonts = manager->fonts;
        fonts.erase(std::remove(fonts.begin(), fonts.end(), this), fonts.end());
    }
    if (vertexArray_ != 0 && GlAvailable()) {
        glDeleteVertexArrays(1, &vertexArray_);
        glDeleteBuffers(1, &vertexBuffer_);
    }
}

void Font::InitRenderer() {
    if (!manager_ || !manager_->program || !GlAvailable()) return;
    program_ = manager_->program;
    colorLocation_ = glGetUniformLocation(program_, "color");
    matrixLocation_ = glGetUniformLocation(program_, "matrix");
    glGenVertexArrays(1, &vertexArray_);
    glGenBuffers(1, &vertexBuffer_);
    glBindVertexArray(vertexArray_);
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, 4 * sizeof(float), nullptr);
    glEnableVertexAttribArray(0);
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void Font::SetFontSize(float size) {
    fontSize = size;
    Scale4({size, size, size}, matrix);
}

bool Font::Reload(const std::string& path) {
    if (!manager_) return false;
    std::shared_ptr<const GlyphSet> found = manager_->glyphCache.Get(path, pixelHeight);
    if (!found) return false;
    glyphs = std::move(found);
    loaded = true;
    return true;
}

void Font::FormatVariable() {
    // Values are put in at every draw, so a shown value stays on screen between changes.
    needsRefresh = false;
    shownText = SubstituteValues(text, *this);
}

void Font::Draw() {
    if (!isVisible) return;
    FormatVariable();
    if (loaded && program_ && GlAvailable()) {
        glActiveTexture(GL_TEXTURE0);
        glBindVertexArray(vertexArray_);
        glUniform4fv(colorLocation_, 1, rgba);
        glUniformMatrix4fv(matrixLocation_, 1, GL_FALSE, matrix);
        LayoutText(shownText);
        glBindVertexArray(0);
    }
    isVisible = false;
}

void Font::LayoutText(const std::string& shown) {
    std::vector<float> vertices;
    vertices.reserve(shown.size() * 24);
    float penX = textPosX;
    float penY = textPosY;
    for (char c : shown) {
        if (c == '\n') {
            penY -= glyphs->lineHeight;
            penX = textPosX;
            continue;
        }
        auto found = glyphs->glyphs.find(c);
        if (found == glyphs->glyphs.end()) continue;
        const Character& glyph = found->second;
        if (glyph.texture != 0) {
            const float left = penX + glyph.bearingX;
            const float top = penY + glyph.bearingY;
            const float bottom = top - glyph.height;
            const float right = left + glyph.width;
            const float quad[24] = {left,  top, glyph.s0, glyph.t0, left, bottom, glyph.s0, glyph.t1,
                                    right, top, glyph.s1, glyph.t0, right, top,   glyph.s1, glyph.t0,
                                    left,  bottom, glyph.s0, glyph.t1, right, bottom, glyph.s1, glyph.t1};
            vertices.insert(vertices.end(), quad, quad + 24);
        }
        penX += static_cast<float>(glyph.advance >> 6);
    }
    if (vertices.empty()) return;
    // Every glyph lies on the font's one page: the whole text is one upload and one draw.
    glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    const size_t bytes = vertices.size() * sizeof(float);
    if (bytes > bufferBytes_) {
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(bytes), vertices.data(), GL_DYNAMIC_DRAW);
        bufferBytes_ = bytes;
    } else {
        glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(bytes), vertices.data());
    }
    glBindTexture(GL_TEXTURE_2D, glyphs->texture);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(vertices.size() / 4));
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

IGameComponent* Font::Clone() const {
    auto* copy = new Font();
    copy->glyphs = glyphs;
    copy->loaded = loaded;
    copy->text = text;
    copy->ttfFile = ttfFile;
    copy->textPosX = textPosX;
    copy->textPosY = textPosY;
    std::copy(rgba, rgba + 4, copy->rgba);
    copy->fontSize = fontSize;
    Copy4(matrix, copy->matrix);
    copy->pixelHeight = pixelHeight;
    copy->needsRefresh = needsRefresh;
    copy->isVisible = isVisible;
    return copy;
}

void Font::Unserialize(const json::Member& member) {
    const json::Value& object = member.value;
    if (!object.IsObject()) {
        DataProblems::Report("Font: the settings must be an object, not %s; defaults kept\n", json::TypeName(&object));
        return;
    }
    // Missing numbers read as 0; missing texts are kept.
    const json::MemberReader read(object, "Font");
    fontSize = read.Number("fontSize");
    read.String("text", text);
    textPosX = read.Number("textPosX");
    textPosY = read.Number("textPosY");
    const char* colour[] = {"red", "green", "blue", "alpha"};
    for (int i = 0; i < 4; ++i) rgba[i] = read.Number(colour[i]);
    read.String("ttfFile", ttfFile);
    Reload(ttfFile);
    if (fontSize > 0) SetFontSize(fontSize);
}

void Font::Serialize(json::Writer& writer) const {
    writer.StartObject();
    writer.Key("fontSize");
    writer.Double(fontSize);
    writer.Key("text");
    writer.String(text.c_str());
    writer.Key("textPosX");
    writer.Double(textPosX);
    writer.Key("textPosY");
    writer.Double(textPosY);
    const char* colour[] = {"red", "green", "blue", "alpha"};
    for (int i = 0; i < 4; ++i) {
        writer.Key(colour[i]);
        writer.Double(rgba[i]);
    }
    writer.Key("ttfFile");
    writer.String(ttfFile.c_str());
    writer.EndObject();
}
