#pragma once
// The main window's forms made as the program makes them, on the headless window kit with its
// manual clock, for a private user (HOME and XDG_CONFIG_HOME in a temporary folder), with
// scripted dialogs and recorders in place of powering off and playing sounds. Shell opens are
// recorded by the kit (kit.OpenedTargets()).

#include "app/main/FrontEndDialogs.h"
#include "app/main/MainEngine.h"
#include "app/main/Unit1.h"
#include "app/main/Unit5.h"
#include "platform/system/PowerOff.h"
#include "platform/system/SoundPlayer.h"
#include "platform/testkit/WindowTestKit.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Dialogs that answer from queues (an empty queue answers as cancelled) and record each run.
class ScriptedDialogs : public TFrontEndDialogs {
public:
    // Shown message boxes: text and caption.
    std::vector<std::pair<std::string, std::string>> messages;
    std::deque<std::vector<std::string>> openAnswers;
    std::vector<TOpenDialogSetup> openRuns;
    // A folder to confirm, or none to cancel.
    std::deque<std::optional<std::string>> folderAnswers;
    std::vector<TFolderDialogSetup> folderRuns;
    std::deque<std::optional<int>> skinAnswers;
    std::vector<int> skinStarts;

    void ShowMessage(const std::string& Text, const std::string& Caption) override;
    std::vector<std::string> OpenFiles(TOpenDialogSetup& Dialog) override;
    bool SelectFolder(TFolderDialogSetup& Dialog) override;
    std::optional<int> ChooseSkin(int StartIndex) override;
};

class RecordingPower : public TPowerService {
public:
    int requests = 0;
    bool PowerOff(std::string&) override
    {
        ++requests;
        return true;
    }
};

class RecordingSound : public TSoundService {
public:
    std::vector<std::string> played;
    bool PlayAsync(const std::string& FileName) override
    {
        played.push_back(FileName);
        return true;
    }
};

class MainFormTest : public ::testing::Test {
protected:
    MainFormTest();
    ~MainFormTest() override;
    void TearDown() override;

    // Makes the forms as the program does (Form1, then the options dialog); Form1 is shown when
    // Show is true.
    void StartForms(bool Show = false);
    // Closes and frees the forms (as the program's end does), keeping the user's files.
    void StopForms();
    void Pump() { Application->ProcessMessages(); }

    // The settings file of the private user, and one of its values ("Error" when missing).
    std::string IniPath() const;
    std::string Ini(const std::string& Section, const std::string& Key) const;
    // Replaces the settings file by Text (its folder made).
    void WriteIniText(const std::string& Text) const;
    std::string Home() const { return dir.path(); }

    WindowTestKit kit;
    zdtest::TempDir dir;
    ScriptedDialogs dialogs;
    RecordingPower power;
    RecordingSound sound;

private:
    std::optional<std::string> oldHome_, oldConfig_;
};
