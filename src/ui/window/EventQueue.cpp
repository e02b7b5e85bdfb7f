#include "ui/window/EventQueue.h"

#include <algorithm>
#include <cmath>

namespace tavlira {

EventQueue::EventQueue(EventStage& eventStage, QObject* parent)
    : QObject(parent), stage(eventStage) {
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, &EventQueue::Resume);
}

void EventQueue::Play(MatchOutbox events) {
    for (MatchEvent& event : events)
        queue.push_back(std::move(event));
    if (!running && !waiting)
        Run();
}

void EventQueue::SetTimeScale(double factor) {
    timeScale = std::max(0.0, factor);
}

void EventQueue::Hold(int milliseconds) {
    waiting = true;
    timer.start(static_cast<int>(std::lround(milliseconds * timeScale)));
}

void EventQueue::Run() {
    running = true;
    while (!queue.empty() && !waiting) {
        const MatchEvent event = std::move(queue.front());
        queue.pop_front();
        const Event* gameEvent = std::get_if<Event>(&event);
        if (const auto* flight = gameEvent ? std::get_if<event::FlyCards>(gameEvent) : nullptr) {
            if (stage.StartFlight(*flight)) {
                flying = true;
                Hold(0);
            }
        } else if (const auto* pause = gameEvent ? std::get_if<event::Pause>(gameEvent) : nullptr) {
            Hold(pause->milliseconds);
        } else if (const auto* sound =
                       gameEvent ? std::get_if<event::PlaySound>(gameEvent) : nullptr) {
            const int length = media->PlayEffect(sound->effect, sound->wait);
            if (sound->wait)
                Hold(length);
        } else if (const auto* speak = std::get_if<match_event::SpeakCard>(&event)) {
            media->SpeakCard(speak->card);
        } else {
            stage.Apply(event);
        }
    }
    running = false;
    if (!waiting && queue.empty())
        stage.QueueIdle();
}

void EventQueue::Resume() {
    waiting = false;
    if (flying) {
        if (const std::optional<int> pause = stage.NextFlightFrame()) {
            Hold(*pause);
            return;
        }
        flying = false;
    }
    Run();
}

} // namespace tavlira
