// The reader under every data file: whatever it accepts, it writes in a layout that reads back
// to the same text.
#include <cstdio>
#include <cstdlib>

#include "core/json_file.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    JsonFile file;
    if (!file.Parse(fuzz::Text(data, size), "fuzz.json")) return 0;
    const std::string written = JsonFile::Serialise(file.Doc());
    JsonFile again;
    if (!again.Parse(written, "fuzz.json") || JsonFile::Serialise(again.Doc()) != written) {
        std::fprintf(stderr, "fuzz: a written file does not read back as written\n");
        std::abort();
    }
    return 0;
}
