#include "tools/make_levels/level_description.h"

#include <filesystem>
#include <set>

#include "core/json_file.h"

namespace {

namespace fs = std::filesystem;
using Allocator = json::Document::AllocatorType;

// Objects merge member by member; anything else the override replaces whole.
void DeepMerge(json::Value& target, const json::Value& over, Allocator& allocator) {
    for (const auto& member : over.GetObject()) {
        json::Value* existing = json::Find(target, member.name.GetString());
        if (existing && existing->IsObject() && member.value.IsObject()) {
            DeepMerge(*existing, member.value, allocator);
        } else if (existing) {
            existing->CopyFrom(member.value, allocator);
        } else {
            target.AddMember(json::Value(member.name, allocator), json::Value(member.value, allocator), allocator);
        }
    }
}

std::string NameOf(const json::Value& object) {
    std::string name;
    json::GetString(json::Find(object, "Name"), name);
    return name;
}

// The objects of one shared piece with the entry's overrides merged in.
bool ExpandPiece(const json::Value& entry, const fs::path& templates, json::Value& objects, Allocator& allocator,
                 std::string& error) {
    std::string piece;
    json::GetString(json::Find(entry, "piece"), piece);
    const fs::path path = templates / (piece + ".json");
    // A mistyped piece must not leave an empty file behind.
    JsonFile file;
    if (!file.Read(path.string(), IfMissing::kRefuse)) return error = "no piece \"" + piece + "\"", false;
    // A piece lists its objects the way a level file does: each member is one object.
    objects.SetArray();
    for (const auto& object : file.Doc().GetObject()) objects.PushBack(json::Value(object.value, allocator), allocator);
    const json::Value* with = json::Find(entry, "with");
    if (!with) return true;
    if (!with->IsObject()) return error = "\"with\" of piece \"" + piece + "\" must be an object", false;
    for (const auto& over : with->GetObject()) {
        json::Value* target = nullptr;
        for (auto& object : objects.GetArray()) {
            if (object.IsObject() && NameOf(object) == over.name.GetString()) target = &object;
        }
        if (!target || !over.value.IsObject()) {
            return error = "piece \"" + piece + "\" has no object \"" + over.name.GetString() + "\" to override", false;
        }
        DeepMerge(*target, over.value, allocator);
    }
    return true;
}

bool AddObject(json::Value& level, json::Value& object, std::set<std::string>& names, Allocator& allocator,
               std::string& error) {
    const std::string name = object.IsObject() ? NameOf(object) : "";
    if (name.empty()) return error = "an object has no \"Name\"", false;
    if (!names.insert(name).second) return error = "object \"" + name + "\" is listed twice", false;
    level.AddMember(json::Value(name, allocator), object, allocator);
    return true;
}

bool BuildLevel(const json::Value& description, const fs::path& templates, json::Document& level,
                std::string& error) {
    Allocator& allocator = level.GetAllocator();
    const json::Value* settings = json::Find(description, "settings");
    const json::Value* objects = json::Find(description, "objects");
    if (!settings || !settings->IsObject()) return error = "no \"settings\" object", false;
    if (!objects || !objects->IsArray()) return error = "no \"objects\" list", false;
    level.SetObject();
    level.AddMember("LevelSettings", json::Value(*settings, allocator), allocator);
    std::set<std::string> names;
    for (const auto& entry : objects->GetArray()) {
        if (entry.IsObject() && json::Find(entry, "piece")) {
            json::Value expanded;
            if (!ExpandPiece(entry, templates, expanded, allocator, error)) return false;
            for (auto& object : expanded.GetArray()) {
                if (!AddObject(level, object, names, allocator, error)) return false;
            }
            continue;
        }
        json::Value object(entry, allocator);
        if (!AddObject(level, object, names, allocator, error)) return false;
    }
    return true;
}

}  // namespace

bool GenerateLevel(const std::string& descriptionPath, std::string& levelPath, std::string& text, std::string& error) {
    const auto fail = [&](const std::string& fault) { return error = descriptionPath + ": " + fault, false; };
    JsonFile description;
    if (!description.Read(descriptionPath, IfMissing::kRefuse)) {
        return fail(description.Missing() ? "no such file" : "not a JSON object");
    }
    if (!json::GetString(json::Find(description.Doc(), "level"), levelPath)) return fail("no \"level\" file named");
    json::Document level;
    const fs::path templates = fs::path(descriptionPath).parent_path() / "templates";
    if (!BuildLevel(description.Doc(), templates, level, error)) return fail(error);
    text = JsonFile::Serialise(level);
    return true;
}
