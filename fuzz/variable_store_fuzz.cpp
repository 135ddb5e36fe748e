// A graph's variable store as written in its file: what the reader takes, the writer writes in
// a layout that reads back to the same store.
#include <cstdio>
#include <cstdlib>

#include "core/json_file.h"
#include "fuzz/fuzz_support.h"
#include "graph/variable_store.h"
#include "graph/variable_store_json.h"

namespace {
std::string Written(const json::Value& parent) {
    VariableStore store;
    ReadVariableStore(parent, &store, "InputNodeStruct", "fuzz.json");
    json::Document out;
    out.SetObject();
    json::Value variables;
    WriteVariableStore(variables, out.GetAllocator(), &store);
    out.AddMember("InputNodeStruct", variables, out.GetAllocator());
    return JsonFile::Serialise(out);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    JsonFile file;
    if (!file.Parse(fuzz::Text(data, size), "fuzz.json")) return 0;
    const std::string once = Written(file.Doc());
    JsonFile reread;
    if (!reread.Parse(once, "fuzz.json") || Written(reread.Doc()) != once) {
        std::fprintf(stderr, "fuzz: a written variable store does not read back as written\n");
        std::abort();
    }
    return 0;
}
