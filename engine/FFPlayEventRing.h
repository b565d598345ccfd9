#pragma once
// The ring of position and state events between the player's threads and its event-delivery
// thread. It keeps only the newest of consecutive events of one kind, and when more than nine
// events wait the oldest is dropped, so a slow GUI thread gets the latest news, not a backlog.
// A playback's last event closes the ring: nothing pushed later replaces it or follows it, so
// the delivery thread always gets it and ends; the next playback reopens the ring.

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

    // Nothing is queued while the ring is closed.
    void Push(const TPlayEventItem& item);
    // Queues the playback's last event and closes the ring.
    void Close(const TPlayEventItem& last);
    bool Closed();
    // Empties the ring and opens it for the next playback.
    void Reopen();
    // The oldest event, or one of kind pekNone when the ring is empty.
    TPlayEventItem Pop();
    // Set while the ring holds events.
    Event& Signal() { return event_; }

private:
    // Under lock_.
    void Append(const TPlayEventItem& item);

    std::mutex lock_;
    Event event_{true, false};
    int header_ = 0;  // oldest event
    int tailer_ = 0;  // one past the newest event
    bool closed_ = false;
    TPlayEventItem events_[Capacity];
};
