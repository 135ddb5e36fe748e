// A level's graph list as a designer edits it: the graph files it names (ours, missing ones and
// whatever else it says), read, loaded and written back with the list.
#include "core/system_manager.h"
#include "fuzz/fuzz_support.h"
#include "graph/ai_manager.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::StartEngineOnce();
    const std::string list = "Resources/AI/FuzzList.json";
    const std::string text = fuzz::Text(data, size);
    auto* ai = SystemManager::GetInstance().Get<AI_Manager>(AI_MANAGER);
    fuzz::WriteInput(list, text);
    ai->registry.LoadFiles(list);
    fuzz::RequireUntouchedIfBroken(list, text);
    ai->registry.Clear();
    return 0;
}
