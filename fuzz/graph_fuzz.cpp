// One graph file as a designer edits it, loaded through the level's graph list: nodes, their
// slots and both variable stores, then written back only when it loaded.
#include "core/system_manager.h"
#include "fuzz/fuzz_support.h"
#include "graph/ai_manager.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::StartEngineOnce();
    const std::string graph = "Resources/AI/Fuzz_AI.json";
    const std::string list = "Resources/AI/FuzzList.json";
    const std::string text = fuzz::Text(data, size);
    auto* ai = SystemManager::GetInstance().Get<AI_Manager>(AI_MANAGER);
    fuzz::WriteInput(graph, text);
    fuzz::WriteInput(list, "{\"Fuzz\": \"" + graph + "\"}");
    ai->registry.LoadFiles(list);
    fuzz::RequireUntouchedIfBroken(graph, text);
    ai->registry.Clear();
    return 0;
}
