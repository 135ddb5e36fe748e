#include "sound_set.h"

#include <algorithm>

#include "effects.h"
#include "themes.h"

namespace {

SoundRecipe Recipe(const std::string& name, SoundType type, bool loop, const std::string& fileName,
                   std::function<std::vector<float>()> make) {
    return {{name, type, loop, "Resources/sfx/" + fileName}, fileName, std::move(make)};
}

}  // namespace

std::vector<SoundRecipe> GameSounds() {
    std::vector<SoundRecipe> sounds = {
        Recipe("MenuTheme", BGM, true, "menu_theme.wav", MenuTheme),
        Recipe("LevelTheme", BGM, true, "level_theme.wav", LevelTheme),
        Recipe("WinRedJingle", BGM, false, "win_red_jingle.wav", [] { return WinJingle(72); }),
        Recipe("WinBlueJingle", BGM, false, "win_blue_jingle.wav", [] { return WinJingle(67); }),
        Recipe("MenuMove", SFX, false, "menu_move.wav", MenuMove),
        Recipe("MenuConfirm", SFX, false, "menu_confirm.wav", MenuConfirm),
        Recipe("Jump", SFX, false, "jump.wav", Jump),
        Recipe("AttackHit", SFX, false, "attack_hit.wav", AttackHit),
        Recipe("SkillLady", SFX, false, "skill_lady.wav", SkillLady),
        Recipe("SkillBoxer", SFX, false, "skill_boxer.wav", SkillBoxer),
        Recipe("SkillNinja", SFX, false, "skill_ninja.wav", SkillNinja),
        Recipe("BallGrab", SFX, false, "ball_grab.wav", BallGrab),
        Recipe("BallThrow", SFX, false, "ball_throw.wav", BallThrow),
        Recipe("Respawn", SFX, false, "respawn.wav", Respawn),
        Recipe("SceneChange", SFX, false, "scene_change.wav", SceneChange),
    };
    // The game writes its list in name order at exit; so does this tool.
    std::sort(sounds.begin(), sounds.end(),
              [](const SoundRecipe& a, const SoundRecipe& b) { return a.entry.name < b.entry.name; });
    return sounds;
}
