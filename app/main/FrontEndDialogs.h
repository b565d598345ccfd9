#pragma once
// The modal dialogs the main window runs, behind one interface so that tests script them. The
// window keeps each dialog's settings in a small record (title, filter, folder) as the dialog
// components would hold them; an implementation shows the dialog for that record.

#include <optional>
#include <string>
#include <vector>

// An open dialog's settings: one file or several, the filter entries ("description|patterns|")
// and the 1-based entry in force.
struct TOpenDialogSetup {
    std::string Title;
    std::string Filter;
    int FilterIndex = 1;
    bool MultiSelection = false;
};

// A folder dialog's settings. Directory is where the dialog starts; a confirmation replaces it
// by the chosen folder, a cancel leaves it as it was.
struct TFolderDialogSetup {
    std::string Title;
    std::string Directory;
};

class TFrontEndDialogs {
public:
    virtual ~TFrontEndDialogs() = default;

    // The information message box with its OK button alone (help context 0).
    virtual void ShowMessage(const std::string& Text, const std::string& Caption) = 0;
    // The chosen files, in the dialog's order; none when the user cancelled.
    virtual std::vector<std::string> OpenFiles(TOpenDialogSetup& Dialog) = 0;
    // True when the user confirmed a folder (then in Dialog.Directory).
    virtual bool SelectFolder(TFolderDialogSetup& Dialog) = 0;
    // The skin chooser starting at StartIndex: the chosen index, or none when cancelled.
    virtual std::optional<int> ChooseSkin(int StartIndex) = 0;
};
