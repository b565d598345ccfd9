#include "classlib/MessageLabel.h"

#include "classlib/Forms.h"
#include "classlib/StdCtrls.h"

#include <algorithm>

void FitMessageLabel(TCustomForm* Box, TCustomLabel* Label, int AroundWidth, int AroundHeight)
{
    // The frame's own size is known once the box has its window.
    Box->HandleNeeded();
    // Boxes are centred on the screen: the room is what the work area holds around its centre.
    const RECT area = Screen->WorkAreaRect();
    const int centreX = Screen->GetWidth() / 2, centreY = Screen->GetHeight() / 2;
    const int roomWidth = 2 * std::min(centreX - area.left, area.right - centreX);
    const int roomHeight = 2 * std::min(centreY - area.top, area.bottom - centreY);
    const int maxWidth = std::max(1, roomWidth - (Box->GetWidth() - Box->GetClientWidth()) - AroundWidth);
    const int maxHeight = std::max(1, roomHeight - (Box->GetHeight() - Box->GetClientHeight()) - AroundHeight);
    if (Label->GetWidth() > maxWidth) {
        Label->SetWordWrap(false);
        Label->SetWidth(maxWidth);
        Label->SetWordWrap(true);
    }
    if (Label->GetHeight() > maxHeight) {
        Label->SetAutoSize(false);
        Label->SetHeight(maxHeight);
    }
}
