#pragma once

#include <string>

#include "core/data_problems.h"
#include "core/json.h"

// What a missing file means to the one who reads it.
enum class IfMissing {
    // The game's own data: the file is created empty, reads as "{}", and is told in one line.
    kCreateEmpty,
    // A file that must be there (a listed graph, the controls, the tools' inputs): nothing is
    // created, the read fails with Missing() set and says nothing, so the reader tells it in
    // its own words.
    kRefuse,
};

// A data file read whole, parsed, and written back pretty-printed (four-space indent, ending
// with a newline). A file that exists is read even where it cannot be written. A file that
// holds nothing (empty, or "{}") is told in one line: its menus or objects would otherwise be
// left out silently. A file that fails to parse, whose root is not an object, that nests
// deeper than any of our data, or that holds a number beyond the largest double, is reported in
// one line naming it and is never written back, so a typo in a level never costs the rest of
// the file. Every other number reads as the double nearest its literal (integers that fit 64
// bits stay integers), so a value read and written back keeps its exact bits.
class JsonFile {
public:
    // False when the file is missing and refused, cannot be opened or created, does not parse,
    // nests too deep, holds a number too large, or its root is not an object; the document is
    // then an empty object.
    bool Read(const std::string& path, IfMissing ifMissing);
    // Whether the last Read refused a file that was not there.
    bool Missing() const { return missing_; }
    // The same checks on text held in memory; `name` names it in the diagnostic.
    bool Parse(const std::string& text, const std::string& name);
    // Writes through a temporary file renamed over the target. Refuses (false) after a failed
    // read or parse, and when the root is not an object.
    bool Write(const std::string& path) const;

    json::Document& Doc() { return document_; }
    const json::Document& Doc() const { return document_; }
    const std::string& Text() const { return text_; }

    // The text the writer produces for a value.
    static std::string Serialise(const json::Value& value);

private:
    void WriteFailed(const std::string& path, const char* why) const;
    bool Reject(const std::string& name, const std::string& problem);

    std::string text_;
    json::Document document_;
    bool failed_ = false;
    bool missing_ = false;
    // A file read or written again and again (a level at each change, the sound list twice a
    // run) tells that it is empty, or that it cannot be written, the first time only.
    mutable DataProblems::Once told_;
};
