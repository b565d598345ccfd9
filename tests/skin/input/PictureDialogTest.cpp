// The picture dialogs, their modal loops scripted over a folder of generated pictures: the
// preview of PNG, JPEG and BMP files, the stretch button, what a call keeps for the next one,
// pictures that cannot be read, and the save variant's extension and overwrite question.

#include "ShellFixture.h"
#include "SkinFormSupport.h"

#include "app/artwork/ArtworkResources.h"
#include "classlib/Bitmap.h"
#include "classlib/JpegImage.h"
#include "classlib/Picture.h"
#include "classlib/PngImage.h"
#include "skin/input/skSkinPictureDialogs.h"

#include <QLocale>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class PictureDialog : public SkinFormTest {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale::c());
        RegisterArtworkBitmaps();
        ShownForm(200, 100);
        folder = fx.Path("pics");
        fs::create_directories(folder + "/more");
        TBitmap picture;
        picture.SetSize(40, 30);
        picture.Canvas()->Brush()->SetColor(clRed);
        picture.Canvas()->FillRect(RECT{0, 0, 40, 30});
        TPngImage png;
        png.Assign(&picture);
        png.SaveToFile(folder + "/red.png");
        picture.SetSize(50, 20);
        TJPEGImage jpeg;
        jpeg.Assign(&picture);
        jpeg.SaveToFile(folder + "/wide.jpg");
        picture.SetSize(300, 200);
        picture.SaveToFile(folder + "/big.bmp");
        std::ofstream(folder + "/broken.png") << "not a picture";
        Application->OnException = [this](TObject*, const std::exception& e) { errors.push_back(e.what()); };
    }
    void Use(TskSkinOpenPictureDialog* Dialog)
    {
        dialog = Dialog;
        dialog->SetFilter("Pictures|*.png;*.jpg;*.bmp|Bitmaps (*.bmp)|*.bmp");
        dialog->SetInitialDir(folder);
    }
    TskOpenPictureDlgForm* Form() const { return dialog->PictureForm(); }
    TskSkinFileListView* List() const { return Form()->FileListView; }
    TImage* Image() const { return Form()->Image; }
    SIZE ImageSize() const { return SIZE{Image()->GetWidth(), Image()->GetHeight()}; }
    void Select(const std::string& Name)
    {
        for (int row = 0; row < List()->FolderCount(); ++row)
            if (List()->Folders(row)->DisplayName() == Name)
                List()->SetItemIndex(row);
    }
    void Then(std::function<void()> step)
    {
        kit.WhenIdle([this, step] {
            step();
            Pump();
        });
    }
    void ClickStretch() { kit.Click(Form()->StretchButton->ClientToScreen(POINT{10, 10})); }

    ShellFixture fx;
    std::string folder;
    TskSkinOpenPictureDialog* dialog = nullptr;
    std::vector<std::string> errors;
};

TEST_F(PictureDialog, PreviewsPicturesStretchesThemAndKeepsThePane)
{
    Use(new TskSkinOpenPictureDialog(Application));
    std::vector<SIZE> sizes;
    SIZE client{}, stretched{}, box{};
    int pane = 0;
    bool barShown = false;
    Then([&] {
        client = SIZE{Form()->GetClientWidth(), Form()->GetClientHeight()};
        pane = Form()->ImagePanel->GetWidth();
        EXPECT_EQ(Form()->GetCaption(), "Open picture");
        for (const char* name : {"red.png", "wide.jpg", "big.bmp"}) {
            Select(name);
            EXPECT_EQ(Form()->FileNameEdit->GetText(), name);
            sizes.push_back(ImageSize());
        }
        // Larger than the pane: the scroll box shows its bar.
        barShown = Form()->SBHScrollBar->GetVisible();
        Select("more");  // a folder empties the edit and collapses the picture
        EXPECT_EQ(Form()->FileNameEdit->GetText(), "");
        sizes.push_back(ImageSize());
        Select("red.png");
        ClickStretch();
    });
    Then([&] {
        EXPECT_TRUE(Form()->StretchButton->GetDown());
        stretched = ImageSize();
        box = SIZE{Form()->ScrollBox->GetClientWidth(), Form()->ScrollBox->GetClientHeight()};
        Form()->ImagePanel->SetWidth(240);
        Form()->Close();
    });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(client, (SIZE{550, 290}));
    EXPECT_EQ(pane, 190);
    EXPECT_EQ(sizes, (std::vector<SIZE>{{40, 30}, {50, 20}, {300, 200}, {0, 0}}));
    EXPECT_TRUE(barShown);
    EXPECT_EQ(stretched, box);
    EXPECT_TRUE(dialog->DialogStretch);
    EXPECT_EQ(dialog->ImagePanelWidth, 240);

    // The next call starts stretched with the wider pane; the button's release gives the
    // picture its own size again.
    SIZE natural{};
    Then([&] {
        pane = Form()->ImagePanel->GetWidth();
        EXPECT_TRUE(Form()->StretchButton->GetDown());
        EXPECT_TRUE(Image()->GetStretch());
        Select("wide.jpg");
        ClickStretch();
    });
    Then([&] {
        natural = ImageSize();
        Select("red.png");
        Form()->OpenButtonClick();
    });
    EXPECT_TRUE(dialog->Execute());
    EXPECT_EQ(pane, 240);
    EXPECT_EQ(natural, (SIZE{50, 20}));
    EXPECT_FALSE(dialog->DialogStretch);
    EXPECT_EQ(dialog->GetFileName(), folder + "/red.png");

    // The chosen picture is shown at the start of the next call.
    SIZE start{};
    Then([&] {
        start = ImageSize();
        Form()->Close();
    });
    dialog->Execute();
    EXPECT_EQ(start, (SIZE{40, 30}));
    EXPECT_TRUE(errors.empty());
}

