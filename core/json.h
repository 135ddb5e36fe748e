#pragma once

// The one way the engine includes RapidJSON: a missed type check aborts loudly instead of
// being undefined behaviour.
#include <cstddef>
#include <string>
#include <utility>

namespace json {
[[noreturn]] void AssertFailed(const char* expression, const char* file, int line);
}

#ifndef RAPIDJSON_ASSERT
#define RAPIDJSON_ASSERT(x) ((x) ? (void)0 : ::json::AssertFailed(#x, __FILE__, __LINE__))
#endif
#ifndef RAPIDJSON_HAS_STDSTRING
#define RAPIDJSON_HAS_STDSTRING 1
#endif
#include <rapidjson/document.h>
#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>

namespace json {

using Value = rapidjson::Value;
using Document = rapidjson::Document;
using Member = rapidjson::Value::Member;
using Writer = rapidjson::PrettyWriter<rapidjson::StringBuffer>;

// Checked accessors. Each returns null or false when the value is absent or of another type,
// so loaders can skip what is wrong with a one-line diagnostic.
const Value* Find(const Value& object, const char* key);
Value* Find(Value& object, const char* key);
size_t MemberCount(const Value& object);
const Member* MemberAt(const Value& object, size_t position);

bool GetString(const Value* value, std::string& out);
bool GetDouble(const Value* value, double& out);
bool GetFloat(const Value* value, float& out);
bool GetInt(const Value* value, int& out);
bool GetUint(const Value* value, unsigned& out);
bool GetBool(const Value* value, bool& out);
// Only the literal true counts: false, 0 or the string "true" do not.
bool IsLiteralTrue(const Value* value);

// The type of a value in words, for diagnostics ("string", "object", ...).
const char* TypeName(const Value* value);

// A component's settings read member by member, as every loader reads them. A member of
// another type than the one wanted is told in one line that `owner` starts, saying what stands
// in its place:
//   Font: "textPosX" must be a number, not string; 0 used
//   Body of "Ball": "mass" must be a number, not string; kept 2
class MemberReader {
public:
    MemberReader(const Value& object, std::string owner) : object_(object), owner_(std::move(owner)) {}

    // Absent or of another type: 0.
    float Number(const char* key) const;
    int Integer(const char* key) const;
    // Absent, of another type or negative: 0.
    unsigned Unsigned(const char* key) const;
    // Absent or of another type: `field` keeps its value, which the line tells ("kept 2"), or
    // the words `kept` say what stays ("shape kept").
    void Number(const char* key, float& field) const;
    void Integer(const char* key, int& field, const char* kept) const;
    void String(const char* key, std::string& field) const;

private:
    void Tell(const char* key, const char* wanted, const Value& value, const char* instead) const;

    const Value& object_;
    std::string owner_;
};

}  // namespace json
