#include "audio/sound_list.h"

#include "core/data_problems.h"

namespace {

// Why an entry cannot be used, or null when it can.
const char* EntryFault(const json::Value& value, SoundEntry& entry) {
    if (!value.IsObject()) return "it is not an object";
    if (json::MemberCount(value) < 4) return "it needs a name, a type, a loop flag and a path, in that order";
    if (!json::GetString(&json::MemberAt(value, 0)->value, entry.name)) return "its first member, the name, is not a string";
    std::string type;
    if (!json::GetString(&json::MemberAt(value, 1)->value, type)) return "its second member, the type, is not a string";
    if (!json::GetString(&json::MemberAt(value, 3)->value, entry.path)) return "its fourth member, the path, is not a string";
    entry.type = type == "BGM" ? BGM : SFX;
    entry.loop = json::IsLiteralTrue(&json::MemberAt(value, 2)->value);
    return nullptr;
}

}  // namespace

bool ReadSoundList(const json::Value& root, const std::string& file, std::vector<SoundEntry>& entries) {
    DataProblems::Reading reading(file);
    bool intact = true;
    for (size_t i = 0; i < json::MemberCount(root); ++i) {
        const json::Member* member = json::MemberAt(root, i);
        SoundEntry entry;
        if (const char* fault = EntryFault(member->value, entry)) {
            DataProblems::Report("%s: sound entry \"%s\" skipped: %s\n", file.c_str(), member->name.GetString(), fault);
            intact = false;
            continue;
        }
        entries.push_back(std::move(entry));
    }
    return intact;
}

void WriteSoundList(const std::vector<SoundEntry>& entries, json::Document& document) {
    auto& allocator = document.GetAllocator();
    document.SetObject();
    for (size_t n = 0; n < entries.size(); ++n) {
        const SoundEntry& entry = entries[n];
        json::Value sound(rapidjson::kObjectType);
        sound.AddMember("Name", json::Value(entry.name, allocator), allocator);
        sound.AddMember("Type", json::Value(entry.type == BGM ? "BGM" : "SFX", allocator), allocator);
        sound.AddMember("Loop", json::Value(entry.loop), allocator);
        sound.AddMember("Path", json::Value(entry.path, allocator), allocator);
        document.AddMember(json::Value("Sound File " + std::to_string(n), allocator), sound, allocator);
    }
}
