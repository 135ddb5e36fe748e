#include "fuzz/json_mutator.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <rapidjson/writer.h>

#include "core/json.h"
#include "graph/node_type.h"

// libFuzzer's own mutation, for text this one cannot read.
extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace fuzz {
namespace {

using Random = std::minstd_rand;

size_t Below(Random& random, size_t count) { return count == 0 ? 0 : random() % count; }

// Edges of what the engine stores: counts, indices and positions in int, sizes in float.
constexpr double kNumbers[] = {0,          -1,          1,           2,        3,     7,     16,   255,
                               256,        65535,       65536,       1e6,      2e9,   -2e9,  1e18, 1e308,
                               -1e308,     1e-308,      0.5,         -0.5,     1e-7,  1e38,  3e38,
                               2147483647, -2147483648., 2147483648., 4294967295., 4294967296.};
// Variable types, object types, and the names of the objects on the level run target's stage.
const char* const kWords[] = {"int",    "double", "bool",     "string",  "Vec2",      "GameObject*",
                              "Default", "Player", "Ball",     "Attack",  "Platform",  "Start",
                              "LevelObj", "Ground", "Label",   "Firework", "Button",   "Pilot",
                              "LadyRed0", "",      "Resources/AI/Fuzz_AI.json"};

// Copying and writing a value recurse; the game reads no file nested deeper than this anyway.
constexpr size_t kMaxDepth = 128;

// Every value of the document, parents before their children, with the member names met.
struct Tree {
    std::vector<json::Value*> values;
    std::vector<size_t> depths;
    std::vector<std::string> names;
    std::vector<std::string> strings;
    size_t deepest = 0;
};

Tree Walk(json::Value& root) {
    Tree tree;
    tree.values.push_back(&root);
    tree.depths.push_back(0);
    for (size_t i = 0; i < tree.values.size(); ++i) {
        json::Value& value = *tree.values[i];
        const size_t depth = tree.depths[i];
        tree.deepest = std::max(tree.deepest, depth);
        if (value.IsObject()) {
            for (auto& member : value.GetObject()) {
                tree.names.emplace_back(member.name.GetString(), member.name.GetStringLength());
                tree.values.push_back(&member.value);
                tree.depths.push_back(depth + 1);
            }
        } else if (value.IsArray()) {
            for (auto& item : value.GetArray()) {
                tree.values.push_back(&item);
                tree.depths.push_back(depth + 1);
            }
        } else if (value.IsString()) {
            tree.strings.emplace_back(value.GetString(), value.GetStringLength());
        }
    }
    return tree;
}

std::string AnyNodeClass(Random& random) {
    const auto& table = NodeTypeTable();
    auto it = table.begin();
    std::advance(it, static_cast<long>(Below(random, table.size())));
    return it == table.end() ? std::string("DebugNode") : it->first;
}

std::string AnyString(Random& random, const Tree& tree) {
    switch (Below(random, 4)) {
        case 0: return AnyNodeClass(random);
        case 1: if (!tree.strings.empty()) return tree.strings[Below(random, tree.strings.size())]; break;
        case 2: if (!tree.names.empty()) return tree.names[Below(random, tree.names.size())]; break;
        default: break;
    }
    return kWords[Below(random, std::size(kWords))];
}

void SetNumber(json::Value& value, double number) {
    if (number > -9e18 && number < 9e18 && number == std::trunc(number)) {
        value.SetInt64(static_cast<int64_t>(number));
    } else {
        value.SetDouble(number);
    }
}

void ChangeNumber(json::Value& value, Random& random) {
    const double old = value.GetDouble();
    switch (Below(random, 4)) {
        case 0: SetNumber(value, -old); break;
        case 1: SetNumber(value, old + static_cast<double>(Below(random, 21)) - 10.0); break;
        case 2: SetNumber(value, old * 1000.0); break;
        default: SetNumber(value, kNumbers[Below(random, std::size(kNumbers))]); break;
    }
}

// An object loses a member or gains one, named like another member of the file (or as the
// next node number) and holding a copy of some value of the file.
void ChangeMembers(json::Value& object, json::Document& document, const Tree& tree, Random& random) {
    auto& allocator = document.GetAllocator();
    if (object.MemberCount() > 0 && Below(random, 2) == 0) {
        object.EraseMember(object.MemberBegin() + static_cast<long>(Below(random, object.MemberCount())));
        return;
    }
    const std::string name = Below(random, 2) == 0 && !tree.names.empty()
                                 ? tree.names[Below(random, tree.names.size())]
                                 : std::to_string(Below(random, 40));
    json::Value copy(*tree.values[Below(random, tree.values.size())], allocator);
    if (json::Value* existing = json::Find(object, name.c_str())) {
        *existing = copy;
    } else {
        object.AddMember(json::Value(name.c_str(), allocator), copy, allocator);
    }
}

// False when the document nests too deep to be changed safely.
bool MutateOnce(json::Document& document, Random& random) {
    const Tree tree = Walk(document);
    // A copy placed at the deepest point doubles the depth at most.
    if (tree.deepest > kMaxDepth / 2) return false;
    auto& allocator = document.GetAllocator();
    json::Value& target = *tree.values[Below(random, tree.values.size())];
    // Now and then a value of another type, or a copy of another part of the file.
    if (Below(random, 6) == 0) {
        json::Value copy(*tree.values[Below(random, tree.values.size())], allocator);
        target = copy;
        return true;
    }
    if (Below(random, 10) == 0) {
        SetNumber(target, kNumbers[Below(random, std::size(kNumbers))]);
        return true;
    }
    if (target.IsNumber()) {
        ChangeNumber(target, random);
    } else if (target.IsString()) {
        target.SetString(AnyString(random, tree).c_str(), allocator);
    } else if (target.IsBool()) {
        target.SetBool(!target.GetBool());
    } else if (target.IsObject()) {
        ChangeMembers(target, document, tree, random);
    } else if (target.IsArray() && !target.Empty()) {
        target.Erase(target.Begin() + static_cast<long>(Below(random, target.Size())));
    } else {
        target.SetString(AnyString(random, tree).c_str(), allocator);
    }
    return true;
}

}  // namespace

size_t MutateJson(uint8_t* data, size_t size, size_t maxSize, unsigned seed) {
    Random random(seed);
    if (Below(random, 5) == 0) return LLVMFuzzerMutate(data, size, maxSize);
    json::Document document;
    // Iterative: a fuzzed text may nest deeper than the stack allows a recursive parse.
    document.Parse<rapidjson::kParseIterativeFlag>(reinterpret_cast<const char*>(data), size);
    if (document.HasParseError()) return LLVMFuzzerMutate(data, size, maxSize);
    const size_t rounds = 1 + Below(random, 3);
    for (size_t i = 0; i < rounds; ++i) {
        if (!MutateOnce(document, random)) return LLVMFuzzerMutate(data, size, maxSize);
    }
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
    if (!document.Accept(writer) || buffer.GetSize() > maxSize) return LLVMFuzzerMutate(data, size, maxSize);
    std::memcpy(data, buffer.GetString(), buffer.GetSize());
    return buffer.GetSize();
}

}  // namespace fuzz
