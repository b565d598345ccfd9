// The visible secondary form on the headless window kit: its creation as the program does it,
// its controls driving the handlers, and its look under two skins.

#include "app/secondary/SecondaryCatalogue.h"
#include "app/secondary/Unit6.h"
#include "skin/form/skSkinTabs.h"
#include "engine/FFmpegConverter.h"
#include "FrameTestSupport.h"
#include "SkinFormSupport.h"
#include "skin/form/skSkinCtrls.h"
#include "skin/input/skSkinComboBox.h"
#include "skin/input/skSkinOfficeCtrls.h"
#include "tests/app/secondary/FakeSecondaryForm.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

int ThreadCount()
{
    int n = 0;
    for ([[maybe_unused]] const auto& task : std::filesystem::directory_iterator("/proc/self/task"))
        ++n;
    return n;
}

const std::vector<std::string> Key100Texts = {"保持原分辨率", "816 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"};

class SkinnedHost : public FakeSecondaryHost {
public:
    TskSkinData* SkinData() override { return Skin; }
    TskSkinData* Skin = nullptr;
};

class Form6Test : public SkinFormTest {
protected:
    // Made as the program makes it: after the main window, then its OnCreate.
    void Create(MainWindowFields fields = Untouched())
    {
        host.Fields = std::move(fields);
        host.Skin = skin.get();
        form = new TForm6(Application, host);
        form->AfterConstruction();
    }
    void ShowAt(int left, int top)
    {
        form->SetLeft(left);
        form->SetTop(top);
        form->Show();
        Pump();
    }
    std::vector<TskSkinComboBox*> BoxesInFillOrder() const
    {
        return {form->skSkinComboBox1, form->skSkinComboBox2, form->skSkinComboBox9,
                form->skSkinComboBox3, form->skSkinComboBox10, form->skSkinComboBox4};
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (TskSkinComboBox* box : BoxesInFillOrder())
            texts.push_back(box->GetText());
        return texts;
    }
    // The colour farthest from the control's top-left pixel (its background): a label's text.
    COLORREF TextColourOf(TControl* control)
    {
        auto pixels = PixelsOf(control);
        const COLORREF back = pixels(0, 0);
        auto distance = [back](COLORREF c) {
            return std::abs(GetRValue(c) - GetRValue(back)) + std::abs(GetGValue(c) - GetGValue(back)) +
                   std::abs(GetBValue(c) - GetBValue(back));
        };
        COLORREF text = back;
        for (int y = 0; y < control->GetHeight(); ++y)
            for (int x = 0; x < control->GetWidth(); ++x)
                if (distance(pixels(x, y)) > distance(text))
                    text = pixels(x, y);
        return text;
    }
    void ClickOn(TControl* control)
    {
        kit.Click(ScreenOf(control, control->GetWidth() / 2, control->GetHeight() / 2));
        Pump();
    }

    std::unique_ptr<TskSkinData> skin = skinform::ArtworkSkin(0);
    SkinnedHost host;
    TForm6* form = nullptr;
};

TEST_F(Form6Test, CreationFillsKey100AndStaysHidden)
{
    Create();
    EXPECT_FALSE(form->GetVisible());
    EXPECT_EQ(form->GetCaption(), "设置选项");
    EXPECT_EQ(form->GetClientWidth(), 958);
    EXPECT_EQ(form->GetClientHeight(), 474);
    EXPECT_EQ(Describe(host.Fields),
              With(Describe(Untouched()), {{"All_Trant_Number", "100"}, {"DisableVideo", "False"}}));
    EXPECT_EQ(host.FolderReads + host.OverwriteReads, 0);

    TskSkinOfficeItems* formats = form->skSkinOfficeComboBox1->Items();
    const auto expected = SecondaryFormatsOfCategory(0);
    ASSERT_EQ(formats->Count(), 15);
    for (int i = 0; i < formats->Count(); ++i) {
        EXPECT_EQ(formats->Items(i)->GetTitle(), expected[static_cast<std::size_t>(i)]->Title);
        EXPECT_EQ(formats->Items(i)->GetCaption(), expected[static_cast<std::size_t>(i)]->Caption);
    }
    EXPECT_EQ(form->skSkinOfficeComboBox1->GetItemIndex(), 0);
    EXPECT_EQ(form->skSkinOfficeComboBox2->Items()->Count(), 12);
    EXPECT_EQ(form->skSkinOfficeComboBox2->Items()->Items(6)->GetCaption(), "3GP视频");
    EXPECT_EQ(Texts(), Key100Texts);
    for (TskSkinComboBox* box : BoxesInFillOrder())
        EXPECT_TRUE(box->GetEnabled());
    EXPECT_EQ(form->FFConverter->TasksCount(), 0);
    EXPECT_EQ(form->skSkinPageControl1->GetActivePage(), form->skSkinTabSheet1);
    EXPECT_EQ(form->skSkinPageControl1->PageCount(), 4);
}

