#include <gtest/gtest.h>

#include "core/json_file.h"
#include "core/game_object.h"
#include "graph/variable_store.h"
#include "graph/variable_store_json.h"
#include "flow/game_state_manager.h"

namespace {

std::unique_ptr<VariableStore> NewStore() {
    auto store = std::make_unique<VariableStore>();
    store->Init();
    return store;
}

std::unique_ptr<VariableStore> ReadStore(const std::string& text) {
    auto store = NewStore();
    JsonFile file;
    EXPECT_TRUE(file.Parse("{\"v\": " + text + "}", "test"));
    ReadVariableStore(file.Doc(), store.get(), "v", "test");
    return store;
}

std::string WriteStore(const VariableStore& store) {
    json::Document document;
    WriteVariableStore(document, document.GetAllocator(), &store);
    return JsonFile::Serialise(document);
}

TEST(VariableStore, SetNamesNewVariablesEmptyAndKeepsOldNamesOnEmpty) {
    InputNodeMap<int> ints;
    ints.Set(4, 1, "");
    EXPECT_EQ("Empty", ints.variables.at(4).name);
    ints.Set(4, 2, "Lives");
    ints.Set(4, 3, "");
    EXPECT_EQ("Lives", ints.variables.at(4).name);
    EXPECT_EQ(3, *ints.Get(4));
    EXPECT_EQ(nullptr, ints.Get(5)) << "look-ups never create variables";
    EXPECT_EQ(1u, ints.variables.size());
}

TEST(VariableStore, RepeatedNamesFindTheLowerIndexButCopyFromTheHigher) {
    auto store = NewStore();
    AddVariable<int>(store.get(), VT_INT, 2, "Score", 20);
    AddVariable<int>(store.get(), VT_INT, 9, "Score", 90);
    EXPECT_EQ(20, *LookupVariableByName<int>(store.get(), "Score"));

    auto copy = NewStore();
    AddVariable<int>(copy.get(), VT_INT, 0, "Score", 0);
    AddVariable<int>(copy.get(), VT_INT, 1, "Untouched", 5);
    copy->CopyFrom(store.get());
    EXPECT_EQ(90, *LookupVariable<int>(copy.get(), VT_INT, 0));
    EXPECT_EQ(5, *LookupVariable<int>(copy.get(), VT_INT, 1));
    EXPECT_EQ(nullptr, LookupVariable<int>(copy.get(), VT_INT, 9)) << "namesakes only; nothing is added";

    copy->CopyFrom(nullptr);
    EXPECT_EQ(90, *LookupVariable<int>(copy.get(), VT_INT, 0));
}

TEST(VariableStore, CopyByNameMergesSearchTermsAndCloneSharesNothing) {
    auto source = NewStore();
    AddVariable<GameObject*>(source.get(), VT_GAME_OBJECT, 0, "Ball", nullptr);
    LookupVariableNode<GameObject*>(source.get(), VT_GAME_OBJECT, 0)->SetSearchTerm(1, "Ball");

    auto target = NewStore();
    AddVariable<GameObject*>(target.get(), VT_GAME_OBJECT, 7, "Ball", nullptr);
    auto* targetBall = LookupVariableNode<GameObject*>(target.get(), VT_GAME_OBJECT, 7);
    targetBall->SetSearchTerm(0, "Default");
    targetBall->SetSearchTerm(1, "Old");
    target->CopyFrom(source.get());
    EXPECT_EQ("Default", targetBall->GetSearchTerm(0)) << "terms under other keys stay";
    EXPECT_EQ("Ball", targetBall->GetSearchTerm(1));

    auto clone = target->Clone();
    LookupVariableNode<GameObject*>(clone.get(), VT_GAME_OBJECT, 7)->SetSearchTerm(1, "Changed");
    *LookupVariableNode<GameObject*>(clone.get(), VT_GAME_OBJECT, 7) = InputNode<GameObject*>{};
    EXPECT_EQ("Ball", targetBall->GetSearchTerm(1));
    EXPECT_EQ("Ball", targetBall->name);
    EXPECT_EQ("", InputNode<GameObject*>{}.GetSearchTerm(0));
}

TEST(VariableStore, LookUpsResolveOnlyTheirOwnType) {
    auto store = NewStore();
    AddVariable<int>(store.get(), VT_INT, 1, "n", 5);
    AddVariable<int>(store.get(), VT_INT, -1, "neg", 6);
    struct Case {
        unsigned code;
        int key;
        bool found;
    } cases[] = {{VT_INT, 1, true}, {VT_INT, 2, false}, {VT_INT, -1, true}, {VT_INVALID, 1, false},
                 {8, 1, false},     {VT_DOUBLE, 1, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.found, LookupVariable<int>(store.get(), c.code, c.key) != nullptr) << c.code << "/" << c.key;
    }
    EXPECT_EQ(nullptr, LookupVariable<double>(store.get(), VT_INT, 1)) << "a mistyped slot resolves to nothing";
    AddVariable<double>(store.get(), VT_INT, 3, "wrong map", 1.0);
    EXPECT_EQ(nullptr, LookupVariable<int>(store.get(), VT_INT, 3));

    EXPECT_EQ(3u, ValueTypeFromName("Vec2"));
    EXPECT_EQ(0u, ValueTypeFromName("vec2"));
    EXPECT_EQ(0u, ValueTypeFromName("invalid"));
    EXPECT_EQ(4u, ValueTypeFromName("GameObject*"));
}

TEST(VariableStoreJson, ReadsEveryTypeAndSkipsWhatIsBroken) {
    GameStateManager::BuildStateNames();
    auto store = ReadStore(R"({
        "int": {"3": {"name": "Lives", "val": 5}, "3 ": {"name": "", "val": 6}, "x": {"name": "Zero", "val": 1},
                "99999999999": {"name": "Huge", "val": 1}, "4": {"val": 1}, "5": {"name": "NoValue"}},
        "bool": {"0": {"name": "On", "val": true}, "1": {"name": "NotTrue", "val": 1}},
        "double": {"0": {"name": "Speed", "val": 2}},
        "string": {"0": {"name": "Text", "val": "hi"}},
        "GameState": {"0": {"name": "Next", "val": "Level_2"}, "1": {"name": "Bad", "val": "Nowhere"}},
        "Vec2": {"0": {"name": "Start", "x": 0.1, "y": -2}},
        "GameObject*": {"0": {"name": "Ball", "val": 0, "search": {"0": "Default", "1": "Ball", "1x": "Later"}}},
        "Float": {"0": {"name": "Ignored", "val": 1}}
    })");
    InputNodeMap<int>* ints = GetVariableMap<int>(store.get(), VT_INT);
    ASSERT_EQ(2u, ints->variables.size()) << "index 3 (twice) and 0 (from \"x\")";
    EXPECT_EQ(6, *ints->Get(3)) << "the later entry wins";
    EXPECT_EQ("Lives", ints->variables.at(3).name) << "an empty name keeps the earlier one";
    EXPECT_EQ("Zero", ints->variables.at(0).name);
    EXPECT_TRUE(*LookupVariableByName<bool>(store.get(), "On"));
    EXPECT_FALSE(*LookupVariableByName<bool>(store.get(), "NotTrue"));
    EXPECT_EQ(2.0, *LookupVariableByName<double>(store.get(), "Speed"));
    EXPECT_EQ("hi", *LookupVariable<std::string>(store.get(), VT_STRING, 0));
    EXPECT_EQ(Level_2, *LookupVariableByName<GameState>(store.get(), "Next"));
    EXPECT_EQ(Invalid, *LookupVariableByName<GameState>(store.get(), "Bad"));
    EXPECT_EQ(0.1f, LookupVariableByName<Vec2>(store.get(), "Start")->x);
    auto* ball = LookupVariableNodeByName<GameObject*>(store.get(), "Ball");
    EXPECT_EQ(nullptr, ball->value) << "bound only when a level loads";
    EXPECT_EQ("Later", ball->GetSearchTerm(1));
    EXPECT_EQ(10u, store->VariableCount());
}

