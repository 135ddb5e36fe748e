#include "graph/behaviour_tree_registry.h"

#include <filesystem>

#include "core/data_problems.h"
#include "core/message_prototypes.h"
#include "flow/flow_messages.h"

namespace {
// The level-status code that says the level's graphs are loaded.
constexpr int kGraphsLoaded = 3;
}  // namespace

BehaviourTreeRegistry::BehaviourTreeRegistry() : statusMessage_(CloneMessage<LevelStatusMessage>()) {}

BehaviourTreeRegistry::~BehaviourTreeRegistry() = default;

int BehaviourTreeRegistry::CreateTree(const std::string& name) {
    const int id = nextId_++;
    auto tree = std::make_unique<BehaviourTree>();
    tree->SetName(name);
    trees_[id] = std::move(tree);
    ids_[name] = id;
    return id;
}

int BehaviourTreeRegistry::FindIdByName(const std::string& name) const {
    auto it = ids_.find(name);
    return it == ids_.end() ? -1 : it->second;
}

BehaviourTree* BehaviourTreeRegistry::FindById(int id) const {
    auto it = trees_.find(id);
    return it == trees_.end() ? nullptr : it->second.get();
}

BehaviourTree* BehaviourTreeRegistry::FindByName(const std::string& name) const {
    return FindById(FindIdByName(name));
}

std::string BehaviourTreeRegistry::GetName(int id) const {
    BehaviourTree* tree = FindById(id);
    return tree ? tree->name : std::string();
}

void BehaviourTreeRegistry::EndFrame() {
    for (auto& [id, tree] : trees_) tree->EndFrame();
}

void BehaviourTreeRegistry::Clear() {
    trees_.clear();
    ids_.clear();
}

std::string TreeNameFromPath(const std::string& path) {
    const std::string file = std::filesystem::path(path).filename().string();
    return file.substr(0, file.find('.'));
}

bool BehaviourTreeRegistry::LoadGraphFile(const std::string& path) {
    DataProblems::Reading reading(path);
    // A listed graph that is not there is a fault to report, not a file to make.
    if (!graphFile_.Read(path, IfMissing::kRefuse)) {
        if (graphFile_.Missing()) DataProblems::Report("%s: graph file not found; skipped\n", path.c_str());
        return false;  // else the reader has named the file and the fault
    }
    const json::Document& root = graphFile_.Doc();
    int rootId = 0;
    const json::Value* nodes = json::Find(root, "Nodes");
    if (!json::GetInt(json::Find(root, "RootNodeId"), rootId) || !nodes || !nodes->IsObject()) {
        DataProblems::Report("%s: a graph file needs an integer \"RootNodeId\" and an object \"Nodes\"; skipped\n",
                             path.c_str());
        return false;
    }
    FindById(CreateTree(TreeNameFromPath(path)))->Load(root, path);
    graphFile_.Write(path);
    return true;
}

void BehaviourTreeRegistry::LoadFiles(const std::string& listPath) {
    DataProblems::Reading reading(listPath);
    JsonFile list;
    const bool listRead = list.Read(listPath, IfMissing::kCreateEmpty);
    if (listRead) {
        for (const auto& member : list.Doc().GetObject()) {
            std::string path;
            if (!json::GetString(&member.value, path)) {
                DataProblems::Report("%s: \"%s\" must name a graph file as a string; skipped\n", listPath.c_str(),
                                     member.name.GetString());
                continue;
            }
            LoadGraphFile(path);
        }
        list.Write(listPath);
    }
    statusMessage_->Set(kGraphsLoaded, listPath);
    statusMessage_->Post();
}
