#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "platform/sound_device.h"
#include "support/engine_test.h"

namespace {

using platform::ChannelHandle;
using platform::OpenResult;
using platform::SoundGroup;

// The mixer device on SDL's dummy driver, with the committed sounds of the temporary Resources/.
class SoundDeviceTest : public ResourcesTest {
protected:
    void SetUp() override {
        ResourcesTest::SetUp();
        device = platform::CreateMixerSoundDevice();
        ASSERT_EQ(OpenResult::Opened, device->Open(kChannels)) << device->LastError();
        theme = device->Load("Resources/sfx/menu_theme.wav", true);
        ASSERT_GE(theme, 0) << device->LastError();
    }
    void TearDown() override {
        device.reset();
        ResourcesTest::TearDown();
    }

    ChannelHandle PlayTheme(SoundGroup group = SoundGroup::Music) {
        ChannelHandle handle;
        EXPECT_TRUE(device->Play(theme, group, handle)) << device->LastError();
        return handle;
    }

    static constexpr int kChannels = 32;
    std::unique_ptr<platform::SoundDevice> device;
    int theme = -1;
};

TEST_F(SoundDeviceTest, EveryPlayTakesANewChannelUntilAllAreBusy) {
    std::vector<ChannelHandle> plays;
    for (int i = 0; i < kChannels; ++i) plays.push_back(PlayTheme());
    for (int i = 0; i < kChannels; ++i) {
        EXPECT_EQ(i, plays[static_cast<size_t>(i)].channel);
        EXPECT_TRUE(device->IsPlaying(plays[static_cast<size_t>(i)]));
    }
    // The 33rd play takes over the oldest channel; the handle of that old play goes stale and
    // can no longer stop what now plays there.
    const ChannelHandle newest = PlayTheme();
    EXPECT_EQ(0, newest.channel);
    EXPECT_FALSE(device->IsPlaying(plays[0]));
    EXPECT_FALSE(device->Stop(plays[0]));
    EXPECT_FALSE(device->SetPaused(plays[0], true));
    EXPECT_TRUE(device->IsPlaying(newest));
    EXPECT_FALSE(device->IsPausedNow(newest));
}

TEST_F(SoundDeviceTest, HandlesThatNameNoPlayNeverReachEveryChannel) {
    const ChannelHandle playing = PlayTheme();
    const ChannelHandle nothing[] = {ChannelHandle{}, ChannelHandle{-1, playing.generation},
                                     ChannelHandle{kChannels, 1}, ChannelHandle{playing.channel, 0}};
    for (const ChannelHandle& handle : nothing) {
        SCOPED_TRACE(testing::Message() << "channel " << handle.channel << " generation " << handle.generation);
        EXPECT_FALSE(device->Stop(handle));
        EXPECT_FALSE(device->SetPaused(handle, true));
        EXPECT_FALSE(device->IsPlaying(handle));
    }
    EXPECT_TRUE(device->IsPlaying(playing));
    EXPECT_FALSE(device->IsPausedNow(playing));
}

TEST_F(SoundDeviceTest, AChannelIsPausedByItsOwnPauseOrItsGroups) {
    struct Case {
        bool own;
        bool group;
        bool paused;
    };
    const Case cases[] = {{false, false, false}, {true, false, true}, {false, true, true}, {true, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "own " << c.own << " group " << c.group);
        const ChannelHandle music = PlayTheme(SoundGroup::Music);
        const ChannelHandle effect = PlayTheme(SoundGroup::Effects);
        ASSERT_TRUE(device->SetPaused(music, c.own));
        ASSERT_TRUE(device->SetGroupPaused(SoundGroup::Music, c.group));
        EXPECT_EQ(c.paused, device->IsPausedNow(music));
        EXPECT_FALSE(device->IsPausedNow(effect));
        EXPECT_TRUE(device->IsPlaying(music));  // paused is still under way
        // Lifting the group's pause leaves the channel's own.
        ASSERT_TRUE(device->SetGroupPaused(SoundGroup::Music, false));
        EXPECT_EQ(c.own, device->IsPausedNow(music));
        device->Stop(music);
        device->Stop(effect);
    }
}

TEST_F(SoundDeviceTest, APlayStartedInAPausedGroupStartsPaused) {
    ASSERT_TRUE(device->SetGroupPaused(SoundGroup::Effects, true));
    const ChannelHandle effect = PlayTheme(SoundGroup::Effects);
    EXPECT_TRUE(device->IsPausedNow(effect));
    ASSERT_TRUE(device->SetGroupPaused(SoundGroup::Effects, false));
    EXPECT_FALSE(device->IsPausedNow(effect));
}

TEST_F(SoundDeviceTest, StoppingAGroupLeavesTheOtherPlaying) {
    const ChannelHandle music = PlayTheme(SoundGroup::Music);
    const ChannelHandle effect = PlayTheme(SoundGroup::Effects);
    ASSERT_TRUE(device->StopGroup(SoundGroup::Music));
    EXPECT_FALSE(device->IsPlaying(music));
    EXPECT_TRUE(device->IsPlaying(effect));
    EXPECT_FALSE(device->Stop(music));  // already over
}

TEST_F(SoundDeviceTest, GroupVolumesAreSeparateAndMustBeNumbers) {
    ASSERT_TRUE(device->SetGroupVolume(SoundGroup::Music, 0.5f));
    EXPECT_FLOAT_EQ(0.5f, device->GroupVolume(SoundGroup::Music));
    EXPECT_FLOAT_EQ(1.0f, device->GroupVolume(SoundGroup::Effects));
    EXPECT_FALSE(device->SetGroupVolume(SoundGroup::Effects, std::nanf("")));
    EXPECT_FALSE(device->SetGroupVolume(SoundGroup::Effects, INFINITY));
    EXPECT_FLOAT_EQ(1.0f, device->GroupVolume(SoundGroup::Effects));
}

TEST_F(SoundDeviceTest, ReleasingASoundEndsItsPlaysAndItsId) {
    const ChannelHandle music = PlayTheme();
    ASSERT_TRUE(device->Release(theme));
    EXPECT_FALSE(device->IsPlaying(music));
    ChannelHandle again;
    EXPECT_FALSE(device->Play(theme, SoundGroup::Music, again));
    EXPECT_FALSE(device->Release(theme));
}

TEST_F(SoundDeviceTest, AMissingFileIsNoSound) {
    EXPECT_EQ(-1, device->Load("Resources/sfx/no_such_sound.wav", false));
    EXPECT_FALSE(device->LastError().empty());
}

TEST_F(SoundDeviceTest, OnlyOneDeviceHoldsTheMixerAndClosingForgetsEverything) {
    auto second = platform::CreateMixerSoundDevice();
    EXPECT_EQ(OpenResult::MixerFailed, second->Open(kChannels));
    EXPECT_EQ(0u, second->Session());

    const uint64_t first = device->Session();
    const ChannelHandle music = PlayTheme();
    device->Close();
    EXPECT_EQ(0u, device->Session());
    EXPECT_FALSE(device->IsPlaying(music));
    EXPECT_FALSE(device->SetGroupPaused(SoundGroup::Music, true));

    ASSERT_EQ(OpenResult::Opened, second->Open(kChannels)) << second->LastError();
    EXPECT_NE(first, second->Session());
    second->Close();
}

}  // namespace
