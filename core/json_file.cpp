#include "core/json_file.h"

#include <algorithm>
#include <charconv>
#include <locale.h>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <rapidjson/error/en.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

namespace {

// Our deepest file nests 7 levels. The parser recurses once per level, and a file nested a
// million deep would overflow the stack before any error could be reported.
constexpr int kMaxNesting = 128;
constexpr const char* kTooDeep = "nested deeper than 128 levels";
constexpr const char* kTooLarge = "a number too large to hold";
// A byte order mark some editors put before the text; it is read past, and not written back.
constexpr const char kByteOrderMark[] = "\xEF\xBB\xBF";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the JSON number literal at text[i], or 0 when what stands there is not one (the
// parser then says where).
size_t LiteralLength(const std::string& text, size_t i) {
    size_t j = i;
    const auto digits = [&] {
        const size_t first = j;
        while (j < text.size() && IsDigit(text[j])) ++j;
        return j > first;
    };
    if (text[j] == '-') ++j;
    if (j < text.size() && text[j] == '0') ++j;
    else if (!digits()) return 0;
    if (j < text.size() && text[j] == '.' && (++j, !digits())) return 0;
    if (j < text.size() && (text[j] == 'e' || text[j] == 'E')) {
        if (++j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (!digits()) return 0;
    }
    return j - i;
}

// RapidJSON must not read the numbers: its conversion reads some literals as other numbers
// (1e-325 as a huge negative one), crashes on some, and refuses others it calls too big (0e400,
// a long integer part before a negative exponent). So the parser is given the text with every
// number literal outside strings replaced by a 0 padded with spaces, its offsets still true,
// and the literals are kept aside, in order, for the handler below to read.
struct MaskedText {
    std::string text;
    // Where each literal stands in the text, and its length.
    std::vector<std::pair<size_t, size_t>> literals;
};

MaskedText MaskNumbers(const std::string& text, size_t from) {
    MaskedText masked{text.substr(from), {}};
    std::string& out = masked.text;
    bool inString = false;
    for (size_t i = 0; i < out.size(); ++i) {
        const char c = out[i];
        if (inString) {
            if (c == '\\') ++i;
            else if (c == '"') inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '-' || IsDigit(c)) {
            // A run of number characters that is not one literal is left for the parser to
            // refuse: masking a part of it ("-1" of "--1") could make it read as good.
            const size_t length = std::min(out.find_first_not_of("0123456789+-.eE", i), out.size()) - i;
            if (LiteralLength(out, i) == length) {
                masked.literals.emplace_back(i, length);
                out.replace(i, length, "0" + std::string(length - 1, ' '));
            }
            i += length - 1;
        }
    }
    return masked;
}

// The C locale's own, so that a decimal point stays a point whatever locale the process runs in.
locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
}

// Hands the parser's events on to the document, with two jobs of its own: it reads each number
// from its literal, and it stops a file nested deeper than any of ours.
template <typename Document>
class NumberReader {
public:
    // `text` is what was masked, as it stood.
    NumberReader(Document& document, const char* text, const MaskedText& masked, const char*& problem)
        : document_(document), text_(text), literals_(masked.literals), problem_(problem) {}

    bool Null() { return document_.Null(); }
    bool Bool(bool b) { return document_.Bool(b); }
    bool Int(int i) { return document_.Int(i); }
    bool Uint(unsigned u) { return document_.Uint(u); }
    bool Int64(int64_t i) { return document_.Int64(i); }
    bool Uint64(uint64_t u) { return document_.Uint64(u); }
    bool Double(double d) { return document_.Double(d); }
    bool String(const char* text, rapidjson::SizeType length, bool copy) { return document_.String(text, length, copy); }
    bool Key(const char* text, rapidjson::SizeType length, bool copy) { return document_.Key(text, length, copy); }
    bool StartObject() { return Deeper() && document_.StartObject(); }
    bool EndObject(rapidjson::SizeType members) { return Shallower() && document_.EndObject(members); }
    bool StartArray() { return Deeper() && document_.StartArray(); }
    bool EndArray(rapidjson::SizeType elements) { return Shallower() && document_.EndArray(elements); }

    // Each masked 0 the parser meets is the next literal kept aside. An integer that fits 64
    // bits stays an integer, as RapidJSON keeps it; every other literal is the correctly rounded
    // double, 0 below the smallest one. Only a value beyond the largest double has nothing to be.
    bool RawNumber(const char*, rapidjson::SizeType, bool) {
        if (next_ == literals_.size()) return false;
        const auto [at, length] = literals_[next_++];
        const char* begin = text_ + at;
        const char* end = begin + length;
        const bool minus = *begin == '-';
        if (std::none_of(begin, end, [](char c) { return c == '.' || c == 'e' || c == 'E'; })) {
            int64_t negative = 0;
            uint64_t positive = 0;
            const auto read = minus ? std::from_chars(begin, end, negative) : std::from_chars(begin, end, positive);
            if (read.ec == std::errc() && read.ptr == end) return minus ? document_.Int64(negative) : document_.Uint64(positive);
        }
        double value = 0;
        // Out of range is either below the smallest double, which reads as 0 (or -0), or beyond
        // the largest: the C library's reading tells which.
        if (std::from_chars(begin, end, value).ec == std::errc::result_out_of_range) {
            value = strtod_l(std::string(begin, end).c_str(), nullptr, CLocale());
        }
        if (std::isinf(value)) {
            problem_ = kTooLarge;
            return false;
        }
        return document_.Double(value);
    }

private:
    bool Deeper() {
        if (++depth_ <= kMaxNesting) return true;
        problem_ = kTooDeep;
        return false;
    }
    bool Shallower() {
        --depth_;
        return true;
    }

    Document& document_;
    const char* text_;
    const std::vector<std::pair<size_t, size_t>>& literals_;
    const char*& problem_;
    size_t next_ = 0;
    int depth_ = 0;
};

// Runs the parser over the masked text into the document it is handed (the document's way of
// being filled from events of our choosing).
struct TextParser {
    const char* text;  // as it stood before masking
    const MaskedText& masked;
    const char* problem = nullptr;
    rapidjson::ParseResult result{};

    template <typename Document>
    bool operator()(Document& document) {
        NumberReader<Document> reader(document, text, masked, problem);
        // A plain byte stream: RapidJSON's encoded streams drop any bytes that begin a byte order
        // mark, even a cut one, and would read the broken text as good.
        rapidjson::MemoryStream stream(masked.text.data(), masked.text.size());
        result = rapidjson::Reader().Parse<rapidjson::kParseNumbersAsStringsFlag>(stream, reader);
        // The stream ends at a NUL byte: whatever followed one would be dropped by the write-back.
        const size_t nul = masked.text.find('\0');
        if (!result.IsError() && nul != std::string::npos) result.Set(rapidjson::kParseErrorDocumentRootNotSingular, nul);
        return !result.IsError();
    }
};

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
    const size_t skipped = text_.compare(0, 3, kByteOrderMark) == 0 ? 3 : 0;
    const MaskedText masked = MaskNumbers(text_, skipped);
    TextParser parser{text_.data() + skipped, masked};
    document_.Populate(parser);
    if (parser.problem) return Reject(name, std::string(parser.problem) + "; not read");
    if (parser.result.IsError()) {
        return Reject(name, std::string("not valid JSON (") + rapidjson::GetParseError_En(parser.result.Code()) +
                                " at offset " + std::to_string(parser.result.Offset() + skipped) + ")");
    }
    if (!document_.IsObject()) return Reject(name, "the top level must be a JSON object");
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
