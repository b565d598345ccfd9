#include "skin/form/FormSkinLayerBorder.h"

#include "classlib/Forms.h"
#include "platform/kernel/Clock.h"
#include "platform/window/Layered.h"
#include "platform/window/User.h"
#include "skin/core/TskLayerManager.h"
#include "skin/core/skBlur.h"
#include "skin/core/skSkinData.h"
#include "skin/form/FormSkin.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTop = static_cast<int>(TskFormLayerBorderType::skflTop);
constexpr int kBottom = static_cast<int>(TskFormLayerBorderType::skflBottom);
constexpr int kLeft = static_cast<int>(TskFormLayerBorderType::skflLeft);
constexpr int kRight = static_cast<int>(TskFormLayerBorderType::skflRight);

bool Inside(POINT P, int L, int T, int R, int B)
{
    return L <= P.x && P.x < R && T <= P.y && P.y < B;
}

// Copies Src's columns [sx0, sx1) x rows [sy0, sy0 + h) onto Dst's columns [dx0, dx1) from row
// dy0, stretching by nearest pixel; alpha is copied, not blended.
void CopyColumns(const TskBitmap& Src, int sx0, int sx1, int sy0, TskBitmap& Dst, int dx0, int dx1, int dy0, int h)
{
    const int sw = sx1 - sx0;
    const int dw = dx1 - dx0;
    if (sw <= 0 || dw <= 0)
        return;
    for (int y = 0; y < h; ++y) {
        const int sy = sy0 + y;
        const int dy = dy0 + y;
        if (sy < 0 || sy >= Src.GetHeight() || dy < 0 || dy >= Dst.GetHeight())
            continue;
        for (int x = 0; x < dw; ++x) {
            const int sx = sx0 + static_cast<int>(static_cast<std::int64_t>(x) * sw / dw);
            const int dx = dx0 + x;
            if (sx < 0 || sx >= Src.GetWidth() || dx < 0 || dx >= Dst.GetWidth())
                continue;
            Dst.GetBits()[dy * Dst.GetWidth() + dx] = Src.GetBits()[sy * Src.GetWidth() + sx];
        }
    }
}

// The picture with its alpha from the grey mask; a mask smaller than the picture leaves alpha 0
// where it is missing. Nothing for an index outside the skin's pictures.
std::unique_ptr<TskBitmap> LayerPicture(TskSkinData* SD, int Index, int MaskIndex)
{
    auto picture = [SD](int i) -> TBitmap* {
        return i >= 0 && i < static_cast<int>(SD->FActivePictures.size()) ? SD->FActivePictures[static_cast<std::size_t>(i)].get()
                                                                          : nullptr;
    };
    TBitmap* image = picture(Index);
    if (!image || image->Empty())
        return nullptr;
    auto result = std::make_unique<TskBitmap>();
    result->Assign(image);
    TskBitmap mask;
    mask.SetSize(result->GetWidth(), result->GetHeight());
    mask.Clear(0);
    if (TBitmap* m = picture(MaskIndex)) {
        TskBitmap given;
        given.Assign(m);
        CopyColumns(given, 0, std::min(given.GetWidth(), mask.GetWidth()), 0, mask, 0,
                    std::min(given.GetWidth(), mask.GetWidth()), 0, std::min(given.GetHeight(), mask.GetHeight()));
    }
    AlphaFromGreyMask(*result, mask);
    result->CheckingAlphaBlend();
    return result;
}

} // namespace

// --- band window -----------------------------------------------------------------------------

// The border frees its windows itself (they are not its components).
TskFormLayerWindow::TskFormLayerWindow(TskFormLayerBorder* AOwner, TCustomForm* AForm, TskFormLayerBorderType AType)
    : TCustomControl(nullptr), BorderType(AType), FForm(AForm), FLayerBorder(AOwner)
{
    SetVisible(false);
}

