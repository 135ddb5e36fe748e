#pragma once

#include <string>

#include "core/json.h"

class VariableStore;

// Adds the variables of the store object under `key` in `parent` (nothing when absent).
// Broken entries are skipped with one line naming `source`.
void ReadVariableStore(const json::Value& parent, VariableStore* store, const std::string& key,
                       const std::string& source = "");

// Fills `out` (made an object here) with the store's variables, types in code order and
// variables in index order, in the layout the reader takes.
void WriteVariableStore(json::Value& out, json::Document::AllocatorType& allocator, const VariableStore* store);
