#include "SkinFixtures.h"

#include <cstdint>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace skintest {

namespace {

void Put16(std::string& s, std::uint32_t v)
{
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(std::string& s, std::uint32_t v)
{
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

} // namespace

std::string MakeBmp(int width, int height, int seed)
{
    const int stride = (width * 3 + 3) / 4 * 4;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(stride * height);
    std::string s = "BM";
    Put32(s, 14 + 40 + imageSize);
    Put32(s, 0);
    Put32(s, 14 + 40);
    Put32(s, 40);
    Put32(s, static_cast<std::uint32_t>(width));
    Put32(s, static_cast<std::uint32_t>(height));
    Put16(s, 1);
    Put16(s, 24);
    Put32(s, 0);
    Put32(s, imageSize);
    Put32(s, 2835);
    Put32(s, 2835);
    Put32(s, 0);
    Put32(s, 0);
    for (int y = 0; y < height; ++y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            row += static_cast<char>((x * 13 + seed) & 0xFF);
            row += static_cast<char>((y * 7 + seed * 3) & 0xFF);
            row += static_cast<char>((x + y + seed * 11) & 0xFF);
        }
        row.resize(static_cast<std::size_t>(stride), '\0');
        s += row;
    }
    return s;
}

void WriteFile(const std::string& name, const std::string& bytes)
{
    std::ofstream out(name, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + name);
}

std::string ReadFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string SampleSkinIni()
{
    return "[VERSION]\r\n"
           "ver=1\r\n"
           "skinname=Sample\r\n"
           "skinauthor=Tests\r\n"
           "[PICTURES]\r\n"
           "picture=main.bmp\r\n"
           "inactivepicture=inactive.bmp\r\n"
           "mask=mask.bmp\r\n"
           "activepicturescount=3\r\n"
           "0=p0.bmp\r\n"
           "1=p1.bmp\r\n"
           "2=p2.bmp\r\n"
           "[FORMINFO]\r\n"
           "clientrect=1,32,235,177\r\n"
           "lefttoppoint=0,0\r\n"
           "rightbottompoint=240,180\r\n"
           "maskrectarea=0,0,0,0\r\n"
           "hittestlefttoppoint=0,40\r\n"
           "borderwidth=4\r\n"
           "inactiveeffect=iedarkness\r\n"
           "[POPUPWINDOW]\r\n"
           "windowpictureindex=1\r\n"
           "[SKINOBJECTS]\r\n"
           "count=2\r\n"
           "0=closebutton:stdbutton\r\n"
           "1=menuitem:menuitem\r\n"
           "[closebutton]\r\n"
           "hint=Close\r\n"
           "command=cmclose\r\n"
           "skinrect=200,4,216,20\r\n"
           "[menuitem]\r\n"
           "skinrect=0,0,40,20\r\n"
           "[SKINCONTROLS]\r\n"
           "count=5\r\n"
           "0=button:button\r\n"
           "1=panel:panel\r\n"
           "2=odd:nosuchkind\r\n"
           "3=button:menubutton\r\n"
           "4=gauge:gauge\r\n"
           "[button]\r\n"
           "pictureindex=0\r\n"
           "skinrect=415,95,441,121\r\n"
           "clientrect=3,3,23,24\r\n"
           "fontstyle=fsbold\r\n"
           "[panel]\r\n"
           "pictureindex=2\r\n"
           "alignment=taleftjustify\r\n";
}

std::string MakeSkinFolder(const std::string& folder)
{
    WriteFile(folder + "/main.bmp", MakeBmp(240, 180, 1));
    WriteFile(folder + "/inactive.bmp", MakeBmp(240, 180, 2));
    WriteFile(folder + "/mask.bmp", MakeBmp(240, 180, 3));
    WriteFile(folder + "/p0.bmp", MakeBmp(5, 3, 4));
    WriteFile(folder + "/p1.bmp", MakeBmp(16, 16, 5));
    WriteFile(folder + "/p2.bmp", MakeBmp(1, 1, 6));
    WriteFile(folder + "/skin.ini", SampleSkinIni());
    return folder + "/skin.ini";
}

} // namespace skintest
