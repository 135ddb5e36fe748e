#pragma once

#include "graph/node.h"

// The menu items, in the order graph files link the outputs of the menu nodes.
enum MenuItem {
    kMenuStart = 0,
    kMenuHowToPlay = 1,
    kMenuCredits = 2,
    kMenuQuit = 3,
    kMenuCreditsBack = 4,
    kMenuYes = 5,
    kMenuNo = 6,
    kMenuHowToBack = 7,
    kMenuHowToNext = 8,
    kMenuOptions = 9,
    kMenuOptionsBack = 10,
    kMenuFullScreen = 11,
    kMenuVolumeUp = 12,
    kMenuVolumeDown = 13,
};
constexpr int kMenuItemCount = 14;

// A node whose outputs are the menu items.
template <class Derived>
class MenuItemNode : public Node<Derived> {
public:
    MenuItemNode(NODE_TYPE type, std::initializer_list<InputSpec> inputs)
        : Node<Derived>(type,
                        {"Start", "How To Play", "Credits", "Quit", "Credits Back", "Yes", "No", "How To Back",
                         "How To Next", "Options", "Options Back", "FullScreen", "Volume Up", "Volume Down"},
                        inputs) {}
};
