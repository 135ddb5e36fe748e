#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/data_problems.h"
#include "core/json.h"
#include "graph/node_type.h"
#include "graph/variable_store.h"

class AI_Component;
class INode;

// Node indices above this are typos, not graphs: a file cannot make a graph this large.
constexpr int kMaxNodeIndex = 65535;
// A chain this deep has looped back on itself; it ends there instead of exhausting the stack.
constexpr int kMaxChainDepth = 1024;

// Faults of graph data that show only while the graph runs. Each is told once per graph: the
// same fault would otherwise come back every frame, from every object running the graph.
enum class RunProblem { kChainCut, kShownPositionCut };

// One loaded graph: its nodes at their indices, the per-object variable template and the
// graph-wide variables.
class BehaviourTree {
public:
    BehaviourTree();
    ~BehaviourTree();
    BehaviourTree(const BehaviourTree&) = delete;
    BehaviourTree& operator=(const BehaviourTree&) = delete;

    // Builds the graph from a graph file's root; `file` names it in diagnostics.
    void Load(const json::Value& root, const std::string& file);
    // Null (and nothing changed) for a type without a class, or an index out of range. A node
    // already at `index` is replaced.
    INode* PlaceNode(NODE_TYPE type, int index);
    // -1 for -1, an index outside the graph or an empty place; else the node's result.
    int RunNode(int index, AI_Component* ctx);
    INode* NodeAt(int index) const;
    void SetName(const std::string& newName) { name = newName; }
    void EndFrame();
    // Prints `what` as one line naming this graph, the first time `problem` happens in it.
    void ReportOnce(RunProblem problem, const std::string& what);
    std::unique_ptr<VariableStore> CloneDefaultStore() const { return defaultStore->Clone(); }
    int NodeCount() const { return static_cast<int>(nodes.size()); }

    int rootNode = 0;
    std::string name;
    std::vector<std::unique_ptr<INode>> nodes;
    std::unique_ptr<VariableStore> defaultStore;
    std::unique_ptr<VariableStore> globalStore;

private:
    int depth_ = 0;
    DataProblems::Once told_;  // keyed by RunProblem
};
