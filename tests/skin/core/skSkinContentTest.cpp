#include "skin/core/skSkinContent.h"

#include "SkinFixtures.h"
#include "classlib/SysUtils.h"
#include "skin/core/skDataSkinControls.h"
#include "skin/core/skDataSkinExtraControls.h"

#include <gtest/gtest.h>

namespace {

TskSkinContent Read(const std::string& text)
{
    TskSkinContent c;
    c.ReadSkinIni(TskMemIniFile(text));
    return c;
}

} // namespace

TEST(skSkinContent, SampleSkinReadsWithItsFixUps)
{
    TskSkinContent c = Read(skintest::SampleSkinIni());
    EXPECT_EQ(c.SkinName, "Sample");
    EXPECT_EQ(c.FMaskName, "mask.bmp");
    EXPECT_EQ(c.FActivePicturesNames, (std::vector<std::string>{"p0.bmp", "p1.bmp", "p2.bmp"}));
    EXPECT_EQ(c.ClRect, (RECT{1, 32, 235, 177}));
    EXPECT_EQ(c.MaskRectArea, c.ClRect);              // a mask without an area takes the client area
    EXPECT_EQ(c.HitTestLTPoint, (POINT{0, 0}));        // 0,40 is unset: the corner point as read
    EXPECT_EQ(c.LTPoint, (POINT{1, 32}));              // then pulled inside the client rectangle
    EXPECT_EQ(c.RBPoint, (POINT{235, 177}));
    EXPECT_EQ(c.BorderW, 4);
    EXPECT_EQ(c.InActiveEffect, ieDarkness);
    EXPECT_EQ(c.BGPictureIndex, -1);
    EXPECT_EQ(c.PopupWindow->WindowPictureIndex, 1);
    EXPECT_EQ(c.LayerFrame->PictureIndex, -1);
    EXPECT_EQ(static_cast<unsigned>(c.FSkinColors->cBtnFace()), 0xFF00000Fu);

    ASSERT_EQ(c.ObjectList.size(), 2u);
    EXPECT_EQ(c.ObjectList[0]->Kind(), "stdbutton");
    ASSERT_EQ(c.CtrlList.size(), 4u);  // the line of an unknown kind creates nothing
    EXPECT_EQ(c.GetControlIndex("button"), 0);
    EXPECT_TRUE(dynamic_cast<TskDataSkinButtonControl&>(*c.CtrlList[0]).FontStyle.Contains(fsBold));
    EXPECT_NE(dynamic_cast<TskDataSkinMenuButtonControl*>(c.CtrlList[2].get()), nullptr);
    EXPECT_EQ(c.GetControlIndex("Button"), -1);
    EXPECT_EQ(c.GetControlIndex("gauge"), 3);
    EXPECT_NE(dynamic_cast<TskDataSkinGaugeControl*>(c.CtrlList[3].get()), nullptr);
    EXPECT_EQ(c.GetControlIndex("odd"), -1);
    EXPECT_EQ(c.GetIndex("menuitem"), 1);
    EXPECT_EQ(c.GetIndex("MENUITEM"), -1);
}

TEST(skSkinContent, FormInfoFixUpsDependOnMaskAndGeometry)
{
    const std::string head = "[PICTURES]\nmask=m.bmp\n[FORMINFO]\nclientrect=10,10,50,50\n";
    TskSkinContent widened = Read(head + "maskrectarea=20,5,40,60\nhittestrighttoppoint=7,9\nrighttoppoint=3,4\n");
    EXPECT_EQ(widened.MaskRectArea, (RECT{10, 5, 50, 60}));
    EXPECT_EQ(widened.HitTestRTPoint, (POINT{7, 9}));

    TskSkinContent noMask = Read("[FORMINFO]\nclientrect=10,10,50,50\nhittestlefttoppoint=0,40\n");
    EXPECT_EQ(noMask.MaskRectArea, (RECT{}));
    EXPECT_EQ(noMask.HitTestLTPoint, (POINT{0, 40}));

    // Right-bottom and left-top share an X: no nine-slice geometry, the points stay as read.
    TskSkinContent flat = Read("[FORMINFO]\nclientrect=10,10,50,50\nlefttoppoint=3,3\nrightbottompoint=3,90\n");
    EXPECT_EQ(flat.LTPoint, (POINT{3, 3}));
    EXPECT_EQ(flat.RBPoint, (POINT{3, 90}));
}

TEST(skSkinContent, BadValuesFailTheRead)
{
    TskSkinContent c;
    EXPECT_THROW(c.ReadSkinIni(TskMemIniFile("[FORMINFO]\nlefttoppoint=5\n")), EConvertError);
    EXPECT_THROW(c.ReadSkinIni(TskMemIniFile("[FORMINFO]\nclientrect=\n")), EConvertError);
    EXPECT_THROW(c.ReadSkinIni(TskMemIniFile("[SKINCONTROLS]\ncount=1\n0=b:button\n[b]\nskinrect=1,2\n")), EConvertError);
}

TEST(skSkinContent, DamagedCountsReadOnlyTheLinesThatExist)
{
    TskSkinContent c = Read("[PICTURES]\nactivepicturescount=2000000000\n0=a.bmp\n"
                            "[SKINCONTROLS]\ncount=2147483647\n0=b:button\n3=p:panel\n"
                            "[SKINOBJECTS]\ncount=-5\n0=x:button\n");
    EXPECT_EQ(c.FActivePicturesNames, (std::vector<std::string>{"a.bmp"}));
    ASSERT_EQ(c.CtrlList.size(), 2u);
    EXPECT_EQ(c.CtrlList[1]->IDName, "p");
    EXPECT_TRUE(c.ObjectList.empty());
}

TEST(skSkinContent, WrittenSkinReadsBackEqualAndKeepsForeignSections)
{
    TskSkinContent c = Read(skintest::SampleSkinIni());
    TskMemIniFile out("[MINE]\nkeep=1\n[VERSION]\nold=1\n");
    c.WriteSkinIni(out);
    EXPECT_EQ(out.ReadString("MINE", "keep", ""), "1");
    EXPECT_FALSE(out.ValueExists("VERSION", "old"));
    EXPECT_EQ(out.ReadString("VERSION", "ver", ""), "1");
    EXPECT_EQ(out.ReadString("SKINCONTROLS", "2", ""), "button:menubutton");

    TskSkinContent back;
    back.ReadSkinIni(out);
    TskMemIniFile again;
    back.WriteSkinIni(again);
    TskMemIniFile first;
    c.WriteSkinIni(first);
    // FORMINFO's fix-ups apply again on every read (unset hit-test corners take the corners as
    // pulled in by the previous read), so only its fix-up-free values are compared.
    EXPECT_EQ(again.ReadString("FORMINFO", "clientrect", ""), first.ReadString("FORMINFO", "clientrect", ""));
    EXPECT_EQ(again.ReadString("FORMINFO", "lefttoppoint", ""), first.ReadString("FORMINFO", "lefttoppoint", ""));
    again.EraseSection("FORMINFO");
    first.EraseSection("FORMINFO");
    EXPECT_EQ(again.GetText(), first.GetText());
    EXPECT_EQ(back.ClRect, c.ClRect);
    EXPECT_EQ(back.CtrlList.size(), c.CtrlList.size());
}