TEST_F(PictureDialog, PicturesThatCannotBeReadEmptyThePreview)
{
    Use(new TskSkinOpenPictureDialog(Application));
    dialog->SetFileName(folder + "/broken.png");
    SIZE start{}, after{};
    std::size_t errorsAtStart = 0;
    Then([&] {
        start = ImageSize();
        errorsAtStart = errors.size();
        Select("red.png");
        Select("broken.png");
        after = ImageSize();
        Form()->Close();
    });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(start, (SIZE{0, 0}));
    EXPECT_EQ(errorsAtStart, 0u);
    EXPECT_EQ(after, (SIZE{0, 0}));
    ASSERT_EQ(errors.size(), 1u) << testing::PrintToString(errors);
}

TEST_F(PictureDialog, TheSaveVariantAddsTheExtensionAndAsksBeforeReplacing)
{
    auto* save = new TskSkinSavePictureDialog(Application);
    Use(save);
    save->SetOverwritePromt(true);
    save->SetFilterIndex(2);  // Bitmaps
    std::string caption, button, question;
    Then([&] {
        caption = Form()->GetCaption();
        button = Form()->OpenButton->GetCaption();
        Form()->FileNameEdit->SetText("shot");
        Form()->OpenButtonClick();
    });
    EXPECT_TRUE(save->Execute());
    EXPECT_EQ(caption, "Save file");
    EXPECT_EQ(button, "&Save");
    EXPECT_EQ(save->GetFileName(), folder + "/shot.bmp");

    // "big" + ".bmp" exists: the question; Cancel keeps the dialog, OK takes the name.
    std::vector<TModalResult> answers{mrCancel, mrOk};
    bool stayed = false;
    for (TModalResult answer : answers) {
        Then([&] {
            Form()->FileNameEdit->SetText("big");
            Form()->OpenButtonClick();
        });
        Then([&, answer] {
            TCustomForm* box = Screen->ActiveCustomForm();
            ASSERT_NE(box, Form());
            question = box->FindComponent("Message") ? static_cast<TControl*>(box->FindComponent("Message"))->GetText() : "";
            box->SetModalResult(answer);
        });
        if (answer == mrCancel) {
            Then([&] {
                stayed = Form()->GetModalResult() == mrNone;
                Form()->Close();
            });
        }
        const bool chosen = save->Execute();
        EXPECT_EQ(chosen, answer == mrOk);
    }
    EXPECT_TRUE(stayed);
    EXPECT_EQ(question, "Do you want to overwrite old file?");
    EXPECT_EQ(save->GetFileName(), folder + "/big.bmp");

    // A changed filter changes the typed name's extension.
    std::string typed;
    Then([&] {
        Form()->FileNameEdit->SetText("shot.bmp");
        Form()->FilterComboBox->SetItemIndex(0);
        typed = Form()->FileNameEdit->GetText();
        Form()->Close();
    });
    save->Execute();
    EXPECT_EQ(typed, "shot.png");
}

} // namespace
