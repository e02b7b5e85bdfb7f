// The queue that plays the match's outbox: snapshots at once, flights, pauses
// and waiting sounds in their time, and nothing overtakes anything.

#include "ui/window/EventQueue.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tavlira {
namespace {

// Records what it is asked to do; each flight shows `framesPerFlight` frames.
class RecordingStage : public EventStage {
  public:
    void Apply(const MatchEvent& event) override {
        if (const auto* game = std::get_if<Event>(&event)) {
            if (std::holds_alternative<event::RedrawHand>(*game))
                log.push_back("hand");
            else if (std::holds_alternative<event::RedrawTable>(*game))
                log.push_back("table");
            else
                log.push_back("other");
        } else if (std::holds_alternative<match_event::Buttons>(event)) {
            log.push_back("buttons");
        }
    }
    bool StartFlight(const event::FlyCards&) override {
        if (!flightsOn)
            return false;
        framesLeft = framesPerFlight;
        log.push_back("flight");
        return true;
    }
    std::optional<int> NextFlightFrame() override {
        if (framesLeft == 0)
            return std::nullopt;
        --framesLeft;
        log.push_back("frame");
        return 0;
    }
    void QueueIdle() override { log.push_back("idle"); }

    std::vector<std::string> log;
    int framesPerFlight = 3;
    int framesLeft = 0;
    bool flightsOn = true;
};

MatchOutbox Events(std::initializer_list<MatchEvent> events) {
    return MatchOutbox(events);
}

void PlayOut(const EventQueue& queue) {
    for (int i = 0; i < 5000 && queue.Busy(); ++i)
        QTest::qWait(1);
}

TEST(EventQueue, SnapshotsApplyAtOnceAndTheQueueRunsDry) {
    RecordingStage stage;
    EventQueue queue(stage);
    queue.Play(
        Events({Event{event::RedrawHand{}}, Event{event::RedrawTable{}}, match_event::Buttons{}}));
    EXPECT_FALSE(queue.Busy());
    EXPECT_EQ(stage.log, (std::vector<std::string>{"hand", "table", "buttons", "idle"}));
}

TEST(EventQueue, AFlightHoldsEveryLaterEventUntilItsLastFrame) {
    RecordingStage stage;
    EventQueue queue(stage);
    queue.Play(Events(
        {Event{event::RedrawHand{}}, Event{event::FlyCards{}}, Event{event::RedrawTable{}}}));
    // The flight has started; the table snapshot behind it waits.
    EXPECT_TRUE(queue.Busy());
    EXPECT_TRUE(queue.FlightRunning());
    EXPECT_EQ(stage.log, (std::vector<std::string>{"hand", "flight"}));

    // Events appended meanwhile queue up behind it.
    queue.Play(Events({match_event::Buttons{}}));
    EXPECT_EQ(stage.log.size(), 2u);

    PlayOut(queue);
    EXPECT_FALSE(queue.Busy());
    EXPECT_EQ(stage.log, (std::vector<std::string>{"hand", "flight", "frame", "frame", "frame",
                                                   "table", "buttons", "idle"}));
}

TEST(EventQueue, WithFlightsOffTheCardsAppearAtOnce) {
    RecordingStage stage;
    stage.flightsOn = false;
    EventQueue queue(stage);
    queue.Play(Events({Event{event::FlyCards{}}, Event{event::RedrawTable{}}}));
    EXPECT_FALSE(queue.Busy());
    EXPECT_EQ(stage.log, (std::vector<std::string>{"table", "idle"}));
}

// Records the sounds the queue starts; each effect lasts `effectMs`.
class RecordingMedia : public MediaOutput {
  public:
    int PlayEffect(Effect effect, bool wait) override {
        log.emplace_back(EffectResourceName(effect));
        return wait ? effectMs : 0;
    }
    bool SpeakCard(CardCode card) override {
        log.push_back("speak " + card.Bytes());
        return true;
    }
    std::vector<std::string> log;
    int effectMs = 0;
};

// A pause and a sound the game waits for hold the queue; a sound that does
// not wait does not.
TEST(EventQueue, PausesAndWaitingSoundsHoldTheQueue) {
    struct Case {
        Event holder;
        bool holds;
    };
    const Case cases[] = {
        {event::Pause{40}, true},
        {event::PlaySound{Effect::CardLands, true}, true},
        {event::PlaySound{Effect::Shuffle, false}, false},
    };
    for (const Case& c : cases) {
        RecordingStage stage;
        EventQueue queue(stage);
        queue.Play(Events({c.holder, Event{event::RedrawTable{}}}));
        EXPECT_EQ(queue.Busy(), c.holds);
        EXPECT_EQ(stage.log.empty(), c.holds);
        PlayOut(queue);
        EXPECT_EQ(stage.log, (std::vector<std::string>{"table", "idle"}));
    }
}

// A scaled-down hour's pause still holds the queue and keeps its place in
// the order; it only ends in time for the test to see it.
TEST(EventQueue, ATimeScaleShortensPausesButKeepsTheirOrder) {
    RecordingStage stage;
    EventQueue queue(stage);
    queue.SetTimeScale(0.0);
    queue.Play(Events({Event{event::Pause{3'600'000}}, Event{event::RedrawTable{}}}));
    EXPECT_TRUE(queue.Busy());
    EXPECT_TRUE(stage.log.empty());
    PlayOut(queue);
    EXPECT_EQ(stage.log, (std::vector<std::string>{"table", "idle"}));
}

// The sounds play in the order of the outbox; a waiting one holds the next
// event for the sound's length, the others and spoken cards hold nothing.
TEST(EventQueue, AWaitingSoundHoldsTheQueueForItsLength) {
    RecordingStage stage;
    RecordingMedia media;
    media.effectMs = 80;
    EventQueue queue(stage);
    queue.SetMedia(media);
    queue.Play(
        Events({Event{event::PlaySound{Effect::Shuffle, false}},
                match_event::SpeakCard{{rank::Queen, suit::Hearts}}, Event{event::RedrawHand{}},
                Event{event::PlaySound{Effect::CardLands, true}}, Event{event::RedrawTable{}}}));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(media.log, (std::vector<std::string>{"WTasoKo", "speak \xC4\xF7", "WHodsDo"}));
    EXPECT_EQ(stage.log, (std::vector<std::string>{"hand"}));
    EXPECT_TRUE(queue.Busy());
    PlayOut(queue);
    EXPECT_GE(clock.elapsed(), 80);
    EXPECT_EQ(stage.log, (std::vector<std::string>{"hand", "table", "idle"}));
}

} // namespace
} // namespace tavlira
