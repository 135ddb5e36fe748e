#pragma once

#include <map>
#include <memory>
#include <string>

#include "graph/node.h"

// One prototype per built node class; graphs get their nodes by asking a prototype.
std::map<NODE_TYPE, std::unique_ptr<INode>>& NodePrototypes();

// Enters a prototype of T under its own number; a class registered already is left alone.
template <class T>
void RegisterNode() {
    auto prototype = std::make_unique<T>();
    const NODE_TYPE type = prototype->type;
    NodePrototypes().emplace(type, std::move(prototype));
}

// Every class that exists. Defined with the node classes.
void RegisterAllNodes();
// A new node of `type`, owned by the caller; null when the class has no prototype.
INode* CreateNode(NODE_TYPE type);
// The number of a class name (exact spelling); kUnknownNode when no class has that name.
NODE_TYPE NodeTypeFromName(const std::string& name);
void FreeNodePrototypes();