void TskFormLayerWindow::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP;
    // Owned by the form: stacked with it, never above other programs, no task-bar entry.
    Params.WndParent = FForm && FForm->HandleAllocated() ? FForm->GetHandle() : nullptr;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE;
    const RECT& b = FLayerBorder->Data()->BorderRect;
    if (b.right - b.left <= 0 || b.bottom - b.top <= 0)
        Params.ExStyle |= WS_EX_TRANSPARENT;
}

void TskFormLayerWindow::CreateWnd()
{
    TCustomControl::CreateWnd();
    // Covered with the form by other programs' windows, raised with it.
    StackLayeredWithOwner(GetHandle(), true);
}

bool TskFormLayerWindow::CanSizeForm() const
{
    TskFormSkin* frame = FLayerBorder->Frame();
    return frame->IsSizeable() && !frame->GetRollUpState() && frame->GetWindowState() == TWindowState::wsNormal;
}

TskFormLayerBorderHit TskFormLayerWindow::GetHitMode(POINT P) const
{
    using H = TskFormLayerBorderHit;
    const int L = FForm->GetLeft(), T = FForm->GetTop(), W = FForm->GetWidth(), Hf = FForm->GetHeight();
    const int ls = FLayerBorder->LeftSize, ts = FLayerBorder->TopSize, rs = FLayerBorder->RightSize,
              bs = FLayerBorder->BottomSize;
    switch (BorderType) {
    case TskFormLayerBorderType::skflLeft: return P.x >= L - ls ? H::skflhLeft : H::skflhNone;
    case TskFormLayerBorderType::skflRight: return P.x <= L + W + rs ? H::skflhRight : H::skflhNone;
    case TskFormLayerBorderType::skflTop:
        if (Inside(P, L - ls, T - ts, L + 3, T + 3))
            return H::skflhTopLeft;
        if (Inside(P, L, T - ts, L + W, T))
            return H::skflhTop;
        if (Inside(P, L + W - 3, T - ts, L + W + rs, T + 3))
            return H::skflhTopRight;
        if (P.y > T && L - ls <= P.x && P.x < L)
            return H::skflhLeft;
        if (P.y > T && L + W < P.x && P.x <= L + W + rs)
            return H::skflhRight;
        return H::skflhNone;
    case TskFormLayerBorderType::skflBottom:
        if (Inside(P, L - ls, T + Hf - 3, L + 3, T + Hf + bs))
            return H::skflhBottomLeft;
        if (Inside(P, L, T + Hf, L + W, T + Hf + bs))
            return H::skflhBottom;
        if (Inside(P, L + W - 3, T + Hf - 3, L + W + rs, T + Hf + bs))
            return H::skflhBottomRight;
        if (P.y < T + Hf && L - ls <= P.x && P.x < L)
            return H::skflhLeft;
        if (P.y < T + Hf && L + W < P.x && P.x <= L + W + rs)
            return H::skflhRight;
        return H::skflhNone;
    }
    return H::skflhNone;
}

