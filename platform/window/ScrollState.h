#pragma once
// What a window keeps of one of its scroll bars (internal to the window layer).

struct ScrollBarState {
    int min = 0;
    int max = 0;
    unsigned page = 0;
    int pos = 0;
    int trackPos = 0;
    bool tracking = false;  // the thumb is being dragged: trackPos is where it is
};
