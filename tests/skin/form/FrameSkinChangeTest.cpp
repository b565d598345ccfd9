#include "FrameTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "skin/form/skSkinChange.h"

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// A skinned control that records the skin changes reaching it.
class TRecordingControl : public TCustomControl, public TskSkinChangeable {
public:
    TRecordingControl(TWinControl* Parent, std::string Name, TskSkinData* Data, Log* ALog)
        : TCustomControl(nullptr), FName(std::move(Name)), FData(Data), FLog(ALog)
    {
        SetParent(Parent);
    }
    TskSkinData* GetSkinData() const override { return FData; }
    void BeforeChangeSkinData() override { FLog->push_back("before " + FName); }
    void ChangeSkinData() override { FLog->push_back("change " + FName); }

private:
    std::string FName;
    TskSkinData* FData;
    Log* FLog;
};

using FrameSkinChange = FrameTest;

TEST_F(FrameSkinChange, TheFrameStopsRebuildsAndPassesTheChangeToTheControlsOfTheSender)
{
    TskSkinData* own = Skin(1);
    TskSkinData* other = Skin(3);
    TForm* form = MakeForm(own);
    TskFormSkin* frame = FrameOf(form);
    Log log;
    new TRecordingControl(form, "own", own, &log);
    new TRecordingControl(form, "other", other, &log);
    auto state = [frame] {
        return " objects " + std::to_string(frame->ObjectCount()) + (frame->SkinSupport() ? " skin" : " no skin");
    };
    frame->OnBeforeChangeSkinData = [&](TObject*) { log.push_back("frame before" + state()); };
    frame->OnChangeSkinData = [&](TObject*) { log.push_back("frame applied" + state()); };
    frame->OnAfterChangeSkinData = [&](TObject*) { log.push_back("frame after"); };

    LoadArtworkSkin(own, 2);
    Pump();
    EXPECT_EQ(log, (Log{"before own", "frame before objects 0 no skin", "frame applied objects 5 skin", "change own",
                        "frame after"}));

    // Another skin data's change reaches only its controls (and the after event).
    log.clear();
    LoadArtworkSkin(other, 4);
    EXPECT_EQ(log, (Log{"change other", "frame after"}));
}

TEST_F(FrameSkinChange, AFormSwitchedToTheSecondSkinShowsItsPicturesAndItsShape)
{
    TskSkinData* data = Skin(1);
    TForm* form = MakeForm(data);
    const COLORREF skin1Caption = At(form, 200, 5);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(form->GetHandle(), region), SIMPLEREGION);  // no mask: the frame's rectangle

    LoadArtworkSkin(data, 2);
    Pump();
    TBitmap* picture = data->FPicture.get();
    const int pw = picture->GetWidth(), ph = picture->GetHeight();
    // Corner parts of the picture land unchanged in the corners of the 400 x 300 frame.
    const struct {
        POINT Frame, Picture;
    } points[] = {{{10, 5}, {10, 5}}, {{12, 20}, {12, 20}}, {{390, 27}, {pw - 10, 27}},
                  {{3, 296}, {3, ph - 4}}, {{396, 297}, {pw - 4, ph - 3}}};
    for (const auto& p : points)
        EXPECT_EQ(At(form, p.Frame.x, p.Frame.y), picture->GetPixelColor(p.Picture.x, p.Picture.y))
            << p.Frame.x << "," << p.Frame.y;
    EXPECT_NE(At(form, 200, 5), skin1Caption);
    // The mask rounds the top-left corner off; the client area is inside.
    ASSERT_NE(GetWindowRgn(form->GetHandle(), region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, 200, 150));
    EXPECT_TRUE(PtInRegion(region, 200, 1));
    DeleteObject(region);
}

} // namespace