void TskFormLayerWindow::MouseMoveTo(POINT P)
{
    using H = TskFormLayerBorderHit;
    if (FInProcessMessages) {
        FInProcessMessages = false;
        MousePos1 = MousePos2;
        return;
    }
    TskFormSkin* frame = FLayerBorder->Frame();
    if (!FLayerBorder->Data()->HitTestEnable)
        return;
    if (!CanSizeForm()) {
        if (GetCursor() != crDefault)
            SetCursor(crDefault);
        return;
    }
    MousePos2 = P;
    const int dx = MousePos2.x - MousePos1.x;
    const int dy = MousePos2.y - MousePos1.y;
    if (!FDown) {
        frame->FBorderLayerChangeSize = false;
        FHitMode = GetHitMode(P);
        switch (FHitMode) {
        case H::skflhNone: SetCursor(crDefault); break;
        case H::skflhLeft:
        case H::skflhRight: SetCursor(crSizeWE); break;
        case H::skflhTop:
        case H::skflhBottom: SetCursor(crSizeNS); break;
        case H::skflhTopLeft:
        case H::skflhBottomRight: SetCursor(crSizeNWSE); break;
        case H::skflhTopRight:
        case H::skflhBottomLeft: SetCursor(crSizeNESW); break;
        }
        MousePos1 = MousePos2;
        return;
    }
    frame->FBorderLayerChangeSize = true;
    const int L = FForm->GetLeft(), T = FForm->GetTop(), W = FForm->GetWidth(), Hf = FForm->GetHeight();
    auto limitW = [frame](int w) { return std::min(std::max(w, frame->GetMinWidth()), frame->GetMaxWidth()); };
    auto limitH = [frame](int h) { return std::min(std::max(h, frame->GetMinHeight()), frame->GetMaxHeight()); };
    const bool moved = !(dx == 0 && dy == 0);
    bool apply = false;
    RECT n{L, T, W, Hf};  // left, top, width, height
    switch (FHitMode) {
    case H::skflhLeft: {
        const int nw = limitW(W - dx);
        apply = nw == W - dx && dx != 0 && nw != W;
        n = {L + dx, T, nw, Hf};
        break;
    }
    case H::skflhTop: {
        const int nh = limitH(Hf - dy);
        apply = nh == Hf - dy && dy != 0 && nh != Hf;
        n = {L, T + dy, W, nh};
        break;
    }
    case H::skflhRight: {
        const int nw = limitW(W + dx);
        apply = dx != 0 && nw != W;
        n = {L, T, nw, Hf};
        break;
    }
    case H::skflhBottom: {
        const int nh = limitH(Hf + dy);
        apply = dy != 0 && nh != Hf;
        n = {L, T, W, nh};
        break;
    }
    case H::skflhTopLeft: {
        const int nw = limitW(W - dx), nh = limitH(Hf - dy);
        apply = nw == W - dx && nh == Hf - dy && !(nw == W && nh == Hf) && moved;
        n = {L + dx, T + dy, nw, nh};
        break;
    }
    case H::skflhTopRight: {
        const int nw = limitW(W + dx), nh = limitH(Hf - dy);
        apply = nh == Hf - dy && !(nw == W && nh == Hf) && moved;
        n = {L, T + dy, nw, nh};
        break;
    }
    case H::skflhBottomLeft: {
        const int nw = limitW(W - dx), nh = limitH(Hf + dy);
        apply = nw == W - dx && !(nw == W && nh == Hf) && moved;
        n = {L + dx, T, nw, nh};
        break;
    }
    case H::skflhBottomRight: {
        const int nw = limitW(W + dx), nh = limitH(Hf + dy);
        apply = !(nw == W && nh == Hf) && moved;
        n = {L, T, nw, nh};
        break;
    }
    case H::skflhNone: break;
    }
    if (apply) {
        FForm->SetBounds(n.left, n.top, n.right, n.bottom);
        MousePos1 = MousePos2;
        FInProcessMessages = true;
        Application->ProcessMessages();
        FInProcessMessages = false;
    }
    MousePos1 = MousePos2;
}

void TskFormLayerWindow::WndProc(TMessage& Message)
{
    const bool hitTest = FLayerBorder->Data() && FLayerBorder->Data()->HitTestEnable;
    POINT p{};
    switch (Message.Msg) {
    case WM_MOUSEACTIVATE:
        Message.Result = MA_NOACTIVATE;
        if (hitTest) {
            GetCursorPos(&p);
            FHitMode = GetHitMode(p);
            if (FHitMode != TskFormLayerBorderHit::skflhNone && GetForegroundWindow() != FForm->GetHandle())
                FForm->Show();
        }
        return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        TCustomControl::WndProc(Message);
        if (hitTest && CanSizeForm()) {
            GetCursorPos(&p);
            FInProcessMessages = false;
            FDown = GetHitMode(p) != TskFormLayerBorderHit::skflhNone;
            MousePos1 = MousePos2 = p;
        }
        return;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        TCustomControl::WndProc(Message);
        FLayerBorder->Frame()->FBorderLayerChangeSize = false;
        if (hitTest && CanSizeForm()) {
            FDown = false;
            FInProcessMessages = false;
        }
        return;
    case WM_MOUSEMOVE:
        if (!FInProcessMessages)
            TCustomControl::WndProc(Message);
        GetCursorPos(&p);
        MouseMoveTo(p);
        return;
    default:
        TCustomControl::WndProc(Message);
    }
}

