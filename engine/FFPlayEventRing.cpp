#include "engine/FFPlayEventRing.h"

void TPlayEventRing::Push(const TPlayEventItem& item)
{
    std::lock_guard<std::mutex> lock(lock_);
    Append(item);
}

void TPlayEventRing::Append(const TPlayEventItem& item)
{
    if (closed_)
        return;
    const bool empty = header_ == tailer_;
    if (empty || events_[(tailer_ + Capacity - 1) % Capacity].Kind != item.Kind) {
        tailer_ = (tailer_ + 1) % Capacity;
        if (tailer_ == header_)
            header_ = (header_ + 1) % Capacity;
    }
    events_[(tailer_ + Capacity - 1) % Capacity] = item;
    event_.Set();
}

TPlayEventItem TPlayEventRing::Pop()
{
    std::lock_guard<std::mutex> lock(lock_);
    if (header_ == tailer_)
        return TPlayEventItem{};
    TPlayEventItem item = events_[header_];
    header_ = (header_ + 1) % Capacity;
    if (header_ == tailer_)
        event_.Reset();
    return item;
}

void TPlayEventRing::Close(const TPlayEventItem& last)
{
    std::lock_guard<std::mutex> lock(lock_);
    Append(last);
    closed_ = true;
}

bool TPlayEventRing::Closed()
{
    std::lock_guard<std::mutex> lock(lock_);
    return closed_;
}

void TPlayEventRing::Reopen()
{
    std::lock_guard<std::mutex> lock(lock_);
    header_ = tailer_ = 0;
    closed_ = false;
    event_.Reset();
}
