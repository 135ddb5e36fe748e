#include <gtest/gtest.h>

#include "core/message_center.h"
#include "core/system_manager.h"
#include "flow/action_manager.h"
#include "graph/once_per_frame_queue.h"
#include "support/engine_test.h"

namespace {

using OncePerFrame = EngineTest;

TEST_F(OncePerFrame, MovesQueuedInAFrameLeaveAsOneMessage) {
    SystemManager::GetInstance().AddSystem(new ActionManager());
    OncePerFrameQueue<MoveObjectsMessage> queue;
    auto& center = MessageCenter::GetInstance();
    struct Frame {
        int moves;
        size_t posted;
    } frames[] = {{2, 1}, {0, 0}, {1, 1}};
    for (const Frame& frame : frames) {
        center.ClearPosted();
        for (int i = 0; i < frame.moves; ++i) EXPECT_TRUE(queue.Add(MoveObjData{nullptr, 1.0f, 2.0f}));
        EXPECT_EQ(frame.moves, queue.Pending());
        queue.EndFrame();
        EXPECT_EQ(frame.posted, center.PostedCount()) << frame.moves << " moves";
        EXPECT_EQ(0, queue.Pending());
    }
    EXPECT_EQ(3u, queue.GetMessage()->Moves()->moves.size()) << "nothing ran the action here";
}

TEST_F(OncePerFrame, WithoutAnActionManagerNothingIsQueuedOrSent) {
    OncePerFrameQueue<RespawnObjMessage> queue;
    EXPECT_FALSE(queue.Add(MoveObjData{}));
    queue.EndFrame();
    EXPECT_EQ(0, queue.Pending());
    EXPECT_EQ(0u, MessageCenter::GetInstance().PostedCount());
}

}  // namespace