// --- border ----------------------------------------------------------------------------------

TskFormLayerBorder::TskFormLayerBorder(TskFormSkin* AOwner) : TComponent(AOwner), BSF(AOwner) {}

TskFormLayerBorder::~TskFormLayerBorder()
{
    FreeWindows();
}

void TskFormLayerBorder::InitFrame(TskSkinData* ASkinData, TCustomForm* AForm)
{
    FForm = AForm;
    FData = ASkinData && !ASkinData->Empty ? ASkinData->LayerFrame.get() : nullptr;
    if (FData && FData->PictureIndex == -1)
        FData = nullptr;
    if (!FData)
        return;
    FCurrentAlphaBlendValue = FData->AlphaBlendValue;
    FCurrentInActiveAlphaBlendValue = FData->InActiveAlphaBlendValue;
    FSourceBitmap = LayerPicture(ASkinData, FData->PictureIndex, FData->MaskPictureIndex);
    FSourceInActiveBitMap = FData->InActivePictureIndex == -1
                                ? nullptr
                                : LayerPicture(ASkinData, FData->InActivePictureIndex, FData->InActiveMaskPictureIndex);
    // A picture index outside the skin's pictures leaves nothing to draw.
    if (!FSourceBitmap) {
        FData = nullptr;
        return;
    }
    const RECT& b = FData->BorderRect;
    const RECT& c = FData->ClRect;
    if (b.right - b.left <= 0 || b.bottom - b.top <= 0) {
        LeftSize = TopSize = RightSize = BottomSize = 0;
    } else {
        LeftSize = c.left - b.left;
        TopSize = c.top - b.top;
        RightSize = b.right - c.right;
        BottomSize = b.bottom - c.bottom;
    }
}

int TskFormLayerBorder::TopH() const
{
    return std::max(FData->LTPoint.y, FData->RTPoint.y);
}

int TskFormLayerBorder::BottomH() const
{
    return FSourceBitmap->GetHeight() - std::min(FData->LBPoint.y, FData->RBPoint.y);
}

RECT TskFormLayerBorder::BorderRectOf(int ALeft, int ATop, int AW, int AH) const
{
    const RECT& c = FData->ClRect;
    const int w = AW + FSourceBitmap->GetWidth() - (c.right - c.left);
    const int h = AH + FSourceBitmap->GetHeight() - (c.bottom - c.top);
    return RECT{ALeft - c.left, ATop - c.top, ALeft - c.left + w, ATop - c.top + h};
}

RECT TskFormLayerBorder::BandPlace(TskFormLayerBorderType Type, int X, int Y, int AWidth, int AHeight) const
{
    const int topH = TopH(), bottomH = BottomH();
    const int leftW = FData->ClRect.left;
    const int rightW = FSourceBitmap->GetWidth() - FData->ClRect.right;
    switch (Type) {
    case TskFormLayerBorderType::skflTop: return RECT{X, Y, X + AWidth, Y + topH};
    case TskFormLayerBorderType::skflBottom: return RECT{X, Y + AHeight - bottomH, X + AWidth, Y + AHeight};
    case TskFormLayerBorderType::skflLeft: return RECT{X, Y + topH, X + leftW, Y + AHeight - bottomH};
    case TskFormLayerBorderType::skflRight:
        return RECT{X + AWidth - rightW, Y + topH, X + AWidth, Y + AHeight - bottomH};
    }
    return RECT{};
}

