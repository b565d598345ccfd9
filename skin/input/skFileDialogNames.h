#pragma once
// What the open and save dialogs make of the file-name edit, without the dialogs: the filter's
// extension, the typed text as a full name, the decision of the accept button, the history of
// visited folders and the names of new folders. "/" joins paths; names keep their raw bytes.

#include "platform/shell/ShellItemId.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The extension a typed name without one gets: "." + DefaultExt when that is set; else from the
// filter's mask: none when the mask holds ".*", else the extension of the mask (of its part
// before the first ";" when it has several patterns).
std::string FilterExtension(const std::string& Mask, const std::string& DefaultExt = "");
// Name with Extension appended when its file-name part has no extension of its own.
std::string AddFilterExtension(const std::string& Name, const std::string& Extension);
// The save dialog's answer to a change of filter: the typed name's extension replaced by the new
// one, or the new one appended; unchanged for an empty name or an empty extension.
std::string ChangeTypedExtension(const std::string& Typed, const std::string& Extension);

// The typed text as a full name: an absolute text as it is, else joined to Folder. Nothing for
// an empty text, and for a relative one where the folder has no path (Computer).
std::optional<std::string> FullTypedName(const std::string& Folder, const std::string& Text);
// The name the edit shows for a file (the file-name part, bytes that are not UTF-8 as U+FFFD).
std::string ShownFileName(const std::string& FileName);
// Whether the list's selected file still speaks for the edit: the edit shows its name.
bool SelectionInForce(const std::string& EditText, const std::string& SelectedFile);

// A file (not a folder) at Name; else, when CaseFallback, the one entry of its folder whose name
// differs from Name's only in letter case. Nothing when neither or several such files exist.
std::optional<std::string> FindExistingFile(const std::string& Name, bool CaseFallback);

// What the accept button (or Enter) does with the edit and the list's selection.
struct TAcceptInput {
    bool SaveMode = false;
    bool CheckFileExists = true;
    bool OverwritePrompt = false;
    std::string Folder;        // the list's folder; "" at Computer
    std::string Text;          // the edit's text
    std::string SelectedFile;  // the list's selected file, "" when none
    std::string Extension;     // FilterExtension of the current filter
};
enum class TAcceptAction { Nothing, Accept, AskOverwrite };
struct TAcceptDecision {
    TAcceptAction Action = TAcceptAction::Nothing;
    // The name to accept (after the overwrite question, when one is asked).
    std::string FileName;
    // The list's selection chose the file (Files are the selected files); else the typed text
    // did (Files is the one name).
    bool FromSelection = false;
};
TAcceptDecision DecideAccept(const TAcceptInput& In);

// The folders visited in one dialog run, oldest first. Back follows the second-to-last entry and
// drops that entry (not the last one), so after A, B, C it goes to B, then to A, and the history
// holds C alone.
class TskFolderHistory {
public:
    // Appends the folder unless it is the last entry already.
    void Add(const ShellItemId& Folder);
    // The folder to go back to, removed from the history; nothing with fewer than two entries.
    std::optional<ShellItemId> Back();
    const std::vector<ShellItemId>& Entries() const { return FEntries; }

private:
    std::vector<ShellItemId> FEntries;
};

// The Count-th new folder of a run: Base, then "Base(2)", "Base(3)" ...
std::string NewFolderName(const std::string& Base, int Count);
