#pragma once

#include <map>
#include <memory>
#include <string>

#include "core/json_file.h"
#include "graph/behaviour_tree.h"

class LevelStatusMessage;

// The graphs of the current level, by id and by name. Ids keep counting over the whole run.
class BehaviourTreeRegistry {
public:
    BehaviourTreeRegistry();
    ~BehaviourTreeRegistry();

    // A new empty graph; a later graph with the same name takes the name over.
    int CreateTree(const std::string& name);
    int FindIdByName(const std::string& name) const;
    BehaviourTree* FindByName(const std::string& name) const;
    BehaviourTree* FindById(int id) const;
    std::string GetName(int id) const;
    void EndFrame();
    void Clear();
    // Loads every graph named by the list file, rewrites each graph that loaded and the list
    // in the program's layout, and posts a level status. Missing, broken or incomplete graph
    // files are skipped with one line naming them and are never rewritten.
    void LoadFiles(const std::string& listPath);

    const std::map<int, std::unique_ptr<BehaviourTree>>& Trees() const { return trees_; }

private:
    bool LoadGraphFile(const std::string& path);

    LevelStatusMessage* statusMessage_ = nullptr;
    int nextId_ = 0;
    JsonFile graphFile_;
    std::map<int, std::unique_ptr<BehaviourTree>> trees_;
    std::map<std::string, int> ids_;
};

// A graph's name: the file name without folders, cut before its first ".".
std::string TreeNameFromPath(const std::string& path);
