#include "core/json_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <rapidjson/error/en.h>

namespace {

// Our deepest file nests 7 levels. The parser recurses once per level, and a file nested a
// million deep would overflow the stack before any error could be reported.
constexpr int kMaxNesting = 128;
constexpr const char* kTooDeep = "nested deeper than 128 levels";
// RapidJSON's full-precision reader crashes on some literals with many digits whose value lies
// below the smallest double; no number of ours comes near either limit.
constexpr int kMaxDigits = 64;
constexpr int kMinDecimalOrder = -324;
// A value of 0.D x 10^309 with D at least these digits rounds beyond the largest double
// (1.7976931348623157e308). The parser must never see one: it reads some as infinity, which its
// writer cannot write back (the file would be cut short there), and crashes on others.
constexpr int kMaxDecimalOrder = 309;
constexpr const char* kLargestDigits = "17976931348623158";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The digits with zeros after them up to the length of the largest double's.
std::string Padded(std::string digits) {
    digits.resize(std::char_traits<char>::length(kLargestDigits), '0');
    return digits;
}

// Reads the number literal starting at text[i] (a digit) and leaves i on its last character.
// Returns what makes it unsafe for the parser, or null.
const char* NumberProblem(const std::string& text, size_t& i) {
    int digits = 0, fractionDigits = 0, integerSignificant = 0, leadingFractionZeros = 0;
    bool fraction = false, nonZero = false;
    std::string leading;  // the first significant digits, to compare with the largest double's
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !fraction) {
            fraction = true;
            continue;
        }
        if (!IsDigit(c)) break;
        ++digits;
        if (fraction) ++fractionDigits;
        nonZero = nonZero || c != '0';
        if (nonZero && leading.size() < std::char_traits<char>::length(kLargestDigits)) leading += c;
        if (!fraction && nonZero) ++integerSignificant;
        if (fraction && !nonZero) ++leadingFractionZeros;
    }
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        const bool negative = j < text.size() && text[j] == '-';
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
        for (; j < text.size() && IsDigit(text[j]); ++j) exponent = std::min(exponent * 10 + (text[j] - '0'), 100000L);
        if (negative) exponent = -exponent;
        i = j;
    }
    --i;
    if (digits > kMaxDigits) return "a number with too many digits";
    // The value is below 10 to the power of `order`.
    const long order = (integerSignificant > 0 ? integerSignificant : -leadingFractionZeros) + exponent;
    if (nonZero && order < kMinDecimalOrder) return "a number too small to hold";
    if (nonZero && (order > kMaxDecimalOrder || (order == kMaxDecimalOrder && Padded(leading) >= kLargestDigits))) {
        return "a number too large to hold";
    }
    // A zero whose scale is beyond the reader's fast path reaches code that is undefined for 0.
    const long scale = exponent - fractionDigits;
    if (!nonZero && (scale < -22 || scale > 37)) return "a zero written with too many digits";
    return nullptr;
}

// What makes the text unsafe to hand to the parser, or null when nothing does.
const char* UnsafeForParser(const std::string& text) {
    int depth = 0;
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\') ++i;
            else if (c == '"') inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (IsDigit(c)) {
            if (const char* problem = NumberProblem(text, i)) return problem;
        } else if (c == '{' || c == '[') {
            if (++depth > kMaxNesting) return kTooDeep;
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
    return nullptr;
}

// RapidJSON reads some literals just below the smallest double as NaN, which its writer cannot
// write back: the file would be cut short at that number. (Those beyond the largest double
// never reach it.)
bool HoldsNaN(const json::Value& value) {
    if (value.IsDouble()) return std::isnan(value.GetDouble());
    if (value.IsArray()) return std::any_of(value.Begin(), value.End(), [](const json::Value& item) { return HoldsNaN(item); });
    if (value.IsObject()) {
        return std::any_of(value.MemberBegin(), value.MemberEnd(), [](const auto& member) { return HoldsNaN(member.value); });
    }
    return false;
}

// True when the file at `path` already holds exactly `text`.
bool HoldsExactly(const std::string& path, const std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) return false;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return content == text;
}

}  // namespace

