#include "platform/window/VisibleRegion.h"

#include "platform/window/WindowTree.h"

namespace {

RECT Offset(RECT r, POINT by)
{
    OffsetRect(&r, by.x, by.y);
    return r;
}

// A window's own area in its top-level window's coordinates, given its parent's client origin there.
Region WindowArea(const Window* w, POINT parentClientOrigin)
{
    Region area(Offset(w->rect, parentClientOrigin));
    if (w->shape) {
        Region shape = *w->shape;
        shape.Offset(parentClientOrigin.x + w->rect.left, parentClientOrigin.y + w->rect.top);
        area = area.Intersect(shape);
    }
    return area;
}

} // namespace

Region VisibleRegion(const Window* w, bool clientOnly, bool clipChildren, bool clipSiblings)
{
    if (!w || w->IsDesktop() || !IsVisibleChain(w))
        return Region();
    const POINT origin = OriginInTopLevel(w);
    Region visible(Offset(clientOnly ? w->client : RECT{0, 0, w->Width(), w->Height()}, origin));
    if (w->shape) {
        Region shape = *w->shape;
        shape.Offset(origin.x, origin.y);
        visible = visible.Intersect(shape);
    }
    for (const Window* x = w; !x->IsTopLevel() && !visible.IsEmpty(); x = x->parent) {
        const Window* parent = x->parent;
        const POINT parentOrigin = OriginInTopLevel(parent);
        const POINT clientOrigin{parentOrigin.x + parent->client.left, parentOrigin.y + parent->client.top};
        visible = visible.Intersect(Region(Offset(parent->client, parentOrigin)));
        if (parent->shape) {
            Region shape = *parent->shape;
            shape.Offset(parentOrigin.x, parentOrigin.y);
            visible = visible.Intersect(shape);
        }
        if (x == w ? (clipSiblings || (x->style & WS_CLIPSIBLINGS)) : (x->style & WS_CLIPSIBLINGS) != 0) {
            for (const Window* sibling : parent->children) {
                if (sibling == x)
                    break;
                if (sibling->Visible())
                    visible = visible.Subtract(WindowArea(sibling, clientOrigin));
            }
        }
    }
    if (clipChildren && !visible.IsEmpty()) {
        const POINT clientOrigin{origin.x + w->client.left, origin.y + w->client.top};
        // Children show only inside the client area: the frame beside one reaching past it stays.
        const Region clientArea(Offset(w->client, origin));
        for (const Window* child : w->children) {
            // A transparent child lets its parent paint beneath it.
            if (child->Visible() && !(child->exStyle & WS_EX_TRANSPARENT))
                visible = visible.Subtract(WindowArea(child, clientOrigin).Intersect(clientArea));
        }
    }
    return visible;
}
