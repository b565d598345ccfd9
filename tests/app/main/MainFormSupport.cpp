#include "MainFormSupport.h"

#include "app/main/OptionIni.h"
#include "app/main/Project1.h"
#include "classlib/IniFiles.h"
#include "skin/form/skFrameMenu.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

std::optional<std::string> Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

void Restore(const char* name, const std::optional<std::string>& value)
{
    if (value)
        setenv(name, value->c_str(), 1);
    else
        unsetenv(name);
}

} // namespace

void ScriptedDialogs::ShowMessage(const std::string& Text, const std::string& Caption)
{
    messages.emplace_back(Text, Caption);
}

std::vector<std::string> ScriptedDialogs::OpenFiles(TOpenDialogSetup& Dialog)
{
    openRuns.push_back(Dialog);
    if (openAnswers.empty())
        return {};
    std::vector<std::string> files = openAnswers.front();
    openAnswers.pop_front();
    return files;
}

bool ScriptedDialogs::SelectFolder(TFolderDialogSetup& Dialog)
{
    folderRuns.push_back(Dialog);
    if (folderAnswers.empty())
        return false;
    const std::optional<std::string> answer = folderAnswers.front();
    folderAnswers.pop_front();
    if (answer)
        Dialog.Directory = *answer;
    return answer.has_value();
}

std::optional<int> ScriptedDialogs::ChooseSkin(int StartIndex)
{
    skinStarts.push_back(StartIndex);
    if (skinAnswers.empty())
        return std::nullopt;
    const std::optional<int> answer = skinAnswers.front();
    skinAnswers.pop_front();
    return answer;
}

MainFormTest::MainFormTest() : oldHome_(Env("HOME")), oldConfig_(Env("XDG_CONFIG_HOME"))
{
    setenv("HOME", dir.path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (dir.path() + "/.config").c_str(), 1);
    SetPowerService(&power);
    SetSoundService(&sound);
    TForm1::SetDialogs(&dialogs);
}

MainFormTest::~MainFormTest()
{
    Restore("HOME", oldHome_);
    Restore("XDG_CONFIG_HOME", oldConfig_);
}

void MainFormTest::TearDown()
{
    StopForms();
    TForm1::SetDialogs(nullptr);
    SetConverterMaker({});
    SetFrameMenuFactory(nullptr);
    SetPowerService(nullptr);
    SetSoundService(nullptr);
}

void MainFormTest::StartForms(bool Show)
{
    InitialiseProgram();
    CreateProgramForms();
    if (Show) {
        Form1->Show();
        Pump();
    }
}

void MainFormTest::StopForms()
{
    if (Form1) {
        bool canClose = false;
        Form1->FormCloseQuery(Form1, canClose);
    }
    DoneApplication();
}

std::string MainFormTest::IniPath() const
{
    return OptionIniPath();
}

std::string MainFormTest::Ini(const std::string& Section, const std::string& Key) const
{
    return ReadOption(Section, Key);
}

void MainFormTest::WriteIniText(const std::string& Text) const
{
    std::filesystem::create_directories(std::filesystem::path(IniPath()).parent_path());
    std::ofstream(IniPath(), std::ios::binary) << Text;
}
