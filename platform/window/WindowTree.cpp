#include "platform/window/WindowTree.h"

#include "platform/window/WindowSystem.h"

#include <algorithm>

Window* TopLevelOf(Window* w)
{
    while (w && !w->IsTopLevel())
        w = w->parent;
    return w;
}

POINT ScreenOrigin(const Window* w)
{
    POINT p{0, 0};
    for (; w && !w->IsDesktop(); w = w->parent) {
        p.x += w->rect.left;
        p.y += w->rect.top;
        if (w->parent && !w->parent->IsDesktop()) {
            p.x += w->parent->client.left;
            p.y += w->parent->client.top;
        }
    }
    return p;
}

POINT ClientScreenOrigin(const Window* w)
{
    POINT p = ScreenOrigin(w);
    p.x += w->client.left;
    p.y += w->client.top;
    return p;
}

POINT OriginInTopLevel(const Window* w)
{
    POINT p{0, 0};
    for (; w && !w->IsTopLevel() && !w->IsDesktop(); w = w->parent) {
        p.x += w->rect.left + w->parent->client.left;
        p.y += w->rect.top + w->parent->client.top;
    }
    return p;
}

bool IsVisibleChain(const Window* w)
{
    for (; w; w = w->parent) {
        if (!w->Visible())
            return false;
    }
    return true;
}

bool IsDescendant(const Window* ancestor, const Window* w)
{
    for (w = w ? w->parent : nullptr; w; w = w->parent) {
        if (w == ancestor)
            return true;
    }
    return false;
}

void Unlink(Window* w)
{
    if (w->parent)
        std::erase(w->parent->children, w);
}

void LinkAt(Window* w, Window* after, bool bottom)
{
    auto& list = w->parent->children;
    std::erase(list, w);
    if (w->IsTopLevel()) {
        // Topmost windows form a band above the others; placement stays inside the own band.
        const bool topmost = (w->exStyle & WS_EX_TOPMOST) != 0;
        auto bandBegin = list.begin();
        auto bandEnd = list.end();
        auto firstNormal = std::find_if(list.begin(), list.end(), [](Window* x) { return !(x->exStyle & WS_EX_TOPMOST); });
        if (topmost)
            bandEnd = firstNormal;
        else
            bandBegin = firstNormal;
        auto pos = bottom ? bandEnd : bandBegin;
        if (after) {
            auto it = std::find(bandBegin, bandEnd, after);
            if (it != bandEnd)
                pos = it + 1;
        }
        list.insert(pos, w);
        return;
    }
    auto pos = bottom ? list.end() : list.begin();
    if (after) {
        auto it = std::find(list.begin(), list.end(), after);
        if (it != list.end())
            pos = it + 1;
    }
    list.insert(pos, w);
}

std::vector<Window*> OwnedWindows(const Window* owner)
{
    std::vector<Window*> owned;
    for (Window* w : Sys().Desktop().children) {
        if (w->owner == owner)
            owned.push_back(w);
    }
    return owned;
}

void RaiseOwnedAbove(Window* owner)
{
    auto& list = owner->parent->children;
    std::vector<Window*> owned;
    std::vector<const Window*> owners{owner};
    for (std::size_t i = 0; i < owners.size(); ++i) {
        for (Window* w : list) {
            if (w->owner == owners[i] && std::find(owned.begin(), owned.end(), w) == owned.end()) {
                owned.push_back(w);
                owners.push_back(w);
            }
        }
    }
    // Top of the z-order first, as the list holds them.
    std::sort(owned.begin(), owned.end(), [&](Window* a, Window* b) {
        return std::find(list.begin(), list.end(), a) < std::find(list.begin(), list.end(), b);
    });
    for (Window* w : owned) {
        if ((w->exStyle & WS_EX_TOPMOST) != (owner->exStyle & WS_EX_TOPMOST))
            continue;
        std::erase(list, w);
        list.insert(std::find(list.begin(), list.end(), owner), w);
    }
}

RECT ClientRectInParent(const Window* w)
{
    return RECT{w->rect.left + w->client.left, w->rect.top + w->client.top, w->rect.left + w->client.right,
                w->rect.top + w->client.bottom};
}
