#include "ControlTestSupport.h"

#include "classlib/StdCtrls.h"

TEST_F(ControlsTest, ReleasedControlIsHiddenAtOnceAndFreedAfterItsHandler)
{
    TForm* form = ShownForm();
    auto* popup = new TCustomControl(form);
    popup->SetParentWindow(form->GetHandle());
    popup->SetBounds(0, 0, 40, 40);
    popup->Show();
    Pump();
    const HWND h = popup->GetHandle();
    const auto alive = popup->AliveToken();
    bool visibleInHandler = true;
    popup->OnClick = [&](TObject* Sender) {
        ReleaseControl(static_cast<TControl*>(Sender));
        visibleInHandler = IsWindowVisible(h) != FALSE;
        // Still usable until the handler has returned.
        static_cast<TControl*>(Sender)->SetTag(7);
    };
    popup->Click();
    EXPECT_FALSE(visibleInHandler);
    EXPECT_TRUE(*alive);
    Pump();
    EXPECT_FALSE(*alive);

    // One freed before the release comes is left alone.
    auto* gone = new TCustomControl(form);
    ReleaseControl(gone);
    gone->Free();
    Pump();
    ReleaseControl(nullptr);
}
