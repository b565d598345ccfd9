#include "ControlTestSupport.h"

#include "classlib/ExtCtrls.h"

#include <vector>

using ZOrder = ControlsTest;

namespace {

// The parent's child windows from the top down.
std::vector<HWND> TopDown(HWND parent)
{
    std::vector<HWND> order;
    for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        order.push_back(h);
    return order;
}

} // namespace

// A later windowed child lies above an earlier one, also after its window or an earlier one's
// is made again, and BringToFront and SendToBack keep that rule.
TEST_F(ZOrder, LaterChildrenLieAboveEarlierOnesAlsoWhenAWindowIsMadeAgain)
{
    TForm* form = ShownForm();
    auto* a = new TPanel(form);
    a->SetParent(form);
    auto* b = new TPanel(form);
    b->SetParent(form);
    auto* c = new TPanel(form);
    c->SetParent(form);
    EXPECT_EQ(TopDown(form->GetHandle()), (std::vector<HWND>{c->GetHandle(), b->GetHandle(), a->GetHandle()}));
    a->RecreateWnd();
    Pump();
    EXPECT_EQ(TopDown(form->GetHandle()), (std::vector<HWND>{c->GetHandle(), b->GetHandle(), a->GetHandle()}));
    b->RecreateWnd();
    Pump();
    EXPECT_EQ(TopDown(form->GetHandle()), (std::vector<HWND>{c->GetHandle(), b->GetHandle(), a->GetHandle()}));
    a->BringToFront();
    b->RecreateWnd();
    Pump();
    EXPECT_EQ(TopDown(form->GetHandle()), (std::vector<HWND>{a->GetHandle(), c->GetHandle(), b->GetHandle()}));
}
