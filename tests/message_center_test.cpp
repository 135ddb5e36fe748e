#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/message_center.h"
#include "core/message_prototypes.h"
#include "flow/flow_messages.h"
#include "support/engine_test.h"

namespace {

// Remembers every delivery and can act on the centre while it is called.
class RecordingListener : public IListener {
public:
    RecordingListener(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) {}
    void HandleMessage(IMessage* message) override {
        std::string entry = name_ + ":" + std::to_string(message->id);
        if (auto* status = dynamic_cast<LevelStatusMessage*>(message)) entry += "=" + std::to_string(status->status);
        log_.push_back(entry);
        if (onMessage) onMessage(message);
    }
    std::function<void(IMessage*)> onMessage;

private:
    std::vector<std::string>& log_;
    std::string name_;
};

class MessageCenterTest : public EngineTest {
protected:
    MessageCenter& center = MessageCenter::GetInstance();
    std::vector<std::string> log;
};

TEST_F(MessageCenterTest, SentMessagesGoBeforePostedOnes) {
    RecordingListener listener(log, "L");
    center.AddListener(CHANGE_LEVEL, &listener);
    center.AddListener(CHANGE_SCENE, &listener);
    auto* level = CloneMessage<ChangeLevelMessage>();
    auto* scene = CloneMessage<ChangeSceneMessage>();
    scene->Post();
    level->Send();
    EXPECT_TRUE(log.empty()) << "nothing is delivered before Dispatch";
    center.Dispatch();
    EXPECT_EQ((std::vector<std::string>{"L:6", "L:8"}), log);
    EXPECT_EQ(0u, center.SentCount());
    EXPECT_EQ(0u, center.PostedCount());
}

TEST_F(MessageCenterTest, PostedDuringSentPassArrivesNowSentWaitsForNextDispatch) {
    RecordingListener listener(log, "L");
    center.AddListener(CHANGE_LEVEL, &listener);
    center.AddListener(CHANGE_SCENE, &listener);
    center.AddListener(LEVEL_STATUS, &listener);
    auto* level = CloneMessage<ChangeLevelMessage>();
    auto* scene = CloneMessage<ChangeSceneMessage>();
    auto* status = CloneMessage<LevelStatusMessage>();
    bool once = true;
    listener.onMessage = [&](IMessage* m) {
        if (m->id == CHANGE_LEVEL && once) {
            once = false;
            scene->Post();
            status->Send();
        }
    };
    level->Send();
    center.Dispatch();
    EXPECT_EQ((std::vector<std::string>{"L:6", "L:8"}), log);
    center.Dispatch();
    EXPECT_EQ((std::vector<std::string>{"L:6", "L:8", "L:9=0"}), log);
}

TEST_F(MessageCenterTest, AClonePostedTwiceCarriesItsLatestFieldsBothTimes) {
    RecordingListener listener(log, "L");
    center.AddListener(LEVEL_STATUS, &listener);
    auto* status = CloneMessage<LevelStatusMessage>();
    status->Set(1, "a");
    status->Post();
    status->Set(2, "b");
    status->Post();
    center.Dispatch();
    EXPECT_EQ((std::vector<std::string>{"L:9=2", "L:9=2"}), log);
}

TEST_F(MessageCenterTest, ListenersHearInRegistrationOrderAndTwiceWhenAddedTwice) {
    RecordingListener a(log, "A"), b(log, "B");
    center.AddListener(CHANGE_LEVEL, &b);
    center.AddListener(CHANGE_LEVEL, &a);
    center.AddListener(CHANGE_LEVEL, &b);
    CloneMessage<ChangeLevelMessage>()->Send();
    center.Dispatch();
    EXPECT_EQ((std::vector<std::string>{"B:6", "A:6", "B:6"}), log);
}

TEST_F(MessageCenterTest, AMessageNobodyListensToIsDroppedQuietly) {
    CloneMessage<LevelStatusMessage>()->Post();
    EXPECT_EQ(1u, center.PostedCount());
    center.Dispatch();
    EXPECT_EQ(0u, center.PostedCount());
}

TEST_F(MessageCenterTest, ListenersAddedOrRemovedDuringDeliveryAreSafe) {
    RecordingListener first(log, "A");
    auto second = std::make_unique<RecordingListener>(log, "B");
    RecordingListener late(log, "C");
    first.onMessage = [&](IMessage*) {
        center.RemoveListener(second.get());
        second.reset();  // gone for good: it must not be called through the walk's snapshot
        center.AddListener(CHANGE_LEVEL, &late);
    };
    center.AddListener(CHANGE_LEVEL, &first);
    center.AddListener(CHANGE_LEVEL, second.get());
    CloneMessage<ChangeLevelMessage>()->Send();
    center.Dispatch();
    EXPECT_EQ((std::vector<std::string>{"A:6"}), log);
    center.RemoveListener(&first);
    CloneMessage<ChangeLevelMessage>()->Send();
    center.Dispatch();
    EXPECT_EQ((std::vector<std::string>{"A:6", "C:6"}), log);
}

TEST_F(MessageCenterTest, AReleasedCloneLeavesBothQueuesAndTheCount) {
    RecordingListener listener(log, "L");
    center.AddListener(CHANGE_LEVEL, &listener);
    auto* kept = CloneMessage<ChangeLevelMessage>();
    auto* released = CloneMessage<ChangeLevelMessage>();
    EXPECT_EQ(2u, center.CreatedCount());
    released->Send();
    released->Post();
    kept->Post();
    center.Release(released);
    EXPECT_EQ(1u, center.CreatedCount());
    EXPECT_EQ(0u, center.SentCount());
    EXPECT_EQ(1u, center.PostedCount());
    center.Dispatch();
    EXPECT_EQ((std::vector<std::string>{"L:6"}), log);
}

TEST_F(MessageCenterTest, ReleasingDuringDeliverySkipsTheRestOfItsDeliveries) {
    RecordingListener listener(log, "L");
    center.AddListener(CHANGE_LEVEL, &listener);
    auto* doomed = CloneMessage<ChangeLevelMessage>();
    auto* other = CloneMessage<ChangeSceneMessage>();
    center.AddListener(CHANGE_SCENE, &listener);
    listener.onMessage = [&](IMessage* m) {
        if (m == doomed) center.Release(doomed);
    };
    doomed->Post();
    doomed->Post();
    other->Post();
    center.Dispatch();
    EXPECT_EQ((std::vector<std::string>{"L:6", "L:8"}), log);
}

TEST_F(MessageCenterTest, PrototypesAreStoredOncePerIdAndClonesStartEmpty) {
    RegisterMessage<LevelStatusMessage>();
    IMessage* prototype = MessagePrototypes::GetInstance().Get(LEVEL_STATUS);
    RegisterMessage<LevelStatusMessage>();
    EXPECT_EQ(prototype, MessagePrototypes::GetInstance().Get(LEVEL_STATUS));
    static_cast<LevelStatusMessage*>(prototype)->Set(5, "x");
    auto* clone = static_cast<LevelStatusMessage*>(prototype->Clone());
    EXPECT_EQ(0, clone->status);
    EXPECT_EQ("", clone->text);
    EXPECT_EQ(LEVEL_STATUS, clone->id);
}

}  // namespace
