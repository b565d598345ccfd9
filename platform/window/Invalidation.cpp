#include "platform/window/Invalidation.h"

#include "platform/window/Paint.h"
#include "platform/window/WindowTree.h"

namespace {

Region ClientArea(const Window* w)
{
    return Region(w->client);
}

} // namespace

void RedrawArea(Window* w, const Region* area, UINT flags)
{
    if (!w || w->IsDesktop())
        return;
    const RECT whole{0, 0, w->Width(), w->Height()};
    // The area in window coordinates.
    Region target;
    if (area) {
        target = *area;
        target.Offset(w->client.left, w->client.top);
        target = target.Intersect(Region(whole));
    } else {
        target = (flags & RDW_FRAME) ? Region(whole) : ClientArea(w);
    }
    if (!(flags & RDW_FRAME))
        target = target.Intersect(ClientArea(w));

    if ((flags & RDW_INVALIDATE) && IsVisibleChain(w)) {
        if (!target.IsEmpty()) {
            w->update = w->update.Union(target);
            if (!target.Subtract(ClientArea(w)).IsEmpty())
                w->frameDirty = true;
            if (flags & RDW_ERASE)
                w->eraseDirty = true;
        }
        if (flags & RDW_INTERNALPAINT)
            w->internalPaint = true;
    }
    if (flags & RDW_VALIDATE) {
        w->update = w->update.Subtract(target);
        ++w->validations;
        if ((!area && (flags & RDW_FRAME)) || (flags & RDW_NOFRAME))
            w->frameDirty = false;
        if ((flags & RDW_NOERASE) || w->update.Intersect(ClientArea(w)).IsEmpty())
            w->eraseDirty = false;
        if (flags & RDW_NOINTERNALPAINT)
            w->internalPaint = false;
    }

    const bool children = (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->style & WS_CLIPCHILDREN));
    if (!children)
        return;
    // A child's part of the area, in the child's client coordinates, frame included.
    const Region inClient = target.Intersect(ClientArea(w));
    for (Window* child : w->children) {
        if (!child->Visible())
            continue;
        Region part = inClient;
        part.Offset(-(w->client.left + child->rect.left + child->client.left),
                    -(w->client.top + child->rect.top + child->client.top));
        const RECT childBox{-child->client.left, -child->client.top, child->Width() - child->client.left,
                            child->Height() - child->client.top};
        part = part.Intersect(Region(childBox));
        if (!part.IsEmpty())
            RedrawArea(child, &part, (flags | RDW_FRAME) & ~RDW_NOFRAME);
    }
}

void InvalidateAll(Window* w)
{
    RedrawArea(w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}
