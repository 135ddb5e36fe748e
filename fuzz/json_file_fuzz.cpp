// The reader under every data file: whatever it accepts, it writes in a layout that reads back
// to the same text, and every number it accepts is the number its literal says (std::strtod's
// reading, or the integer itself), kept to the bit through a write and a read.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/json_file.h"
#include "fuzz/fuzz_support.h"

namespace {

[[noreturn]] void Finding(const char* what, const std::string& literal) {
    std::fprintf(stderr, "fuzz: %s: %s\n", what, literal.c_str());
    std::abort();
}

// Where the number literals of a text stand, in order, and their lengths: the runs of number
// characters outside strings.
std::vector<std::pair<size_t, size_t>> Literals(const std::string& text) {
    std::vector<std::pair<size_t, size_t>> literals;
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\') ++i;
            else if (c == '"') inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            const size_t end = std::min(text.find_first_not_of("0123456789+-.eE", i), text.size());
            literals.emplace_back(i, end - i);
            i = end - 1;
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

// A literal of any shape: a sign, up to 30 digits with or without a point, and an exponent that
// puts its value, most of the time, near the smallest double or the largest, as a designer's
// slip or a generator's rounding might.
std::string RandomLiteral(std::minstd_rand& random) {
    const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::string literal = below(4) == 0 ? "-" : "";
    const int digits = 1 + below(30);
    const int point = below(2) ? 1 + below(digits) : digits;
    for (int i = 0; i < digits; ++i) {
        if (i == point) literal += '.';
        literal += static_cast<char>('0' + (i == 0 && point > 1 ? 1 + below(9) : below(10)));
    }
    // The value is below 10 to the power of `order`.
    const int order = below(3) == 0 ? below(700) - 370 : below(2) ? below(46) - 345 : below(23) + 290;
    if (below(8)) literal += (below(2) ? "e" : "E") + std::to_string(order - point);
    return literal;
}

}  // namespace

// Byte flips seldom make a literal that reaches a double's ends: half the time one literal of
// the input is replaced by one of any shape.
extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);
extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed) {
    std::minstd_rand random(seed);
    std::string text = fuzz::Text(data, size);
    const auto literals = Literals(text);
    if (literals.empty() || random() % 2) return LLVMFuzzerMutate(data, size, maxSize);
    const auto [at, length] = literals[random() % literals.size()];
    text.replace(at, length, RandomLiteral(random));
    if (text.size() > maxSize) return LLVMFuzzerMutate(data, size, maxSize);
    std::memcpy(data, text.data(), text.size());
    return text.size();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzz::Text(data, size);
    JsonFile file;
    if (!file.Parse(text, "fuzz.json")) return 0;
    std::vector<const json::Value*> numbers;
    Numbers(file.Doc(), numbers);
    std::vector<std::string> literals;
    for (const auto& [at, length] : Literals(text)) literals.push_back(text.substr(at, length));
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
