#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/message_center.h"
#include "graph/text_index.h"
#include "graph_fixture.h"

namespace {

using namespace graphtext;
using GraphLoader = GraphTest;

TEST_F(GraphLoader, GapsStayEmptyAndALaterDuplicateReplacesTheEarlierNode) {
    BehaviourTree* tree = LoadGraph("gaps", R"({"RootNodeId": 0, "Nodes": {
        "0": {"Name": "LevelStartNode", "OutSlot": {"out0": 3}},
        "5": {"Name": "DebugNode"},
        "2": {"Name": "DebugNode"},
        "2": {"Name": "SwapControlNode"}}})");
    ASSERT_NE(nullptr, tree);
    ASSERT_EQ(6, tree->NodeCount());
    for (int empty : {1, 3, 4}) EXPECT_EQ(nullptr, tree->NodeAt(empty)) << empty;
    EXPECT_EQ(kSwapControlNode, tree->NodeAt(2)->type);
    EXPECT_EQ(tree, tree->NodeAt(5)->owner);
    EXPECT_EQ(-1, tree->RunNode(tree->rootNode, nullptr)) << "an output into an empty place ends the chain";
    for (int outside : {-1, 6, 1000}) EXPECT_EQ(-1, tree->RunNode(outside, nullptr)) << outside;
}

TEST_F(GraphLoader, BadNodesAreSkippedAndLoadingGoesOn) {
    // Two files, as one read of a file tells only its first few problems.
    const struct {
        const char* name;
        const char* text;
        std::vector<const char*> named;
    } cases[] = {
        {"bad", R"({"RootNodeId": 0, "Nodes": {
            "2000000000": {"Name": "DebugNode"},
            "-1": {"Name": "DebugNode"},
            "1": {"Name": "NoSuchNode"},
            "0": {"Name": "DebugNode"}}})",
         {"\"2000000000\"", "\"-1\"", "NoSuchNode"}},
        {"worse", R"({"RootNodeId": 0, "Nodes": {
            "2": {"Name": "istruenode"},
            "3": {"Name": 42},
            "4": {"NoName": "DebugNode"},
            "0": {"Name": "DebugNode"}}})",
         {"istruenode", "\"3\"", "\"4\""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::internal::CaptureStdout();
        BehaviourTree* tree = LoadGraph(c.name, c.text);
        const std::string printed = testing::internal::GetCapturedStdout();
        ASSERT_NE(nullptr, tree);
        EXPECT_EQ(1, tree->NodeCount()) << "two billion places must not be made";
        EXPECT_NE(nullptr, tree->NodeAt(0));
        for (const char* named : c.named) {
            EXPECT_NE(std::string::npos, printed.find(named)) << named << " in:\n" << printed;
        }
    }
}

TEST_F(GraphLoader, SlotsBindOnlyWithTheirPrefixDeclaredIndexAndType) {
    struct Case {
        const char* slots;
        int slot;  // input of ClampIntNode checked, or -1 to check output 0
        int key;
        bool global;
    } cases[] = {
        {R"("InSlot": {"in2": {"type": "int", "isGlobal": true, "indx": 4}})", 2, 4, true},
        {R"("InSlot": {"in2": {"type": "int", "isGlobal": 1, "indx": 4}})", 2, 4, false},
        {R"("InSlot": {"in2": {"type": "double", "isGlobal": false, "indx": 4}})", 2, -1, false},
        {R"("InSlot": {"in3": {"type": "int", "isGlobal": false, "indx": 4}})", 2, -1, false},
        {R"("InSlot": {"in-1": {"type": "int", "isGlobal": false, "indx": 4}})", 0, -1, false},
        {R"("InSlot": {"xx1": {"type": "int", "isGlobal": false, "indx": 4}})", 1, -1, false},
        {R"("InSlot": {"in1": {"type": "int", "isGlobal": false, "indx": "4"}})", 1, -1, false},
        {R"("InSlot": {"in99999999999": {"type": "int", "isGlobal": false, "indx": 4}})", 0, -1, false},
        {R"("OutSlot": {"out0": 7})", -1, 7, false},
        {R"("OutSlot": {"out1": 7})", -1, -1, false},
        {R"("OutSlot": {"Next0": 7})", -1, -1, false},
        {R"("OutSlot": {"out-1": 7})", -1, -1, false},
    };
    for (const Case& c : cases) {
        BehaviourTree* tree =
            LoadGraph("slots", std::string(R"({"RootNodeId": 0, "Nodes": {"0": {"Name": "ClampIntNode", )") + c.slots +
                                   "}}}");
        ASSERT_NE(nullptr, tree) << c.slots;
        INode* node = tree->NodeAt(0);
        if (c.slot < 0) {
            EXPECT_EQ(c.key, node->OutputTarget(0)) << c.slots;
        } else {
            EXPECT_EQ(c.key, node->inputs.at(c.slot).key) << c.slots;
            EXPECT_EQ(c.global, node->inputs.at(c.slot).isGlobal) << c.slots;
        }
        EXPECT_EQ(1u, node->outputs.size()) << c.slots;
        EXPECT_EQ(3u, node->inputs.size()) << c.slots;
    }
}

