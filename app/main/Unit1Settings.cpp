// The output folder and the skin in the settings file.

#include "app/main/OptionIni.h"
#include "app/main/Unit1.h"

#include "classlib/SysUtils.h"
#include "platform/shell/ShellPlaces.h"
#include "skin/core/skSkinData.h"
#include "skin/form/skSkinViews.h"
#include "skin/input/skSkinEdits.h"

#include <charconv>
#include <filesystem>
#include <system_error>

namespace {

std::string DefaultOutputFolder()
{
    return HomeFolder() + "/Velkor视频软件/输出";
}

bool FolderExists(const std::string& Folder)
{
    std::error_code error;
    return std::filesystem::is_directory(Folder, error);
}

// Creates the folder with its parents; a folder that cannot be made is still used.
void MakeFolder(const std::string& Folder)
{
    std::error_code error;
    std::filesystem::create_directories(Folder, error);
}

// A decimal integer filling the whole text.
std::optional<int> Decimal(const std::string& Text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(Text.data(), Text.data() + Text.size(), value);
    if (error != std::errc() || end != Text.data() + Text.size())
        return std::nullopt;
    return value;
}

} // namespace

void TForm1::Button17Click(TObject*)
{
    std::string folder = OptionIniExists() ? ReadOption("OutPath", "OutPath") : std::string("Error");
    // Only an absolute folder is usable; anything else counts as missing.
    if (OptionMissing(folder) || folder.front() != '/') {
        folder = DefaultOutputFolder();
        MakeFolder(folder);
        WriteOptionReported("OutPath", "OutPath", folder);
    } else {
        MakeFolder(folder);
    }
    Video_OutPut_Folder_Edit->SetText(folder);
    FileOutPutPath = folder;
}

void TForm1::Button16Click(TObject*)
{
    if (FolderExists(FileOutPutPath))
        WriteOption("OutPath", "OutPath", FileOutPutPath);
}

void TForm1::skSkinButton5Click(TObject*)
{
    Dialogs().SelectFolder(skSkinSelectDirectoryDialog2);
    // A cancel still takes the folder last confirmed in this dialog.
    const std::string folder = skSkinSelectDirectoryDialog2.Directory;
    if (folder.empty() || !FolderExists(folder))
        return;
    Video_OutPut_Folder_Edit->SetText(folder);
    FileOutPutPath = folder;
    Button16->Click();
    lvFiles->SetFocus();
}

void TForm1::Button3Click(TObject*)
{
    // Without a file (its write was refused) or with a value that is not a decimal number the
    // default skin is in force.
    const std::optional<int> index =
        OptionIniExists() ? Decimal(ReadOption("Skin", "SetSkin")) : std::optional<int>();
    if (!index) {
        WriteOptionReported("Skin", "SetSkin", "0");
        ApplySkinIndex(0);
        return;
    }
    ApplySkinIndex(*index);
}

void TForm1::Button4Click(TObject*)
{
    WriteOption("Skin", "SetSkin", std::to_string(skSkinData1->SkinIndex()));
}
