#pragma once
// The ring of position and state events between the player's threads and its event-delivery
// thread. It keeps only the newest of consecutive events of one kind, and when more than nine
// events wait the oldest is dropped, so a slow GUI thread gets the latest news, not a backlog.

#include "platform/kernel/Sync.h"

#include <cstdint>
#include <mutex>

enum TPlayEventKind : std::int32_t { pekNone = 0, pekPosition = 1, pekState = 2, pekEndDelivery = 3 };

struct TPlayEventItem {
    TPlayEventKind Kind = pekNone;
    std::int64_t Value = 0;  // the position in microseconds, or the TPlayState ordinal
};

class TPlayEventRing {
public:
    static constexpr int Capacity = 10;  // slots; one stays free, so at most 9 events wait

    void Push(const TPlayEventItem& item);
    // The oldest event, or one of kind pekNone when the ring is empty.
    TPlayEventItem Pop();
    // Set while the ring holds events.
    Event& Signal() { return event_; }

private:
    std::mutex lock_;
    Event event_{true, false};
    int header_ = 0;  // oldest event
    int tailer_ = 0;  // one past the newest event
    TPlayEventItem events_[Capacity];
};