void TskFormLayerBorder::CreateBorderImages(int AWidth, int AHeight)
{
    if (!FData)
        return;
    const TskBitmap& S = (!FActive && FSourceInActiveBitMap) ? *FSourceInActiveBitMap : *FSourceBitmap;
    for (auto& image : FImages)
        image.reset();
    const int srcW = S.GetWidth(), srcH = S.GetHeight();
    const int topH = TopH(), bottomH = BottomH();
    const int leftW = FData->ClRect.left, rightW = srcW - FData->ClRect.right;
    auto band = [](int w, int h) {
        auto b = std::make_unique<TskBitmap>();
        if (w > 0 && h > 0) {
            b->SetSize(w, h);
            b->Clear(0);
        }
        return b;
    };
    auto horizontal = [&](int sy, int h, int lx, int rx) {
        auto b = band(AWidth, h);
        if (b->Empty())
            return b;
        CopyColumns(S, 0, lx, sy, *b, 0, lx, 0, h);
        CopyColumns(S, rx, srcW, sy, *b, AWidth - (srcW - rx), AWidth, 0, h);
        CopyColumns(S, lx, rx, sy, *b, lx, AWidth - (srcW - rx), 0, h);
        b->CheckingAlphaBlend();
        return b;
    };
    FImages[kTop] = horizontal(0, topH, FData->LTPoint.x, FData->RTPoint.x);
    FImages[kBottom] = horizontal(srcH - bottomH, bottomH, FData->LBPoint.x, FData->RBPoint.x);
    const int h = AHeight - topH - bottomH;
    const int strip = srcH - bottomH - topH;
    // Without rows between the top and bottom bands there is nothing to tile the sides from.
    auto side = [&](int sx, int w) {
        auto b = band(strip > 0 && h > 0 ? w : 0, h);
        if (b->Empty())
            return b;
        for (int y = 0; y < h; y += strip)
            CopyColumns(S, sx, sx + w, topH, *b, 0, w, y, std::min(strip, h - y));
        b->CheckingAlphaBlend();
        return b;
    };
    FImages[kLeft] = side(0, leftW);
    FImages[kRight] = side(srcW - rightW, rightW);
}

void TskFormLayerBorder::FreeWindows()
{
    for (auto& w : FWindows) {
        delete w;
        w = nullptr;
    }
}

