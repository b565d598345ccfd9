#pragma once
// A player whose threads tell the test of the playback's points, where it may hold them.

#include "engine/FFPlay.h"

#include <functional>

class HeldPlayer : public TFFPlayer {
public:
    using Point = TPlayPoint;
    // Set while no file is open.
    std::function<void(Point, TPlayState)> OnReached;

protected:
    void Reached(Point point, TPlayState state) override
    {
        if (OnReached)
            OnReached(point, state);
    }
};
