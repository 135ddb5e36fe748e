#include "core/json_file.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include <rapidjson/error/en.h>

bool JsonFile::Read(const std::string& path) {
    failed_ = true;
    document_.SetObject();
    text_.clear();
    // In-and-append opens an existing file untouched and creates a missing one empty.
    std::fstream stream(path, std::ios::in | std::ios::app | std::ios::binary);
    if (!stream.is_open()) {
        std::printf("%s: cannot open or create the file\n", path.c_str());
        return false;
    }
    std::string content((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    return Parse(content.empty() ? std::string("{}") : content, path);
}

bool JsonFile::Parse(const std::string& text, const std::string& name) {
    text_ = text;
    failed_ = true;
    // A document keeps the memory of every text it parsed until it is destroyed: start from a
    // fresh one, or a file read again and again (a level at each change) grows without end.
    json::Document().Swap(document_);
    document_.Parse<rapidjson::kParseFullPrecisionFlag>(text_.c_str(), text_.size());
    if (document_.HasParseError()) {
        std::printf("%s: not valid JSON (%s at offset %zu)\n", name.c_str(),
                    rapidjson::GetParseError_En(document_.GetParseError()), document_.GetErrorOffset());
        document_.SetObject();
        return false;
    }
    if (!document_.IsObject()) {
        std::printf("%s: the top level must be a JSON object\n", name.c_str());
        document_.SetObject();
        return false;
    }
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
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::out | std::ios::trunc | std::ios::binary);
        if (!out.is_open()) {
            std::printf("%s: cannot write the file\n", path.c_str());
            return false;
        }
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        if (!out.good()) {
            std::printf("%s: writing failed\n", path.c_str());
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::printf("%s: cannot replace the file\n", path.c_str());
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