void TskFormLayerBorder::PlaceWindows(const RECT& Border, bool ShowThem)
{
    for (int t : {kTop, kBottom, kLeft, kRight}) {
        TskFormLayerWindow* w = FWindows[t];
        if (!w)
            continue;
        const RECT r = BandPlace(static_cast<TskFormLayerBorderType>(t), Border.left, Border.top,
                                 Border.right - Border.left, Border.bottom - Border.top);
        // Placed through the window itself: the band is shown without being a visible control.
        if (ShowThem)
            SetWindowPos(w->GetHandle(), HWND_TOP, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        else
            SetWindowPos(w->GetHandle(), nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
}

void TskFormLayerBorder::Show(int X, int Y, int AWidth, int AHeight)
{
    if (!FData)
        return;
    FWidth = AWidth;
    FHeight = AHeight;
    FVisible = true;
    CreateBorderImages(AWidth, AHeight);
    FreeWindows();
    for (int t : {kLeft, kRight, kTop, kBottom})
        if (!FImages[t]->Empty())
            FWindows[t] = new TskFormLayerWindow(this, FForm, static_cast<TskFormLayerBorderType>(t));
    const auto alpha = static_cast<std::uint8_t>(CurrentAlpha() & 0xFF);
    for (int t : {kTop, kBottom, kLeft, kRight})
        if (FWindows[t]) {
            const RECT r = BandPlace(static_cast<TskFormLayerBorderType>(t), X, Y, AWidth, AHeight);
            FWindows[t]->SetBounds(r.left, r.top, FImages[t]->GetWidth(), FImages[t]->GetHeight());
            ApplyLayeredBitmap(FImages[t].get(), alpha, FWindows[t]);
        }
    PlaceWindows(RECT{X, Y, X + AWidth, Y + AHeight}, true);
}

void TskFormLayerBorder::Hide()
{
    FVisible = false;
    for (auto& image : FImages)
        image.reset();
    FreeWindows();
}

void TskFormLayerBorder::SetBounds(int X, int Y, int AWidth, int AHeight)
{
    if (!FData || !FVisible)
        return;
    FWidth = AWidth;
    FHeight = AHeight;
    CreateBorderImages(AWidth, AHeight);
    const auto alpha = static_cast<std::uint8_t>(CurrentAlpha() & 0xFF);
    for (int t : {kTop, kBottom, kLeft, kRight})
        if (FWindows[t]) {
            const RECT r = BandPlace(static_cast<TskFormLayerBorderType>(t), X, Y, AWidth, AHeight);
            SetWindowPos(FWindows[t]->GetHandle(), nullptr, r.left, r.top, std::max(1, FImages[t]->GetWidth()),
                         std::max(1, FImages[t]->GetHeight()), SWP_NOACTIVATE | SWP_NOZORDER);
            if (!FImages[t]->Empty())
                ApplyLayeredBitmap(FImages[t].get(), alpha, FWindows[t]);
        }
}

void TskFormLayerBorder::ShowWithForm()
{
    if (!FData || !FForm)
        return;
    const RECT r = BorderRectOf(FForm->GetLeft(), FForm->GetTop(), FForm->GetWidth(), FForm->GetHeight());
    Show(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TskFormLayerBorder::ShowWithFormAnimation()
{
    if (!FData)
        return;
    const int target = FCurrentAlphaBlendValue;
    FCurrentAlphaBlendValue = 0;
    ShowWithForm();
    Application->ProcessMessages();
    const int step = std::max(1, target / 15);
    int d = 0;
    std::uint64_t last = GetTickCount64();
    do {
        d = std::min(target, d + step);
        FCurrentAlphaBlendValue = d;
        SetAlphaBlend();
        if (d < target) {
            WaitUntilTick(last + 6);
            last = GetTickCount64();
        }
    } while (d < target);
}

void TskFormLayerBorder::SetBoundsWithForm()
{
    if (FData && FVisible && FForm)
        SetBoundsWithForm3(FForm->GetLeft(), FForm->GetTop(), FForm->GetWidth(), FForm->GetHeight());
}

void TskFormLayerBorder::SetBoundsWithForm3(int ALeft, int ATop, int AW, int AH)
{
    if (!FData || !FVisible)
        return;
    const RECT r = BorderRectOf(ALeft, ATop, AW, AH);
    SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TskFormLayerBorder::MoveWithForm()
{
    if (FForm)
        MoveWithForm2(FForm->GetLeft(), FForm->GetTop());
}

void TskFormLayerBorder::MoveWithForm2(int ALeft, int ATop)
{
    if (!FData || !FVisible || !FForm)
        return;
    PlaceWindows(BorderRectOf(ALeft, ATop, FForm->GetWidth(), FForm->GetHeight()), false);
}

void TskFormLayerBorder::SetAlphaBlend()
{
    if (!FData || !FVisible)
        return;
    const auto alpha = static_cast<std::uint8_t>(CurrentAlpha() & 0xFF);
    for (int t : {kTop, kBottom, kLeft, kRight})
        if (FWindows[t] && FImages[t] && !FImages[t]->Empty())
            ApplyLayeredBitmap(FImages[t].get(), alpha, FWindows[t]);
}

void TskFormLayerBorder::SetAlphaBlend2()
{
    if (!FData || !FVisible || !FForm)
        return;
    SetAlphaBlend();
    PlaceWindows(BorderRectOf(FForm->GetLeft(), FForm->GetTop(), FForm->GetWidth(), FForm->GetHeight()), true);
}

void TskFormLayerBorder::CheckFormAlpha(int AFormAlpha, bool AUpdate)
{
    if (!FData)
        return;
    // Rounded to the nearest, halves to the even value.
    auto scale = [AFormAlpha](int v) { return static_cast<int>(std::nearbyint(v * AFormAlpha / 255.0)); };
    FCurrentAlphaBlendValue = scale(FData->AlphaBlendValue);
    FCurrentInActiveAlphaBlendValue = scale(FData->InActiveAlphaBlendValue);
    if (AUpdate)
        SetAlphaBlend();
}

void TskFormLayerBorder::SetActive(bool AValue, bool AUpdate)
{
    FActive = AValue;
    if (FVisible && AUpdate)
        SetAlphaBlend2();
}
