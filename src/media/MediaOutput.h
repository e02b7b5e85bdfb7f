#pragma once
// What the event queue and the window ask of the speakers: the game's sound
// effects and the spoken card names. Nothing here ever blocks: a sound the
// game waits for tells its length, and the queue holds for that long.

#include "game/Card.h"
#include "game/Effect.h"

namespace tavlira {

class MediaOutput {
  public:
    virtual ~MediaOutput() = default;
    // Starts the effect, cutting off any sound still playing. Returns how
    // long the caller must wait, in milliseconds: the sound's length when
    // `wait` is set and the effect sounds, 0 otherwise.
    virtual int PlayEffect(Effect effect, bool wait) = 0;
    // Starts the card's name in the current language, cutting off any sound
    // still playing; false when there is no recording of it.
    virtual bool SpeakCard(CardCode card) = 0;
};

// The speakers of a program without sound: nothing plays, nothing waits.
class SilentMedia final : public MediaOutput {
  public:
    int PlayEffect(Effect, bool) override { return 0; }
    bool SpeakCard(CardCode) override { return false; }
};

} // namespace tavlira
