#include "PixelFixtures.h"

#include "classlib/Streams.h"
#include "platform/win/Rect.h"
#include "skin/core/TskBitmapLink.h"
#include "skin/core/skUtils.h"

#include <gtest/gtest.h>

using namespace skfix;

TEST(TskBitmapStream, SaveAndLoadRoundTrip)
{
    auto b = CoordBitmap(3, 2, 0x7E);
    b->SetName("glow");
    TMemoryStream stream;
    b->SaveToStream(&stream);
    EXPECT_EQ(stream.Size(), 4 + 8 + 8 + 24);
    stream.SetPosition(0);
    TskBitmap loaded;
    loaded.LoadFromStream(&stream);
    EXPECT_EQ(loaded.GetName(), "glow");
    ASSERT_EQ(loaded.GetWidth(), 3);
    ASSERT_EQ(loaded.GetHeight(), 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(At(loaded, x, y), Coord(x, y, 0x7E));
}

TEST(TskBitmapStream, NegativeHeightMeansBottomUpRows)
{
    TMemoryStream stream;
    WriteStreamString(&stream, "");
    WriteStreamInt32(&stream, 1);
    WriteStreamInt32(&stream, -3);
    for (int y = 0; y < 3; ++y)
        WriteStreamInt32(&stream, static_cast<std::int32_t>(Coord(0, y)));
    stream.SetPosition(0);
    TskBitmap b;
    b.LoadFromStream(&stream);
    ASSERT_EQ(b.GetHeight(), 3);
    EXPECT_EQ(At(b, 0, 0), Coord(0, 2));
    EXPECT_EQ(At(b, 0, 2), Coord(0, 0));
}

TEST(TskBitmapStream, SizesTheStreamCannotHoldAreRefused)
{
    TMemoryStream stream;
    WriteStreamString(&stream, "x");
    WriteStreamInt32(&stream, 100000);
    WriteStreamInt32(&stream, 100000);
    WriteStreamInt32(&stream, 0);
    stream.SetPosition(0);
    TskBitmap b;
    EXPECT_THROW(b.LoadFromStream(&stream), EReadError);
    EXPECT_TRUE(b.Empty());

    TMemoryStream zero;
    WriteStreamString(&zero, "");
    WriteStreamInt32(&zero, 0);
    WriteStreamInt32(&zero, 5);
    zero.SetPosition(0);
    b.LoadFromStream(&zero);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(zero.Position(), zero.Size());
}

TEST(TskBitmapLink, StreamsAssignAndDraw)
{
    auto picture = CoordBitmap(6, 6);
    picture->SetName("parts");
    std::unique_ptr<TskBitmapLink> link(picture->GetBitmapLink("1, 2, 4, 5"));
    EXPECT_EQ(link->GetName(), "parts");
    EXPECT_EQ(link->GetRect(), MakeRect(1, 2, 4, 5));
    EXPECT_TRUE(link->Assigned());

    TMemoryStream stream;
    link->SaveToStream(&stream);
    EXPECT_EQ(stream.Size(), 4 + 10 + 16);
    stream.SetPosition(0);
    TskBitmapLink loaded;
    loaded.LoadFromStream(&stream);
    EXPECT_EQ(loaded.GetRect(), link->GetRect());
    EXPECT_FALSE(loaded.Assigned()) << "loading sets name and rectangle only";

    TskBitmapLink copy;
    copy.Assign(link.get());
    EXPECT_EQ(copy.Image, picture.get());
    auto target = FilledBitmap(4, 4, 0);
    copy.Draw(*target, 1, 1);
    EXPECT_EQ(At(*target, 1, 1), Coord(1, 2));
    EXPECT_EQ(At(*target, 3, 3), Coord(3, 4));
    auto viaCanvas = FilledBitmap(4, 4, 0);
    copy.Draw(viaCanvas->GetCanvas(), 1, 1);
    EXPECT_EQ(At(*viaCanvas, 3, 3), Coord(3, 4));
    copy.SetRight(1);
    auto untouched = FilledBitmap(4, 4, 0);
    copy.Draw(*untouched, 0, 0);
    EXPECT_EQ(At(*untouched, 0, 0), 0u) << "a rectangle of zero width draws nothing";
}

TEST(TskBitmapLink, CheckingMaskedSortsTranslucentPixelsIntoZones)
{
    auto picture = FilledBitmap(10, 10, 0xFF000000);
    TskBitmapLink link;
    link.Image = picture.get();
    link.SetRect(MakeRect(0, 0, 10, 10));
    link.CheckingMasked();
    EXPECT_FALSE(link.Masked);

    picture->GetBits()[0] = 0x33333333;  // a value that never counts
    picture->GetBits()[1 * 10 + 5] = 0x80000000;  // top side zone
    link.CheckingMasked(MakeRect(2, 2, 2, 2));
    EXPECT_TRUE(link.MaskedBorder);
    EXPECT_FALSE(link.MaskedAngles);
    EXPECT_FALSE(link.Masked);

    link.SetRect(MakeRect(8, 8, 12, 12));  // reaches past the picture: outside counts
    link.CheckingMasked(MakeRect(1, 1, 1, 1));
    EXPECT_TRUE(link.MaskedAngles);
    EXPECT_TRUE(link.MaskedBorder);
    EXPECT_TRUE(link.Masked);
    link.CheckingMasked();
    EXPECT_TRUE(link.Masked);
}
