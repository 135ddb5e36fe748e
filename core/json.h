#pragma once

// The one way the engine includes RapidJSON: a missed type check aborts loudly instead of
// being undefined behaviour.
#include <cstddef>
#include <string>

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

}  // namespace json
