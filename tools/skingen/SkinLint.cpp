#include "tools/skingen/SkinLint.h"

#include "classlib/Bitmap.h"
#include "classlib/Streams.h"
#include "skin/core/skCompressedStoredSkin.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skSkinData.h"
#include "skin/core/skSkinValues.h"
#include "tools/skingen/PreviewGlyphs.h"
#include "tools/skingen/ProgramArt.h"
#include "tools/skingen/SheetMock.h"

#include <algorithm>
#include <map>
#include <exception>
#include <set>

namespace {

constexpr TLookup kSwitchable[] = {
    {"button", "button"}, {"resizebutton", "button"}, {"toolbutton", "button"}, {"bigtoolbutton", "button"},
    {"resizetoolbutton", "button"}, {"combobutton", "button"}, {"editbutton", "button"},
    {"htracktoolbutton", "button"}, {"vtracktoolbutton", "button"}, {"menuitembutton", "button"},
    {"officequickbutton", "button"},
    {"toolmenubutton", "menubutton"}, {"toolmenutrackbutton", "menubutton"}, {"bigtoolmenubutton", "menubutton"},
    {"bigtoolmenutrackbutton", "menubutton"},
    {"panel", "panel"}, {"toolpanel", "panel"}, {"bigtoolpanel", "panel"}, {"resizetoolpanel", "panel"},
    {"statusbar", "panel"}, {"groupbox", "panel"},
    {"checkbox", "checkradio"}, {"radiobox", "checkradio"},
    {"hscrollbar", "scrollbar"}, {"vscrollbar", "scrollbar"}, {"bothhscrollbar", "scrollbar"},
    {"hupdown", "updown"}, {"vupdown", "updown"},
    {"hsplitter", "splitter"}, {"vsplitter", "splitter"},
    {"scrollbox", "scrollbox"}, {"listbox", "listbox"}, {"combobox", "combobox"},
    {"edit", "edit"}, {"buttonedit", "edit"},
    {"mainmenubar", "mainmenubar"}, {"slider", "slider"}, {"bevel", "bevel"}, {"treeview", "treeview"},
    {"listview", "listview"}, {"tab", "tab"}, {"stdlabel", "stdlabel"}, {"label", "label"},
};

constexpr TLookup kFixed[] = {
    {"combobox", "combobox"}, {"listbox", "listbox"}, {"resizetoolpanel", "panel"},
    {"combobutton", "button"}, {"editbutton", "button"}, {"resizebutton", "button"},
    {"resizetoolbutton", "button"}, {"hscrollbar", "scrollbar"}, {"vscrollbar", "scrollbar"},
    {"bothhscrollbar", "scrollbar"}, {"edit", "edit"}, {"label", "label"},
};

// Rectangles given relative to another image of the same description rather than in a picture:
// for the description kind ("" = every kind), the key and the key of the image they lie in.
struct TRelative {
    std::string_view Kind, Key, Base;
};
constexpr TRelative kRelative[] = {
    {"", "clientrect", "skinrect"},
    {"scrollbar", "trackarea", "skinrect"}, {"scrollbar", "upbuttonrect", "skinrect"},
    {"scrollbar", "downbuttonrect", "skinrect"},
    {"updown", "upbuttonrect", "skinrect"}, {"updown", "downbuttonrect", "skinrect"},
    {"checkradio", "checkimagearea", "skinrect"}, {"checkradio", "textarea", "skinrect"},
    {"panel", "captionrect", "skinrect"}, {"panel", "frametextrect", "framerect"},
    {"combobox", "buttonrect", "skinrect"}, {"combobox", "itemtextrect", "focusitemrect"},
    {"edit", "buttonrect", "skinrect"},
    {"listbox", "itemtextrect", "focusitemrect"},
    {"menubutton", "trackbuttonrect", "skinrect"},
    {"mainmenubar", "itemsrect", "skinrect"},
    {"caption", "textrect", "skinrect"},
    {"menuitem", "textrect", "skinrect"}, {"menuitem", "imagerect", "skinrect"},
    {"mainmenubaritem", "textrect", "skinrect"},
};

bool IsRectKey(const std::string& key)
{
    if (key == "skinrectinapicture")
        return false;
    return key.find("rect") != std::string::npos || key.find("rsect") != std::string::npos ||
           (key.size() >= 4 && key.compare(key.size() - 4, 4, "area") == 0);
}

bool EndsWith(const std::string& s, std::string_view tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool HasArea(const RECT& r)
{
    return r.right > r.left && r.bottom > r.top;
}

bool IsZero(const RECT& r)
{
    return r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0;
}

std::string Text(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

SIZE SizeOf(TBitmap* b)
{
    SIZE s;
    s.cx = b ? b->GetWidth() : 0;
    s.cy = b ? b->GetHeight() : 0;
    return s;
}

double Contrast(TRgb a, TRgb b) { return ContrastRatio(a, b); }

// The commonest colour of an area: the background a mark or glyph is drawn on.
TRgb Background(const TImage32& pic, const RECT& area)
{
    std::map<std::uint32_t, int> counts;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (pic.Contains(x, y)) {
                const TRgb c = pic.At(x, y);
                ++counts[(std::uint32_t{c.R} << 16) | (std::uint32_t{c.G} << 8) | c.B];
            }
    std::uint32_t best = 0;
    int most = -1;
    for (const auto& [c, n] : counts)
        if (n > most) {
            best = c;
            most = n;
        }
    return Rgb(best);
}

// The glyphs the tool bar shows without a plate of their own (gear, waste bin): their opaque
// pixels.
std::vector<TRgb> PlainGlyphInk(int number)
{
    const TImage32 img = ToolbarImage(number);
    std::vector<TRgb> ink;
    for (int y = 0; y < img.Height(); ++y)
        for (int x = 0; x < img.Width(); ++x)
            if (const TRgb c = img.At(x, y); c.A >= 200)
                ink.push_back(TRgb{c.R, c.G, c.B});
    return ink;
}

constexpr double kMinContrast = 3.0;

class TLinter {
public:
    TLinter(const TskSkinData& data, const TskMemIniFile& ini) : D_(data), Ini_(ini) {}

    std::vector<std::string> Problems;

    SIZE Picture(int index) const
    {
        if (index < 0 || index >= static_cast<int>(D_.FActivePictures.size()))
            return SIZE{};
        return SizeOf(D_.FActivePictures[static_cast<std::size_t>(index)].get());
    }

    void Fail(const std::string& where, const std::string& what) { Problems.push_back(where + ": " + what); }

    void CheckIndex(const std::string& where, const std::string& key, int index)
    {
        if (index != -1 && (index < 0 || index >= static_cast<int>(D_.FActivePictures.size())))
            Fail(where, key + " " + std::to_string(index) + " names no picture");
    }

    void CheckInside(const std::string& where, const std::string& key, const RECT& r, SIZE bounds,
                     const std::string& boundsName)
    {
        if (IsZero(r))
            return;
        if (!HasArea(r) || r.left < 0 || r.top < 0 || r.right > bounds.cx || r.bottom > bounds.cy)
            Fail(where, key + " " + Text(r) + " is not inside " + boundsName + " (" + std::to_string(bounds.cx) +
                            "x" + std::to_string(bounds.cy) + ")");
    }

    void CheckPoint(const std::string& where, const std::string& key, const POINT& p, SIZE bounds)
    {
        if (p.x < 0 || p.y < 0 || p.x > bounds.cx || p.y > bounds.cy)
            Fail(where, key + " " + std::to_string(p.x) + "," + std::to_string(p.y) + " lies outside its image");
    }

    RECT ReadRect(const std::string& section, const std::string& key) const
    {
        return ParseRectValue(Ini_.ReadString(section, key, "0,0,0,0"));
    }

    // Every picture number and rectangle of one description's section.
    // skinRectInFrame: the description's skin rectangle lies in the frame picture.
    void CheckSection(const std::string& section, const std::string& kind, bool skinRectInFrame, SIZE ownPicture,
                      const std::string& pictureName)
    {
        const std::string where = kind + " \"" + section + "\"";
        for (const std::string& key : Ini_.ReadSection(section)) {
            if (EndsWith(key, "pictureindex")) {
                CheckIndex(where, key, Ini_.ReadInteger(section, key, -1));
                continue;
            }
            if (!IsRectKey(key))
                continue;
            const RECT r = ReadRect(section, key);
            const TRelative* rel = nullptr;
            for (const TRelative& rr : kRelative)
                if (rr.Key == key && (rr.Kind.empty() || rr.Kind == kind))
                    rel = &rr;
            if (rel) {
                const RECT base = ReadRect(section, std::string(rel->Base));
                SIZE size;
                size.cx = base.right - base.left;
                size.cy = base.bottom - base.top;
                CheckInside(where, key, r, size, std::string(rel->Base));
            } else if (key == "skinrect" && skinRectInFrame) {
                CheckInside(where, key, r, SizeOf(D_.FPicture.get()), "the frame picture");
            } else {
                CheckInside(where, key, r, ownPicture, pictureName);
            }
        }
    }

    // Corner points of a nine-slice or band description, relative to its skin rectangle.
    void CheckCorners(const std::string& where, const TskDataSkinCustomControl& d)
    {
        SIZE s;
        s.cx = d.SkinRect.right - d.SkinRect.left;
        s.cy = d.SkinRect.bottom - d.SkinRect.top;
        for (auto [name, p] : {std::pair{"lefttoppoint", d.LTPoint}, std::pair{"righttoppoint", d.RTPoint},
                               std::pair{"leftbottompoint", d.LBPoint}, std::pair{"rightbottompoint", d.RBPoint}})
            CheckPoint(where, name, p, s);
        const bool full = d.RBPoint.x != 0 && d.RBPoint.y != 0;
        const bool hband = !full && (d.RTPoint.x != 0 || d.RTPoint.y != 0);
        const bool vband = !full && !hband && (d.LBPoint.x != 0 || d.LBPoint.y != 0);
        if ((full || hband) && d.LTPoint.x > d.RTPoint.x)
            Fail(where, "left-top point lies right of the right-top point");
        if ((full || vband) && d.LTPoint.y > d.LBPoint.y)
            Fail(where, "left-top point lies below the left-bottom point");
        if (full && (d.LBPoint.x > d.RBPoint.x || d.RTPoint.y > d.RBPoint.y))
            Fail(where, "bottom-right corner point out of order");
    }

    void CheckFrame()
    {
        const SIZE pic = SizeOf(D_.FPicture.get());
        if (pic.cx == 0)
            Fail("FORMINFO", "no frame picture");
        for (TBitmap* other : {D_.FInActivePicture.get(), D_.FMask.get()})
            if (other && !other->Empty() && (other->GetWidth() != pic.cx || other->GetHeight() != pic.cy))
                Fail("FORMINFO", "inactive picture or mask differs in size from the frame picture");
        CheckInside("FORMINFO", "clientrect", D_.ClRect, pic, "the frame picture");
        CheckInside("FORMINFO", "captionrect", D_.CaptionRect, pic, "the frame picture");
        CheckInside("FORMINFO", "buttonsrect", D_.ButtonsRect, pic, "the frame picture");
        CheckInside("FORMINFO", "maskrectarea", D_.MaskRectArea, pic, "the frame picture");
        CheckPoint("FORMINFO", "lefttoppoint", D_.LTPoint, pic);
        CheckPoint("FORMINFO", "righttoppoint", D_.RTPoint, pic);
        CheckPoint("FORMINFO", "leftbottompoint", D_.LBPoint, pic);
        CheckPoint("FORMINFO", "rightbottompoint", D_.RBPoint, pic);
        for (const POINT& p : {D_.HitTestLTPoint, D_.HitTestRTPoint, D_.HitTestLBPoint, D_.HitTestRBPoint})
            CheckPoint("FORMINFO", "hit-test point", p, pic);
        if (D_.LTPoint.x > D_.RTPoint.x || D_.LBPoint.x > D_.RBPoint.x || D_.LTPoint.y > D_.LBPoint.y ||
            D_.RTPoint.y > D_.RBPoint.y)
            Fail("FORMINFO", "corner points out of order");
        CheckIndex("FORMINFO", "bgpictureindex", D_.BGPictureIndex);
        bool caption = false;
        std::set<int> commands;
        for (const auto& o : D_.ObjectList) {
            if (o->Kind() == "caption")
                caption = true;
            if (const auto* b = dynamic_cast<const TskDataSkinStdButton*>(o.get()); b && o->Kind() == "stdbutton")
                commands.insert(b->Command);
        }
        if (!caption)
            Fail("SKINOBJECTS", "no caption");
        CheckCaptionText();
        for (TskStdCommand c : {cmClose, cmMaximize, cmMinimize, cmSysMenu})
            if (!commands.count(c))
                Fail("SKINOBJECTS", "no caption button for command " + std::to_string(c));
        const TskDataSkinPopupWindow& pw = *D_.PopupWindow;
        CheckWindow("POPUPWINDOW", pw.WindowPictureIndex, pw.MaskPictureIndex, pw.ItemsRect,
                    {pw.LTPoint, pw.RTPoint, pw.LBPoint, pw.RBPoint});
        const TskDataSkinHintWindow& hw = *D_.HintWindow;
        CheckWindow("HINTWINDOW", hw.WindowPictureIndex, hw.MaskPictureIndex, hw.ClRect,
                    {hw.LTPoint, hw.RTPoint, hw.LBPoint, hw.RBPoint});
        const TskDataSkinLayerFrame& lf = *D_.LayerFrame;
        if (lf.PictureIndex != -1) {
            CheckWindow("LAYERFRAME", lf.PictureIndex, lf.MaskPictureIndex, lf.ClRect,
                        {lf.LTPoint, lf.RTPoint, lf.LBPoint, lf.RBPoint});
            CheckIndex("LAYERFRAME", "inactivepictureindex", lf.InActivePictureIndex);
            CheckIndex("LAYERFRAME", "inactivemaskpictureindex", lf.InActiveMaskPictureIndex);
            CheckInside("LAYERFRAME", "borderrect", lf.BorderRect, Picture(lf.PictureIndex), "the layer picture");
        }
    }

    // The caption buttons stand in a row from the caption row's right end (left end when they
    // are on the left), each its own width apart by the buttons' offset; the caption's text
    // rectangle must end before the first of them, at the frame picture's size (text and row
    // grow alike with the form). Without a buttons rectangle the frame places the caption object
    // itself beside the buttons and keeps the text's distance to the object's ends: a caption
    // described under the buttons would keep them out of its text twice.
    void CheckCaptionText()
    {
        int row = 0, count = 0;
        for (const auto& o : D_.ObjectList)
            if (const auto* b = dynamic_cast<const TskDataSkinStdButton*>(o.get());
                b && o->Kind() == "stdbutton" && (b->Command == cmClose || b->Command == cmMaximize || b->Command == cmMinimize)) {
                row += b->SkinRect.right - b->SkinRect.left;
                ++count;
            }
        if (count == 0)
            return;
        row += (count - 1) * D_.ButtonsOffset;
        for (const auto& o : D_.ObjectList)
            if (const auto* c = dynamic_cast<const TskDataSkinCaption*>(o.get())) {
                const int textLeft = c->SkinRect.left + c->TextRct.left, textRight = c->SkinRect.left + c->TextRct.right;
                if (D_.CapButtonsInLeft ? textLeft < D_.CaptionRect.left + row : textRight > D_.CaptionRect.right - row)
                    Fail("caption \"" + o->IDName + "\"", "the text rectangle runs under the caption buttons");
                const bool placed = !HasArea(D_.ButtonsRect);
                if (placed && (D_.CapButtonsInLeft ? c->SkinRect.left < D_.CaptionRect.left + row
                                                   : c->SkinRect.right > D_.CaptionRect.right - row))
                    Fail("caption \"" + o->IDName + "\"", "the caption runs under the caption buttons");
            }
    }

    // A check or radio mark (the pixels inside its box) must stand out from the box's own fill
    // by at least 3:1, enabled or not: a handful of its pixels must reach that contrast.
    void CheckMarks(const TskDataSkinCheckRadioControl& d)
    {
        const TImage32 pic = FromBitmap(D_.FActivePictures[static_cast<std::size_t>(d.PictureIndex)].get());
        for (auto [name, r] : {std::pair{"check image", d.CheckImageRect}, std::pair{"hot check image", d.ActiveCheckImageRect},
                               std::pair{"disabled check image", d.UnEnabledCheckImageRect},
                               std::pair{"grayed check image", d.GrayedCheckImageRect}}) {
            if (!HasArea(r))
                continue;
            const RECT inner = Rect(r.left + 2, r.top + 2, r.right - 2, r.bottom - 2);
            const TRgb back = Background(pic, inner);
            int strong = 0;
            for (int y = inner.top; y < inner.bottom; ++y)
                for (int x = inner.left; x < inner.right; ++x)
                    if (pic.Contains(x, y) && Contrast(pic.At(x, y), back) >= kMinContrast)
                        ++strong;
            if (strong < 4)
                Fail(d.Kind() + " \"" + d.IDName + "\"", std::string(name) + ": the mark contrasts less than 3:1 with its box");
        }
    }

    // The plain tool-bar glyphs against the hot and pressed faces of the tool buttons.
    void CheckToolGlyphs(const TskDataSkinButtonControl& d)
    {
        const TImage32 pic = FromBitmap(D_.FActivePictures[static_cast<std::size_t>(d.PictureIndex)].get());
        for (auto [name, r] : {std::pair{"hot face", d.ActiveSkinRect}, std::pair{"pressed face", d.DownSkinRect}}) {
            if (!HasArea(r))
                continue;
            const int qw = (r.right - r.left) / 4, qh = (r.bottom - r.top) / 4;
            const TRgb face = Background(pic, Rect(r.left + qw, r.top + qh, r.right - qw, r.bottom - qh));
            // At least a third of the glyph must stand out by 3:1: its body, not just an edge.
            for (int glyph : {1, 8}) {
                const std::vector<TRgb> ink = PlainGlyphInk(glyph);
                const auto strong = std::count_if(ink.begin(), ink.end(), [&](TRgb c) { return Contrast(c, face) >= kMinContrast; });
                if (strong * 3 < static_cast<std::ptrdiff_t>(ink.size()))
                    Fail("button \"" + d.IDName + "\"", "tool-bar glyph " + std::to_string(glyph) + " contrasts less than 3:1 with the " + name);
            }
        }
    }

    // The preview group's glyphs against the normal, hot and pressed faces of "button": at least
    // a third of each glyph reaches 3:1 against the lightest and the darkest colour of the face's
    // middle (a shaded face is read at its worst).
    void CheckPreviewGlyphs(const TskDataSkinButtonControl& d)
    {
        const TImage32 pic = FromBitmap(D_.FActivePictures[static_cast<std::size_t>(d.PictureIndex)].get());
        for (auto [name, r] : {std::pair{"normal face", d.SkinRect}, std::pair{"hot face", d.ActiveSkinRect},
                               std::pair{"pressed face", d.DownSkinRect}}) {
            if (!HasArea(r))
                continue;
            const int qw = (r.right - r.left) / 4, qh = (r.bottom - r.top) / 4;
            std::vector<TRgb> face;
            for (int y = r.top + qh; y < r.bottom - qh; ++y)
                for (int x = r.left + qw; x < r.right - qw; ++x)
                    if (pic.Contains(x, y))
                        face.push_back(pic.At(x, y));
            if (face.empty())
                continue;
            const auto [dark, light] = std::minmax_element(face.begin(), face.end(),
                                                           [](TRgb a, TRgb b) { return Luma(a) < Luma(b); });
            for (std::string_view glyph : PreviewGlyphNames()) {
                const TImage32 img = PreviewGlyph(glyph);
                int all = 0, strong = 0;
                for (int y = 0; y < img.Height(); ++y)
                    for (int x = 0; x < img.Width(); ++x)
                        if (const TRgb c = img.At(x, y); !(c == kKeyColor)) {
                            ++all;
                            strong += Contrast(c, *dark) >= kMinContrast && Contrast(c, *light) >= kMinContrast;
                        }
                if (strong * 3 < all)
                    Fail("button \"" + d.IDName + "\"",
                         "preview glyph " + std::string(glyph) + " contrasts less than 3:1 with the " + name);
            }
        }
    }

    void CheckWindow(const std::string& where, int picture, int mask, const RECT& inner, std::initializer_list<POINT> corners)
    {
        if (picture == -1) {
            Fail(where, "no window picture");
            return;
        }
        CheckIndex(where, "windowpictureindex", picture);
        CheckIndex(where, "maskpictureindex", mask);
        const SIZE s = Picture(picture);
        if (mask != -1) {
            const SIZE m = Picture(mask);
            if (m.cx < s.cx || m.cy < s.cy)
                Fail(where, "mask smaller than its picture");
        }
        CheckInside(where, "client", inner, s, "its picture");
        for (const POINT& p : corners)
            CheckPoint(where, "corner point", p, s);
    }

private:
    const TskSkinData& D_;
    const TskMemIniFile& Ini_;
};

} // namespace

std::span<const TLookup> SwitchableLookups()
{
    return kSwitchable;
}

std::span<const TLookup> FixedLookups()
{
    return kFixed;
}

std::vector<std::string> LintSkin(std::string_view stored, std::span<const TLookup> lookups, bool frame)
{
    TskSkinData data(nullptr);
    try {
        TMemoryStream m;
        m.WriteBuffer(stored.data(), static_cast<std::int64_t>(stored.size()));
        TskCompressedStoredSkin skin(nullptr);
        skin.LoadFromCompressStream(&m);
        data.LoadCompressedStoredSkin(&skin);
    } catch (const std::exception& e) {
        return {std::string("the skin does not load: ") + e.what()};
    }
    if (data.Empty)
        return {"the skin does not load"};

    TskMemIniFile ini;
    data.WriteSkinIni(ini);
    TLinter lint(data, ini);

    if (data.FActivePicturesNames.size() != data.FActivePictures.size())
        lint.Fail("PICTURES", "the picture names do not match the pictures");
    for (const TLookup& l : lookups) {
        const int i = data.GetControlIndex(std::string(l.Name));
        if (i < 0)
            lint.Fail(std::string(l.Name), "missing");
        else if (data.CtrlList[static_cast<std::size_t>(i)]->Kind() != l.Kind)
            lint.Fail(std::string(l.Name), "is a \"" + data.CtrlList[static_cast<std::size_t>(i)]->Kind() +
                                               "\" description, expected \"" + std::string(l.Kind) + "\"");
    }

    std::set<std::string> names;
    for (const auto& c : data.CtrlList) {
        const std::string where = c->Kind() + " \"" + c->IDName + "\"";
        if (!names.insert(c->IDName).second)
            lint.Fail(where, "described twice");
        lint.CheckIndex(where, "pictureindex", c->PictureIndex);
        if (c->PictureIndex == -1 && c->Kind() != "bevel" && c->Kind() != "treeview" && c->Kind() != "listview" &&
            c->Kind() != "stdlabel")
            lint.Fail(where, "has no picture");
        lint.CheckSection(c->IDName, c->Kind(), false, lint.Picture(c->PictureIndex),
                          "picture " + std::to_string(c->PictureIndex));
        if (const auto* cc = dynamic_cast<const TskDataSkinCustomControl*>(c.get()); cc && c->Kind() != "updown")
            lint.CheckCorners(where, *cc);
    }
    for (const auto& c : data.CtrlList) {
        if (c->PictureIndex < 0 || c->PictureIndex >= static_cast<int>(data.FActivePictures.size()))
            continue;
        if (const auto* cr = dynamic_cast<const TskDataSkinCheckRadioControl*>(c.get()))
            lint.CheckMarks(*cr);
        if (const auto* b = dynamic_cast<const TskDataSkinButtonControl*>(c.get()); b && c->IDName == "resizetoolbutton")
            lint.CheckToolGlyphs(*b);
        if (const auto* b = dynamic_cast<const TskDataSkinButtonControl*>(c.get()); b && c->IDName == "button")
            lint.CheckPreviewGlyphs(*b);
    }
    // Names that descriptions give other descriptions.
    auto expect = [&](const std::string& from, const std::string& name, std::string_view kind) {
        if (name.empty())
            return;
        const int i = data.GetControlIndex(name);
        if (i < 0 || data.CtrlList[static_cast<std::size_t>(i)]->Kind() != kind)
            lint.Fail(from, "names \"" + name + "\", which is no \"" + std::string(kind) + "\" description");
    };
    for (const auto& c : data.CtrlList) {
        if (const auto* cb = dynamic_cast<const TskDataSkinComboBox*>(c.get()))
            expect(c->IDName, cb->ListBoxName, "listbox");
        if (const auto* lb = dynamic_cast<const TskDataSkinListBox*>(c.get()); lb && c->Kind() == "listbox") {
            expect(c->IDName, lb->HScrollBarName, "scrollbar");
            expect(c->IDName, lb->VScrollBarName, "scrollbar");
            expect(c->IDName, lb->BothScrollBarName, "scrollbar");
        }
        if (const auto* tab = dynamic_cast<const TskDataSkinTabControl*>(c.get()))
            expect(c->IDName, tab->UpDown, "updown");
        if (const auto* bar = dynamic_cast<const TskDataSkinMainMenuBar*>(c.get())) {
            const int i = data.GetIndex(bar->MenuBarItem);
            if (i < 0 || data.ObjectList[static_cast<std::size_t>(i)]->Kind() != "mainmenubaritem")
                lint.Fail(c->IDName, "names no menu bar item \"" + bar->MenuBarItem + "\"");
        }
    }

    std::set<std::string> objects;
    for (const auto& o : data.ObjectList) {
        const std::string where = o->Kind() + " \"" + o->IDName + "\"";
        if (!objects.insert(o->IDName).second)
            lint.Fail(where, "described twice");
        lint.CheckIndex(where, "activepictureindex", o->ActivePictureIndex);
        const bool inFrame = o->Kind() == "caption" || o->Kind() == "stdbutton" || o->Kind() == "button" ||
                             o->Kind() == "animate" || o->Kind() == "userobject";
        const bool ownPicture = o->SkinRectInAPicture || !inFrame;
        lint.CheckSection(o->IDName, o->Kind(), !ownPicture, lint.Picture(o->ActivePictureIndex), "picture " + std::to_string(o->ActivePictureIndex));
    }
    if (frame) {
        if (data.GetIndex("menuitem") < 0)
            lint.Fail("menuitem", "missing");
        else if (data.ObjectList[static_cast<std::size_t>(data.GetIndex("menuitem"))]->Kind() != "menuitem")
            lint.Fail("menuitem", "is not a menu item description");
        lint.CheckFrame();
    }
    return lint.Problems;
}
