#pragma once

#include <initializer_list>
#include <map>
#include <memory>
#include <string>

#include "graph/data_carrier.h"
#include "graph/node_type.h"
#include "graph/variable_store.h"

class AI_Component;
class BehaviourTree;

// One output: the index of the node that runs next in the same graph, -1 when unconnected.
struct OutNodeData {
    int target = -1;
    std::string name;
};

// One input: a variable, by type and index, in the running object's store or, when global,
// in the graph-wide store. Key -1 means unbound.
struct InputNodeData {
    bool isGlobal = false;
    unsigned valueType = VT_INVALID;
    int key = -1;
    std::string name;
};

struct InputSpec {
    const char* label;
    ValueType type;
};

// Base of every node class. A node's fields belong to its graph, so they are shared by every
// object that runs that graph; per-object state lives in the object's variables.
class INode {
public:
    INode(NODE_TYPE type, std::initializer_list<const char*> outputLabels, std::initializer_list<InputSpec> inputSpecs);
    INode(const INode&) = delete;
    INode& operator=(const INode&) = delete;
    virtual ~INode();

    // Runs this node and, through the output it takes, the rest of the chain. Returns the
    // chain's result: -1 at an unconnected output, 0 when a node stops.
    virtual int Execute(AI_Component* ctx) = 0;
    // A fresh, unwired node of the same class.
    virtual INode* Create() const = 0;
    virtual void SetData(DataTransBase* /*carrier*/) {}
    // Once per frame after every object ran: nodes that collect work post it here.
    virtual void EndFrame() {}

    // The variable bound to input `slot`, or null: undeclared or unbound slot, absent
    // variable, a type other than T, or a per-object slot without a running object.
    template <class T>
    InputNode<T>* GetInputVariable(int slot, AI_Component* ctx) const {
        auto it = inputs.find(slot);
        if (it == inputs.end()) return nullptr;
        return LookupVariableNode<T>(InputStore(it->second, ctx), it->second.valueType, it->second.key);
    }
    template <class T>
    T* GetInput(int slot, AI_Component* ctx) const {
        InputNode<T>* variable = GetInputVariable<T>(slot, ctx);
        return variable ? &variable->value : nullptr;
    }

    // The target of a declared output; -1 for an output the class does not have.
    int OutputTarget(int output) const;
    // Continues the chain through `output` and returns its result.
    int RunOutput(int output, AI_Component* ctx) const;

    // Hands `value` to the node at `targetNode` through this node's carrier `carrierKey`.
    // Nothing happens when there is no such node, or the carrier is missing or of another type.
    template <class T>
    void SendData(int targetNode, int carrierKey, const T& value) {
        INode* receiver = NodeAt(targetNode);
        auto it = data.find(carrierKey);
        if (!receiver || it == data.end()) return;
        auto* carrier = dynamic_cast<DataTrans<T>*>(it->second.get());
        if (!carrier) return;
        carrier->value = value;
        receiver->SetData(carrier);
    }
    template <class T>
    void AddCarrier(int output) {
        data[output] = std::make_unique<DataTrans<T>>();
    }

    NODE_TYPE type;
    BehaviourTree* owner = nullptr;
    int outputCount = 0;
    int inputCount = 0;
    std::map<int, OutNodeData> outputs;
    std::map<int, InputNodeData> inputs;
    std::map<int, std::unique_ptr<DataTransBase>> data;

private:
    const VariableStore* InputStore(const InputNodeData& input, AI_Component* ctx) const;
    INode* NodeAt(int index) const;
};

// The class's Create, written once.
template <class Derived>
class Node : public INode {
public:
    using INode::INode;
    INode* Create() const override { return new Derived(); }
};
