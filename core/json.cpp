#include "core/json.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "core/data_problems.h"

namespace json {

void AssertFailed(const char* expression, const char* file, int line) {
    std::fprintf(stderr, "JSON access without a check: %s (%s:%d)\n", expression, file, line);
    std::abort();
}

const Value* Find(const Value& object, const char* key) {
    if (!object.IsObject()) return nullptr;
    auto it = object.FindMember(key);
    return it == object.MemberEnd() ? nullptr : &it->value;
}

Value* Find(Value& object, const char* key) {
    if (!object.IsObject()) return nullptr;
    auto it = object.FindMember(key);
    return it == object.MemberEnd() ? nullptr : &it->value;
}

size_t MemberCount(const Value& object) {
    return object.IsObject() ? object.MemberCount() : 0;
}

const Member* MemberAt(const Value& object, size_t position) {
    if (position >= MemberCount(object)) return nullptr;
    return &*(object.MemberBegin() + static_cast<rapidjson::SizeType>(position));
}

bool GetString(const Value* value, std::string& out) {
    if (!value || !value->IsString()) return false;
    out.assign(value->GetString(), value->GetStringLength());
    return true;
}

bool GetDouble(const Value* value, double& out) {
    if (!value || !value->IsNumber()) return false;
    out = value->GetDouble();
    return true;
}

bool GetFloat(const Value* value, float& out) {
    double d = 0;
    if (!GetDouble(value, d)) return false;
    out = static_cast<float>(d);
    return true;
}

bool GetInt(const Value* value, int& out) {
    if (!value || !value->IsNumber()) return false;
    if (value->IsInt()) {
        out = value->GetInt();
        return true;
    }
    double d = value->GetDouble();
    if (!std::isfinite(d) || d < std::numeric_limits<int>::min() || d > std::numeric_limits<int>::max()) return false;
    out = static_cast<int>(d);
    return true;
}

bool GetUint(const Value* value, unsigned& out) {
    if (!value || !value->IsUint()) return false;
    out = value->GetUint();
    return true;
}

bool GetBool(const Value* value, bool& out) {
    if (!value || !value->IsBool()) return false;
    out = value->GetBool();
    return true;
}

bool IsLiteralTrue(const Value* value) {
    return value && value->IsTrue();
}

const char* TypeName(const Value* value) {
    if (!value) return "nothing";
    switch (value->GetType()) {
        case rapidjson::kNullType: return "null";
        case rapidjson::kFalseType:
        case rapidjson::kTrueType: return "bool";
        case rapidjson::kObjectType: return "object";
        case rapidjson::kArrayType: return "array";
        case rapidjson::kStringType: return "string";
        case rapidjson::kNumberType: return "number";
    }
    return "unknown";
}

namespace {
// The member under `key` when it is there but `read` cannot take it; null when it is absent or
// was read into `field`.
template <class T>
const Value* Mistyped(const Value& object, const char* key, T& field, bool (*read)(const Value*, T&)) {
    const Value* value = Find(object, key);
    return value && !read(value, field) ? value : nullptr;
}
}  // namespace

float MemberReader::Number(const char* key) const {
    float result = 0;
    if (const Value* wrong = Mistyped(object_, key, result, GetFloat)) Tell(key, "a number", *wrong, "0 used");
    return result;
}

int MemberReader::Integer(const char* key) const {
    int result = 0;
    if (const Value* wrong = Mistyped(object_, key, result, GetInt)) Tell(key, "an integer", *wrong, "0 used");
    return result;
}

unsigned MemberReader::Unsigned(const char* key) const {
    const int value = Integer(key);
    if (value >= 0) return static_cast<unsigned>(value);
    DataProblems::Report("%s: \"%s\" must not be negative; 0 used\n", owner_.c_str(), key);
    return 0;
}

void MemberReader::Number(const char* key, float& field) const {
    if (const Value* wrong = Mistyped(object_, key, field, GetFloat)) {
        char kept[48];
        std::snprintf(kept, sizeof kept, "kept %g", field);
        Tell(key, "a number", *wrong, kept);
    }
}

void MemberReader::Integer(const char* key, int& field, const char* kept) const {
    if (const Value* wrong = Mistyped(object_, key, field, GetInt)) Tell(key, "an integer", *wrong, kept);
}

void MemberReader::String(const char* key, std::string& field) const {
    if (const Value* wrong = Mistyped(object_, key, field, GetString)) {
        Tell(key, "a string", *wrong, ("kept as \"" + field + "\"").c_str());
    }
}

void MemberReader::Tell(const char* key, const char* wanted, const Value& value, const char* instead) const {
    DataProblems::Report("%s: \"%s\" must be %s, not %s; %s\n", owner_.c_str(), key, wanted, TypeName(&value),
                         instead);
}

}  // namespace json