// The converter component is made idle (no libraries, no task, no thread) and goes with the form
// without raising an event.
TEST_F(Form6Test, TheConverterStaysIdleAndGoesWithTheFormSilently)
{
    const int threads = ThreadCount();
    Create();
    EXPECT_EQ(ThreadCount(), threads);
    TFFmpegConverter* converter = form->FFConverter;
    EXPECT_FALSE(converter->AVLibLoaded());
    EXPECT_FALSE(converter->Working());
    EXPECT_EQ(converter->TasksCount(), 0);
    int events = 0;
    converter->SetOnTerminate([&events](TCustomFFmpegConverter*, const TTerminateInfo&) { ++events; });
    converter->SetOnProgress([&events](TCustomFFmpegConverter*, PProgressInfo) { ++events; });
    form->Free();
    form = nullptr;
    Pump();
    EXPECT_EQ(events, 0);
    EXPECT_EQ(ThreadCount(), threads);
}

TEST_F(Form6Test, ItsBoxesAndButtonsRunTheHandlers)
{
    Create();
    form->skSkinOfficeComboBox2->SetItemIndex(1);
    EXPECT_EQ(host.Fields.All_Trant_Number, 200);
    EXPECT_EQ(form->skSkinOfficeComboBox1->Items()->Count(), 13);
    for (TskSkinComboBox* box : {form->skSkinComboBox1, form->skSkinComboBox2, form->skSkinComboBox4,
                                 form->skSkinComboBox9})
        EXPECT_FALSE(box->GetEnabled());
    form->skSkinOfficeComboBox1->SetItemIndex(12);
    EXPECT_EQ(host.Fields.All_Trant_Number, 212);

    // Cancel writes nothing and hides the form.
    ShowAt(40, 40);
    const MainWindowFields before = host.Fields;
    ClickOn(form->skSkinButton3);
    EXPECT_FALSE(form->GetVisible());
    EXPECT_EQ(Describe(host.Fields), Describe(before));

    // OK writes the key's encoder row and output name, then hides the form.
    ShowAt(40, 40);
    ClickOn(form->skSkinButton2);
    EXPECT_FALSE(form->GetVisible());
    EXPECT_EQ(host.Fields.All_Trant_Number, 212);
    EXPECT_EQ(host.Fields.Scratch.Video_OutPutFileName.rfind("/out/clip.", 0), 0u)
        << host.Fields.Scratch.Video_OutPutFileName;
    EXPECT_EQ(host.FolderReads, 1);
}

// A bit-rate text that is no number: OK's error reaches the application's handler and the form
// stays open.
TEST_F(Form6Test, ABitRateThatIsNoNumberReachesTheApplicationsHandler)
{
    Create();
    std::vector<std::string> errors;
    Application->OnException = [&errors](TObject*, const std::exception& E) { errors.push_back(E.what()); };
    form->skSkinComboBox2->Items()->Add("many kbps");
    form->skSkinComboBox2->SetItemIndex(form->skSkinComboBox2->Items()->Count() - 1);
    ShowAt(40, 40);
    ClickOn(form->skSkinButton2);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(form->GetVisible());
    EXPECT_EQ(host.Fields.Scratch.Video_FrameRate, "25.00");  // written before the failing step
}

TEST_F(Form6Test, CategoryOutsideTheListLeavesEmptyEnabledBoxes)
{
    Create();
    EXPECT_NO_THROW(form->skSkinOfficeComboBox2->SetItemIndex(-1));
    EXPECT_EQ(form->skSkinOfficeComboBox1->Items()->Count(), 0);
    EXPECT_EQ(form->skSkinOfficeComboBox1->GetItemIndex(), -1);
    for (TskSkinComboBox* box : BoxesInFillOrder()) {
        EXPECT_EQ(box->Items()->Count(), 0);
        EXPECT_TRUE(box->GetEnabled());
    }
}

// The form under skins 0 and 2: each probed part shows its skin's look, which differs between
// the skins. Writes form6_skinN.png into the test's folder for a look.
TEST_F(Form6Test, TakesTheLookOfEachSkin)
{
    Create();
    ShowAt(20, 20);
    struct Probe {
        const char* name;
        TControl* control;
        int x, y;
    };
    const Probe probes[] = {
        {"category box", form->skSkinOfficeComboBox2, 6, 6},
        {"resolution box", form->skSkinComboBox1, 40, 10},
        {"OK button", form->skSkinButton2, 34, 12},
        {"page", form->skSkinTabSheet1, 300, 170},
        {"tab", form->skSkinPageControl1, 20, 8},
        {"panel", form->skSkinPanel2, 4, 100},
    };
    std::vector<COLORREF> looks[2];
    const int skins[2] = {0, 2};
    for (int s = 0; s < 2; ++s) {
        skinform::LoadArtworkSkin(skin.get(), skins[s]);
        Pump();
        for (const Probe& p : probes)
            looks[s].push_back(PixelsOf(p.control)(p.x, p.y));
        looks[s].push_back(TextColourOf(form->skSkinTextLabel3));
        std::shared_ptr<Surface> shot = kit.Render(form->GetHandle());
        WritePicture(*shot, "form6_skin" + std::to_string(skins[s]) + ".png");
    }
    for (std::size_t i = 0; i < std::size(probes); ++i)
        EXPECT_NE(looks[0][i], looks[1][i]) << probes[i].name;
    EXPECT_NE(looks[0].back(), looks[1].back()) << "label text";
}

}  // namespace
