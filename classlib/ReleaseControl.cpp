#include "classlib/Controls.h"
#include "classlib/Forms.h"
#include "platform/window/User.h"

#include <utility>
#include <vector>

namespace {

struct PendingRelease {
    TControl* control;
    std::weak_ptr<bool> alive;
};

std::vector<PendingRelease>& pending()
{
    static std::vector<PendingRelease> list;
    return list;
}

} // namespace

void ReleaseControl(TControl* Control)
{
    if (!Control)
        return;
    if (auto* win = dynamic_cast<TWinControl*>(Control); win && win->HandleAllocated())
        SetWindowPos(win->GetHandle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    pending().push_back(PendingRelease{Control, Control->AliveToken()});
    PostMessage(Application->Handle(), CM_RELEASE, 0, 0);
}

void FreeReleasedControls()
{
    std::vector<PendingRelease> due = std::exchange(pending(), {});
    for (const PendingRelease& p : due) {
        auto alive = p.alive.lock();
        if (alive && *alive)
            p.control->Free();
    }
}
