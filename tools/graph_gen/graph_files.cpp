#include "tools/graph_gen/graph_files.h"

#include <filesystem>

#include "core/json_file.h"
#include "tools/graph_gen/graph_description.h"
#include "tools/graph_gen/slot_table.h"

bool GenerateGraph(const std::string& descriptionPath, std::string& graphPath, std::string& text, std::string& error) {
    // The reader would create a missing file; a mistyped name must not leave one behind.
    if (!std::filesystem::is_regular_file(descriptionPath)) return error = descriptionPath + ": no such file", false;
    JsonFile description;
    if (!description.Read(descriptionPath)) return error = descriptionPath + ": not a JSON object", false;
    if (!json::GetString(json::Find(description.Doc(), "graph"), graphPath)) {
        return error = descriptionPath + ": no \"graph\" file named", false;
    }
    JsonFile graph;
    graph.Doc().SetObject();
    if (!BuildGraph(description.Doc(), SlotTable(), graph.Doc(), error, descriptionPath)) {
        error = descriptionPath + ": " + error;
        return false;
    }
    text = JsonFile::Serialise(graph.Doc());
    return true;
}
