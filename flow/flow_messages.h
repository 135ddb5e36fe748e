#pragma once

#include <string>

#include "core/message.h"

// The wanted state travels in GameStateManager::requestedState, not in the message.
class ChangeLevelMessage : public MessageOf<ChangeLevelMessage, CHANGE_LEVEL> {};

// The wanted scene travels in GameStateManager::requestedScene.
class ChangeSceneMessage : public MessageOf<ChangeSceneMessage, CHANGE_SCENE> {};

class LevelStatusMessage : public MessageOf<LevelStatusMessage, LEVEL_STATUS> {
public:
    void Set(int newStatus, const std::string& newText) {
        status = newStatus;
        text = newText;
    }

    int status = 0;
    std::string text;
};
