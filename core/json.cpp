#include "core/json.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

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

}  // namespace json
