#pragma once

#include <map>
#include <memory>
#include <string>

#include "graph/node.h"

// One prototype per built node class; graphs get their nodes by asking a prototype.
std::map<NODE_TYPE, std::unique_ptr<INode>>& NodePrototypes();
// The names graph files may use, each with the number of the class registered under it.
std::map<std::string, NODE_TYPE>& NodeTypesByName();

// Enters `prototype` under its own number and `name` under that number. A number registered
// already is left alone, and its name is not added either.
void AddPrototype(std::unique_ptr<INode> prototype, const std::string& name);

// Enters a prototype of T, named `name` in graph files.
template <class T>
void RegisterNode(const std::string& name) {
    AddPrototype(std::make_unique<T>(), name);
}

// Every class that exists. Defined with the node classes.
void RegisterAllNodes();
// A new node of `type`, owned by the caller; null when the class has no prototype.
INode* CreateNode(NODE_TYPE type);
// The number registered under a name (exact spelling); kUnknownNode when none is.
NODE_TYPE NodeTypeFromName(const std::string& name);
// Drops every prototype and every name: afterwards no name maps to a class.
void FreeNodePrototypes();
