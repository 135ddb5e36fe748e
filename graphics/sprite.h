#pragma once

#include "core/game_component.h"
#include "graphics/sprite_state.h"

// What an object looks like: a flat colour or one cell of a sprite sheet, stepping through the
// sheet's animation once per drawn frame. Every live sprite is drawn by the renderer in the
// order the sprites were made.
class Sprite : public IGameComponent {
public:
    Sprite();
    ~Sprite() override;
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    // Back to a plain white untextured quad; position, size and rotation stay.
    void Initialize() override;
    IGameComponent* Clone() const override;
    void Unserialize(const json::Member& member) override;
    void Serialize(json::Writer& writer) const override;

    // Shows texture `id` from its first animation; an id naming no texture changes nothing.
    void SetTexture(unsigned id);
    // One drawn frame of the current animation.
    void StepAnimation();
    // The model matrix from the sprite's own position, size, scale and rotation: what physics
    // sets every frame for objects with a body.
    void UpdateTransform();

    SpriteState state;
    float rotation = 0;  // degrees
    float x = 0;
    float y = 0;
    float width = 32;
    float height = 32;
    float scaleX = 1;
    float scaleY = 1;
};