bool JsonFile::Read(const std::string& path, IfMissing ifMissing) {
    failed_ = true;
    missing_ = false;
    document_.SetObject();
    text_.clear();
    // Opened for reading only: a file the player may read but not write (an installed game) is
    // still read, and only its write-back fails.
    std::error_code error;
    std::ifstream stream;
    if (!std::filesystem::is_directory(path, error)) stream.open(path, std::ios::in | std::ios::binary);
    if (!stream.is_open()) {
        const bool missing = !std::filesystem::exists(path, error) && !error;
        missing_ = missing && ifMissing == IfMissing::kRefuse;
        if (missing_) return false;
        // A missing data file is created empty and read as "{}": stored data and the tools count
        // on it. Without a word the game would show empty menus and nobody would know why.
        if (!missing || !std::ofstream(path, std::ios::app | std::ios::binary).is_open()) {
            std::printf("%s: cannot open or create the file\n", path.c_str());
            return false;
        }
        told_.Report(path + ": empty", "%s: missing; created empty\n", path.c_str());
        return Parse("{}", path);
    }
    std::string content((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    if (!Parse(content.empty() ? std::string("{}") : content, path)) return false;
    // None of the game's data is ever empty: a file left so (created empty on an earlier start,
    // or emptied by hand) is told on every start, not only the one that created it.
    if (document_.ObjectEmpty()) told_.Report(path + ": empty", "%s: empty; read as {}\n", path.c_str());
    return true;
}

bool JsonFile::Reject(const std::string& name, const std::string& problem) {
    std::printf("%s: %s\n", name.c_str(), problem.c_str());
    document_.SetObject();
    return false;
}

bool JsonFile::Parse(const std::string& text, const std::string& name) {
    text_ = text;
    failed_ = true;
    // A document keeps the memory of every text it parsed until it is destroyed: start from a
    // fresh one, or a file read again and again (a level at each change) grows without end.
    json::Document().Swap(document_);
    if (const char* problem = UnsafeForParser(text_)) return Reject(name, std::string(problem) + "; not read");
    document_.Parse<rapidjson::kParseFullPrecisionFlag>(text_.c_str(), text_.size());
    if (document_.HasParseError()) {
        return Reject(name, std::string("not valid JSON (") + rapidjson::GetParseError_En(document_.GetParseError()) +
                                " at offset " + std::to_string(document_.GetErrorOffset()) + ")");
    }
    if (!document_.IsObject()) return Reject(name, "the top level must be a JSON object");
    if (HoldsNaN(document_)) return Reject(name, "a number too small to hold; not read");
    failed_ = false;
    return true;
}

std::string JsonFile::Serialise(const json::Value& value) {
    rapidjson::StringBuffer buffer;
    json::Writer writer(buffer);
    writer.SetIndent(' ', 4);
    value.Accept(writer);
    std::string text(buffer.GetString(), buffer.GetSize());
    text += '\n';
    return text;
}

bool JsonFile::Write(const std::string& path) const {
    if (failed_ || !document_.IsObject()) return false;
    const std::string text = Serialise(document_);
    // Most loads write back the very bytes they read; creating and renaming a file for nothing
    // is most of a level change on a busy disk.
    if (HoldsExactly(path, text)) return true;
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::out | std::ios::trunc | std::ios::binary);
        if (!out.is_open()) {
            WriteFailed(path, "cannot write the file");
            return false;
        }
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!out.good()) {
            WriteFailed(path, "writing failed");
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        WriteFailed(path, "cannot replace the file");
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

void JsonFile::WriteFailed(const std::string& path, const char* why) const {
    // A level is written back at every load and the sound list twice a run: on a folder the
    // player cannot write, one line per file says it all.
    told_.Report(path + ": write", "%s: %s\n", path.c_str(), why);
}
