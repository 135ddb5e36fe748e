#include "tools/graph_gen/graph_files.h"

#include "core/json_file.h"
#include "tools/graph_gen/graph_description.h"
#include "tools/graph_gen/slot_table.h"

bool GenerateGraph(const std::string& descriptionPath, std::string& graphPath, std::string& text, std::string& error) {
    // A mistyped name must not leave an empty file behind.
    JsonFile description;
    if (!description.Read(descriptionPath, IfMissing::kRefuse)) {
        return error = descriptionPath + (description.Missing() ? ": no such file" : ": not a JSON object"), false;
    }
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
