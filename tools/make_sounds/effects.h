#pragma once

#include <vector>

// The short effects of menus and play.
std::vector<float> MenuMove();
std::vector<float> MenuConfirm();
std::vector<float> Jump();
std::vector<float> AttackHit();
std::vector<float> SkillLady();
std::vector<float> SkillBoxer();
std::vector<float> SkillNinja();
std::vector<float> BallGrab();
std::vector<float> BallThrow();
std::vector<float> Respawn();
std::vector<float> SceneChange();
