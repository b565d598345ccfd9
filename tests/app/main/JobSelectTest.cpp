// What the category, format and parameter boxes write into the selected row, and how selecting
// a row brings its choice back into the boxes.

#include "JobTestSupport.h"

#include "app/main/JobRow.h"
#include "app/presets/ParameterValues.h"
#include "classlib/ComCtrls.h"
#include "skin/form/skSkinViews.h"
#include "skin/input/skSkinComboBox.h"
#include "skin/input/skSkinOfficeCtrls.h"

#include <sstream>

using JobSelect = JobListTest;

namespace {

void Select(int Row)
{
    Form1->lvFiles->SetSelected(Row < 0 ? nullptr : Form1->lvFiles->Items()->Item(Row));
}

// The boxes as "category/format p1 p2 p3 p4 p5 p6" (positions in ParameterCode order).
std::string Boxes()
{
    std::ostringstream text;
    text << Form1->skSkinOfficeComboBox2->GetItemIndex() << "/" << Form1->skSkinOfficeComboBox1->GetItemIndex();
    for (TskSkinComboBox* box : {Form1->skSkinComboBox1, Form1->skSkinComboBox2, Form1->skSkinComboBox3,
                                 Form1->skSkinComboBox4, Form1->skSkinComboBox9, Form1->skSkinComboBox10})
        text << " " << box->GetItemIndex();
    return text.str();
}

}  // namespace

TEST_F(JobSelect, AFormatChangeRewritesTheSelectedRow)
{
    AddOne(Media("clip.avi"));
    Form1->SetJobText(0, jcOutputName, "clip_2.avi");
    Form1->skSkinOfficeComboBox1->SetItemIndex(1);  // key 101, MP4
    EXPECT_EQ(Form1->JobText(0, jcOutputName), "clip_2.mp4");
    EXPECT_EQ(Form1->JobText(0, jcSelectionCode), "101");
    EXPECT_EQ(Form1->JobText(0, jcFileExt), ".mp4");
    EXPECT_EQ(Form1->JobText(0, jcVideoTag), "");
    EXPECT_EQ(Form1->All_Trant_Number, 101);

    // A category change takes the category's first format.
    Form1->skSkinOfficeComboBox2->SetItemIndex(1);  // common audio, key 200, MP3
    EXPECT_EQ(Form1->skSkinOfficeComboBox1->Items()->Count(), 13);
    EXPECT_EQ(Form1->JobText(0, jcOutputName), "clip_2.mp3");
    EXPECT_EQ(Form1->JobText(0, jcSelectionCode), "200");
    EXPECT_EQ(Form1->JobText(0, jcDisableVideo), "True");
    EXPECT_EQ(Form1->JobText(0, jcVideoBitrate), "-1");
    EXPECT_FALSE(Form1->skSkinComboBox1->GetEnabled()) << "audio-only formats have no frame size";
}

TEST_F(JobSelect, ABoxChangeWritesItsPairAndColumnOnlyWithASelectedRow)
{
    AddOne(Media("clip.avi"));
    TskSkinComboBox* bitrate = Form1->skSkinComboBox2;
    const int position = bitrate->GetItemIndex() == 3 ? 4 : 3;
    bitrate->SetItemIndex(position);
    const std::string code = Form1->JobText(0, jcParameterCode);
    EXPECT_EQ(std::stoi(code.substr(2, 2)), position);
    EXPECT_EQ(Form1->JobText(0, jcVideoBitrate), std::to_string(VideoBitrateValue(bitrate->GetText())));
    EXPECT_EQ(Form1->Scratch.Video_VideoBitrate, VideoBitrateValue(bitrate->GetText()));

    Select(-1);
    const int scratch = Form1->Scratch.Video_VideoBitrate;
    bitrate->SetItemIndex(position + 1);
    EXPECT_EQ(Form1->Scratch.Video_VideoBitrate, scratch);
    EXPECT_EQ(Form1->JobText(0, jcParameterCode), code);
}

TEST_F(JobSelect, SelectingARowRestoresItsCategoryFormatAndBoxes)
{
    AddSeveral({Media("b.avi"), Media("a.avi")});
    Select(0);
    Form1->skSkinOfficeComboBox2->SetItemIndex(10);  // smart phones
    Form1->skSkinOfficeComboBox1->SetItemIndex(5);
    Form1->skSkinComboBox2->SetItemIndex(2);
    Form1->skSkinComboBox3->SetItemIndex(1);
    const std::string chosen = Boxes();
    EXPECT_EQ(Form1->JobText(0, jcSelectionCode), "1105");
    const std::string code = Form1->JobText(0, jcParameterCode);
    EXPECT_EQ(code, ParameterCode(DecodeParameterCode(code)));

    Select(1);
    EXPECT_EQ(Boxes().substr(0, 4), "0/0 ");
    Select(0);
    // The boxes show the row's stored positions (a box whose text never changed keeps the pair
    // it had).
    const TParameterPositions stored = DecodeParameterCode(code);
    std::ostringstream expected;
    expected << "10/5";
    for (int position : stored)
        expected << " " << position;
    EXPECT_EQ(Boxes(), expected.str());
    EXPECT_EQ(Boxes().substr(0, 10), chosen.substr(0, 10)) << "the boxes the user chose";
    EXPECT_EQ(Form1->JobText(0, jcSelectionCode), "1105");
    EXPECT_EQ(Form1->JobText(0, jcParameterCode), code);
    EXPECT_EQ(Form1->T_Movie_PLayer_FileName, dir.file("in/a.avi"));
}

TEST_F(JobSelect, CodesThatDoNotReadStopTheRestoringSilently)
{
    AddSeveral({Media("b.avi"), Media("a.avi")});
    Select(0);
    Form1->skSkinOfficeComboBox2->SetItemIndex(3);
    const std::string before = Boxes();
    Form1->SetJobText(1, jcSelectionCode, "x");
    Select(1);
    EXPECT_EQ(Boxes(), before);
    // Both codes are read before anything is set.
    Form1->SetJobText(1, jcSelectionCode, "200");
    Form1->SetJobText(1, jcParameterCode, "00zz");
    Select(0);
    Select(1);
    EXPECT_EQ(Boxes(), before);
    // 1205 reads as category 11, format 5, which that category lacks: the category is set, then
    // the restoring stops.
    Form1->SetJobText(1, jcSelectionCode, "1205");
    Form1->SetJobText(1, jcParameterCode, "000000000000");
    Select(0);
    Select(1);
    EXPECT_EQ(Boxes().substr(0, 5), "11/0 ");
}