TEST_F(GraphLoader, AGraphThatLoopsBackIsCutAndReportedOnce) {
    LoadGraph("loop", Graph({{0, "LevelStartNode", {1}, {}}, {1, "DebugNode", {0}, {}}}));
    GameObject* a = Spawn("A", "loop");
    GameObject* b = Spawn("B", "loop");
    testing::internal::CaptureStdout();
    for (int frame = 0; frame < 3; ++frame) ai->Update(0.016);
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(-1, Run(a));
    EXPECT_EQ(-1, Run(b));
    size_t lines = 0;
    for (size_t at = printed.find("\"loop\""); at != std::string::npos; at = printed.find("\"loop\"", at + 1)) ++lines;
    EXPECT_EQ(1u, lines) << printed;
}

TEST_F(GraphLoader, UndeclaredSlotsReadAsUnconnectedAndAreNeverCreated) {
    BehaviourTree* tree = LoadGraph("slots", Graph({{0, "DebugNode", {}, {}}}));
    INode* node = tree->NodeAt(0);
    EXPECT_EQ(-1, node->OutputTarget(5));
    EXPECT_EQ(-1, node->RunOutput(5, nullptr));
    EXPECT_EQ(nullptr, node->GetInput<int>(0, nullptr));
    EXPECT_EQ(1u, node->outputs.size());
    EXPECT_TRUE(node->inputs.empty());
}

TEST_F(GraphLoader, ClassNamesMapToTheirNumbersExactly) {
    struct Case {
        const char* name;
        NODE_TYPE type;
    } cases[] = {{"IsTrueNode", kIsTrueNode},        {"istruenode", kUnknownNode},
                 {"IsTrue", kUnknownNode},           {"IsTrueNode ", kUnknownNode},
                 {"SetGameObjActive", kSetGameObjActive}, {"SetGameObjActiveNode", kUnknownNode},
                 {"StopVibrateController", kStopVibrateController}, {"SetBGMVolumNode", kSetBGMVolumNode},
                 {"SetBGMVolumeNode", kUnknownNode}, {"DisplayVec2VarNode", kDisplayVec2VarNode}};
    for (const Case& c : cases) EXPECT_EQ(c.type, NodeTypeFromName(c.name)) << c.name;
    EXPECT_EQ(144u, NodeTypeTable().size());

    for (int type : {38, 39, 135, 151}) EXPECT_EQ(nullptr, CreateNode(static_cast<NODE_TYPE>(type))) << type;
    EXPECT_EQ(144u, NodePrototypes().size());
    for (const auto& [type, prototype] : NodePrototypes()) {
        std::unique_ptr<INode> a(CreateNode(type)), b(CreateNode(type));
        ASSERT_NE(nullptr, a);
        EXPECT_NE(a.get(), b.get());
        EXPECT_EQ(type, a->type);
        EXPECT_EQ(static_cast<size_t>(a->outputCount), a->outputs.size());
        for (const auto& [index, output] : a->outputs) EXPECT_EQ(-1, output.target) << type;
        for (const auto& [index, input] : a->inputs) EXPECT_EQ(-1, input.key) << type;
    }
    EXPECT_EQ(NodeTypeTable(), NodeTypesByName()) << "every class registers under its own name";
    FreeNodePrototypes();
    EXPECT_EQ(nullptr, CreateNode(kDebugNode));
    for (const auto& [name, type] : NodeTypeTable()) EXPECT_EQ(kUnknownNode, NodeTypeFromName(name)) << name;
}

