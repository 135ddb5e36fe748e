// The reader under every data file: whatever it accepts, it writes in a layout that reads back
// to the same text, and every number it accepts is the number its literal says (std::strtod's
// reading, or the integer itself), kept to the bit through a write and a read.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/json_file.h"
#include "fuzz/fuzz_support.h"

namespace {

[[noreturn]] void Finding(const char* what, const std::string& literal) {
    std::fprintf(stderr, "fuzz: %s: %s\n", what, literal.c_str());
    std::abort();
}

// The number literals of a text the reader accepted, in the order they stand: the runs of
// number characters outside strings.
std::vector<std::string> Literals(const std::string& text) {
    std::vector<std::string> literals;
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\') ++i;
            else if (c == '"') inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            const size_t end = text.find_first_not_of("0123456789+-.eE", i);
            literals.push_back(text.substr(i, end - i));
            i = end == std::string::npos ? text.size() : end - 1;
        }
    }
    return literals;
}

void Numbers(const json::Value& value, std::vector<const json::Value*>& out) {
    if (value.IsObject()) {
        for (const auto& member : value.GetObject()) Numbers(member.value, out);
    } else if (value.IsArray()) {
        for (const auto& element : value.GetArray()) Numbers(element, out);
    } else if (value.IsNumber()) {
        out.push_back(&value);
    }
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void RequireReadAsWritten(const json::Value& number, const std::string& literal) {
    const bool integral = literal.find_first_of(".eE") == std::string::npos;
    if (number.IsInt64()) {
        const int64_t value = number.GetInt64();
        if (!integral || (std::to_string(value) != literal && !(literal == "-0" && value == 0))) {
            Finding("an integer read as another", literal);
        }
    } else if (number.IsUint64()) {
        if (!integral || std::to_string(number.GetUint64()) != literal) Finding("an integer read as another", literal);
    } else if (!SameBits(number.GetDouble(), std::strtod(literal.c_str(), nullptr))) {
        Finding("a number read as another", literal);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzz::Text(data, size);
    JsonFile file;
    if (!file.Parse(text, "fuzz.json")) return 0;
    std::vector<const json::Value*> numbers;
    Numbers(file.Doc(), numbers);
    const std::vector<std::string> literals = Literals(text);
    if (numbers.size() != literals.size()) Finding("numbers and literals differ in count", std::to_string(numbers.size()));
    for (size_t i = 0; i < numbers.size(); ++i) RequireReadAsWritten(*numbers[i], literals[i]);

    const std::string written = JsonFile::Serialise(file.Doc());
    JsonFile again;
    if (!again.Parse(written, "fuzz.json") || JsonFile::Serialise(again.Doc()) != written) {
        Finding("a written file does not read back as written", "");
    }
    std::vector<const json::Value*> reread;
    Numbers(again.Doc(), reread);
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i]->IsDouble() != reread[i]->IsDouble() ||
            (numbers[i]->IsDouble() && !SameBits(numbers[i]->GetDouble(), reread[i]->GetDouble()))) {
            Finding("a number changed through a write and a read", literals[i]);
        }
    }
    return 0;
}
