#pragma once

#include <set>
#include <string>

#include "core/json.h"

// A data file read whole, parsed, and written back pretty-printed (four-space indent, ending
// with a newline). A missing file is created empty, reads as "{}", and is told in one line
// naming it. A file that exists is read even where it cannot be written. A file that fails to
// parse, whose root is not an object, or that nests deeper than any of our data, is reported
// in one line naming it and is never written back, so a typo in a level never costs the rest
// of the file.
class JsonFile {
public:
    // False when the file cannot be opened or created, does not parse, nests too deep, or its
    // root is not an object; the document is then an empty object.
    bool Read(const std::string& path);
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

    std::string text_;
    json::Document document_;
    bool failed_ = false;
    // Paths whose write-back has failed, told only the first time.
    mutable std::set<std::string> failedWrites_;
};