TEST(TextIndex, IndicesReadLikeTheFilesAlwaysWereWithinRange) {
    struct Case {
        const char* text;
        long long low, high;
        std::optional<int> expected;
    } cases[] = {{"12", 0, 100, 12},  {" 7abc", 0, 100, 7},         {"abc", 0, 100, 0},
                 {"-3", INT_MIN, INT_MAX, -3}, {"-3", 0, 100, std::nullopt}, {"101", 0, 100, std::nullopt},
                 {"99999999999999999999", INT_MIN, INT_MAX, std::nullopt}, {"+4", 0, 100, 4}};
    for (const Case& c : cases) EXPECT_EQ(c.expected, ReadIndex(c.text, c.low, c.high)) << c.text;
    EXPECT_EQ(std::optional<int>(2), ReadSlotIndex("out2", "out", 3));
    EXPECT_EQ(std::nullopt, ReadSlotIndex("2", "out", 3));
    EXPECT_EQ("Level1_AI", TreeNameFromPath("Resources/AI/Level1_AI.json"));
    EXPECT_EQ("a", TreeNameFromPath("x.y/a.b.json"));
    EXPECT_EQ("noext", TreeNameFromPath("noext"));
}

using GraphList = GraphTest;

TEST_F(GraphList, GraphsThatCannotLoadAreSkippedAndNeverWritten) {
    const std::string broken = "{\"RootNodeId\": 0, \"Nodes\": {";
    const std::string incomplete = "{\"Nodes\": {}}";
    const std::string notAnObject = "{\"RootNodeId\": 0, \"Nodes\": []}";
    WriteFile("Resources/AI/broken.json", broken);
    WriteFile("Resources/AI/incomplete.json", incomplete);
    WriteFile("Resources/AI/array.json", notAnObject);
    WriteFile("Resources/AI/good.json", "{\"RootNodeId\": 0, \"Nodes\": {\"0\": {\"Name\": \"DebugNode\"}}}");
    WriteFile("Resources/AI/list.json", R"({"a": "Resources/AI/missing.json", "b": "Resources/AI/broken.json",
        "c": "Resources/AI/incomplete.json", "d": "Resources/AI/array.json", "e": 5, "f": "Resources/AI/good.json"})");
    testing::internal::CaptureStdout();
    ai->registry.LoadFiles("Resources/AI/list.json");
    const std::string printed = testing::internal::GetCapturedStdout();

    EXPECT_EQ(1u, ai->registry.Trees().size());
    EXPECT_NE(nullptr, ai->registry.FindByName("good"));
    EXPECT_FALSE(std::filesystem::exists("Resources/AI/missing.json")) << "a missing graph is not created";
    EXPECT_EQ(broken, ReadFile("Resources/AI/broken.json"));
    EXPECT_EQ(incomplete, ReadFile("Resources/AI/incomplete.json"));
    EXPECT_EQ(notAnObject, ReadFile("Resources/AI/array.json"));
    EXPECT_EQ("{\n    \"RootNodeId\": 0,\n    \"Nodes\": {\n        \"0\": {\n            \"Name\": \"DebugNode\"\n"
              "        }\n    }\n}\n",
              ReadFile("Resources/AI/good.json"));
    EXPECT_EQ('{', ReadFile("Resources/AI/list.json").substr(0, 2)[0]);
    EXPECT_NE(std::string::npos, ReadFile("Resources/AI/list.json").find("\n    \"a\": "));
    for (const char* named : {"missing.json", "broken.json", "incomplete.json", "array.json", "\"e\""}) {
        EXPECT_NE(std::string::npos, printed.find(named)) << named << " in:\n" << printed;
    }
    EXPECT_EQ(1u, MessageCenter::GetInstance().PostedCount()) << "the level status is posted";
}