TEST(VariableStoreJson, WritesTypesInCodeOrderAndWidensVec2) {
    GameStateManager::BuildStateNames();
    auto store = ReadStore(R"({
        "int": {"-2": {"name": "Neg", "val": 1}, "10": {"name": "Ten", "val": 2}},
        "Vec2": {"0": {"name": "Start", "x": 0.1, "y": 3}},
        "GameObject*": {"4": {"name": "Ball", "search": {"1": "Ball", "0": "Default"}}},
        "GameState": {"0": {"name": "Next", "val": "WinRed"}},
        "bool": {"0": {"name": "On", "val": true}},
        "double": {"0": {"name": "D", "val": 0.5}}
    })");
    EXPECT_EQ(R"({
    "double": {
        "0": {
            "val": 0.5,
            "name": "D"
        }
    },
    "bool": {
        "0": {
            "val": true,
            "name": "On"
        }
    },
    "Vec2": {
        "0": {
            "x": 0.10000000149011612,
            "y": 3.0,
            "name": "Start"
        }
    },
    "GameObject*": {
        "4": {
            "val": 0,
            "name": "Ball",
            "search": {
                "0": "Default",
                "1": "Ball"
            }
        }
    },
    "GameState": {
        "0": {
            "val": "WinRed",
            "name": "Next"
        }
    },
    "int": {
        "-2": {
            "val": 1,
            "name": "Neg"
        },
        "10": {
            "val": 2,
            "name": "Ten"
        }
    }
}
)",
              WriteStore(*store));

    auto strings = ReadStore(R"({"string": {"0": {"name": "s", "val": "x"}}})");
    json::Document document;
    WriteVariableStore(document, document.GetAllocator(), strings.get());
    ASSERT_EQ(1u, document.MemberCount());
    EXPECT_STREQ("string", document.MemberBegin()->name.GetString());
    EXPECT_EQ("{}\n", WriteStore(*NewStore()));
}

}  // namespace
