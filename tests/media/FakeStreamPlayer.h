#pragma once
// A stream player without sound for tests: it remembers what it was asked
// and moves through the states a test tells it to.

#include "media/StreamPlayer.h"

#include <vector>

namespace tavlira {

class FakeStreamPlayer final : public StreamPlayer {
  public:
    void Play(const QUrl& address) override {
        played.push_back(address);
        Enter(StreamState::Connecting);
    }
    void Stop() override {
        ++stops;
        Enter(StreamState::Stopped);
    }
    void Pause() override { Enter(StreamState::Paused); }
    void Resume() override { Enter(StreamState::Playing); }
    void SetVolume(int percent) override { volume = percent; }
    StreamState State() const override { return state; }

    // What the backend would report next.
    void Enter(StreamState next) {
        state = next;
        emit StateChanged(state);
    }
    void End() {
        Enter(StreamState::Stopped);
        emit Ended();
    }

    std::vector<QUrl> played;
    int stops = 0;
    int volume = -1;

  private:
    StreamState state = StreamState::Stopped;
};

} // namespace tavlira