// Counts the ends of frames it is told of.
class EndFrameProbe : public Node<EndFrameProbe> {
public:
    EndFrameProbe() : Node(kDebugNode, {"Next"}, {}) {}
    int Execute(AI_Component*) override { return -1; }
    void EndFrame() override { ++ends; }
    static inline int ends = 0;
};

TEST_F(GraphList, SameNamedGraphsBothRunEndFrameAndIdsKeepCounting) {
    NodePrototypes().erase(kDebugNode);
    RegisterNode<EndFrameProbe>("DebugNode");
    EndFrameProbe::ends = 0;
    WriteFile("Resources/AI/one/g.json", Graph({{0, "DebugNode", {}, {}}}));
    WriteFile("Resources/AI/two/g.v2.json", Graph({{0, "LevelStartNode", {}, {}}, {1, "DebugNode", {}, {}}}));
    WriteFile("Resources/AI/list.json", R"({"a": "Resources/AI/one/g.json", "b": "Resources/AI/two/g.v2.json"})");
    ai->registry.LoadFiles("Resources/AI/list.json");
    EXPECT_EQ(2u, ai->registry.Trees().size());
    EXPECT_EQ(1, ai->registry.FindIdByName("g"));
    EXPECT_EQ(kLevelStartNode, ai->registry.FindByName("g")->NodeAt(0)->type);
    ai->Update(0.016);
    EXPECT_EQ(2, EndFrameProbe::ends) << "the graph whose name was taken over ends its frame too";
    ai->SaveLevelData();
    EXPECT_EQ("", ai->registry.GetName(0));
    ai->registry.LoadFiles("Resources/AI/list.json");
    EXPECT_EQ(3, ai->registry.FindIdByName("g")) << "ids are not reused after a level reset";

    ai->registry.LoadFiles("Resources/AI/absent_list.json");
    EXPECT_EQ("{}\n", ReadFile("Resources/AI/absent_list.json")) << "a missing list is created empty";
}

// A receiver of positions, to check what travels through data carriers.
class PositionReceiver : public Node<PositionReceiver> {
public:
    PositionReceiver() : Node(kDebugNode, {"Next"}, {}) {}
    int Execute(AI_Component*) override { return received; }
    void SetData(DataTransBase* carrier) override { received += ReceiveValue(carrier, position) ? 1 : 100; }
    Vec2 position;
    int received = 0;
};

TEST(DataCarrier, OnlyACarrierOfTheRightTypeDelivers) {
    BehaviourTree tree;
    auto* sender = new PositionReceiver();
    auto* receiver = new PositionReceiver();
    sender->AddCarrier<Vec2>(0);
    sender->AddCarrier<GameObject*>(1);
    sender->data[2] = nullptr;
    tree.nodes.emplace_back(sender);
    tree.nodes.emplace_back(receiver);
    sender->owner = receiver->owner = &tree;

    sender->SendData<Vec2>(1, 0, Vec2(3, 4));
    EXPECT_EQ(1, receiver->received);
    EXPECT_EQ(Vec2(3, 4), receiver->position);
    sender->SendData<Vec2>(1, 1, Vec2(5, 6));   // carrier of objects
    sender->SendData<Vec2>(1, 2, Vec2(5, 6));   // null carrier
    sender->SendData<Vec2>(1, 9, Vec2(5, 6));   // no carrier
    sender->SendData<Vec2>(-1, 0, Vec2(5, 6));  // no node
    sender->SendData<Vec2>(7, 0, Vec2(5, 6));
    EXPECT_EQ(1, receiver->received);
    EXPECT_EQ(Vec2(3, 4), receiver->position);
    receiver->SetData(nullptr);
    EXPECT_EQ(101, receiver->received) << "a receiver handed nothing keeps its value";
    EXPECT_EQ(Vec2(3, 4), receiver->position);
}

}  // namespace
