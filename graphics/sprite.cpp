#include "graphics/sprite.h"

#include "core/data_problems.h"
#include "graphics/graphic_gl.h"
#include "graphics/matrix_math.h"
#include "graphics/texture_manager.h"

Sprite::Sprite() : IGameComponent(SPRITE) {
    if (GraphicGL* renderer = FindRenderer()) renderer->AddSprite(this);
}

Sprite::~Sprite() {
    if (GraphicGL* renderer = FindRenderer()) renderer->RemoveSprite(this);
}

void Sprite::Initialize() { state = SpriteState(); }

IGameComponent* Sprite::Clone() const {
    auto* copy = new Sprite();
    copy->state = state;
    copy->x = x;
    copy->y = y;
    copy->width = width;
    copy->height = height;
    copy->rotation = rotation;
    return copy;
}

void Sprite::SetTexture(unsigned id) {
    const TextureData* texture = TextureManager::GetInstance().Find(id);
    if (!texture) return;
    state.u = texture->u;
    state.v = texture->v;
    state.textureId = id;
    state.animId = 0;
}

void Sprite::StepAnimation() {
    if (state.textureId == 0) return;
    const TextureData* texture = TextureManager::GetInstance().Find(state.textureId);
    if (!texture || state.animId >= texture->animations.size()) return;
    const AnimData* animation = texture->animations[state.animId].get();
    if (!animation) return;
    if (state.currentFrame < animation->startFrm || state.currentFrame > animation->endFrm) {
        state.currentFrame = animation->startFrm;
    }
    ++state.frameTick;
    if (state.frameTick >= animation->frmTimer) {
        state.frameTick = 0;
        state.currentFrame = state.currentFrame >= animation->endFrm ? animation->startFrm : state.currentFrame + 1;
    }
}

void Sprite::UpdateTransform() {
    BuildModelMatrix(state.transform, x, y, width * scaleX * 0.5f, height * scaleY * 0.5f, rotation);
}

void Sprite::Unserialize(const json::Member& member) {
    if (!member.value.IsObject()) {
        DataProblems::Report("Sprite: the settings must be an object, not %s; defaults kept\n",
                             json::TypeName(&member.value));
        return;
    }
    // Missing keys read as 0 or false, as the level files expect.
    const json::MemberReader read(member.value, "Sprite");
    const auto flag = [&member](const char* key) { return json::IsLiteralTrue(json::Find(member.value, key)); };
    state.textureId = read.Unsigned("textureId");
    if (state.textureId != 0) SetTexture(state.textureId);
    state.meshType = read.Integer("meshType");
    state.animId = read.Unsigned("animId");
    state.isDebug = flag("isDebug");
    state.isTexture = flag("isTexture");
    active = flag("isActive");
    const char* colour[] = {"red", "green", "blue", "alpha"};
    for (int i = 0; i < 4; ++i) state.rgba[i] = read.Number(colour[i]);
    x = read.Number("x");
    y = read.Number("y");
    state.v = read.Number("v");
    state.u = read.Number("u");
    width = read.Number("width");
    height = read.Number("height");
    rotation = read.Number("rotation");
    // Objects without a body show where their file puts them; physics takes over for the rest.
    UpdateTransform();
}

void Sprite::Serialize(json::Writer& writer) const {
    writer.StartObject();
    writer.Key("textureId");
    writer.Uint(state.textureId);
    writer.Key("meshType");
    writer.Int(state.meshType);
    writer.Key("animId");
    writer.Uint(state.animId);
    writer.Key("isDebug");
    writer.Bool(state.isDebug);
    writer.Key("isTexture");
    writer.Bool(state.isTexture);
    writer.Key("isActive");
    writer.Bool(active);
    const char* colour[] = {"red", "green", "blue", "alpha"};
    for (int i = 0; i < 4; ++i) {
        writer.Key(colour[i]);
        writer.Double(state.rgba[i]);
    }
    const std::pair<const char*, float> numbers[] = {{"width", width}, {"height", height}, {"u", state.u},
                                                     {"v", state.v},   {"x", x},           {"y", y},
                                                     {"rotation", rotation}};
    for (const auto& [key, value] : numbers) {
        writer.Key(key);
        writer.Double(value);
    }
    writer.EndObject();
}
