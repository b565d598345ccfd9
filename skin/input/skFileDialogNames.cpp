// The file dialogs' name logic: filter extensions, typed names, the accept decision, history.

#include "skin/input/skFileDialogNames.h"

#include "classlib/SysUtils.h"
#include "platform/shell/FolderReader.h"
#include "platform/shell/ShellNamespace.h"

std::string FilterExtension(const std::string& Mask, const std::string& DefaultExt)
{
    if (!DefaultExt.empty())
        return "." + DefaultExt;
    if (Mask.find(".*") != std::string::npos)
        return std::string();
    const std::size_t semicolon = Mask.find(';');
    return ExtractFileExt(semicolon == std::string::npos ? Mask : Mask.substr(0, semicolon));
}

std::string AddFilterExtension(const std::string& Name, const std::string& Extension)
{
    return ExtractFileExt(Name).empty() ? Name + Extension : Name;
}

std::string ChangeTypedExtension(const std::string& Typed, const std::string& Extension)
{
    if (Typed.empty() || Extension.empty())
        return Typed;
    return ChangeFileExt(Typed, Extension);
}

std::optional<std::string> FullTypedName(const std::string& Folder, const std::string& Text)
{
    if (Text.empty())
        return std::nullopt;
    if (Text.front() == '/')
        return Text;
    if (Folder.empty())
        return std::nullopt;
    return JoinPath(Folder, Text);
}

std::string ShownFileName(const std::string& FileName)
{
    return ShellDisplayText(ExtractFileName(FileName));
}

bool SelectionInForce(const std::string& EditText, const std::string& SelectedFile)
{
    return !SelectedFile.empty() && EditText == ShownFileName(SelectedFile);
}

std::optional<std::string> FindExistingFile(const std::string& Name, bool CaseFallback)
{
    const std::optional<FolderEntry> entry = StatEntry(Name);
    if (entry && entry->kind == EntryKind::File)
        return Name;
    const std::size_t slash = Name.rfind('/');
    if (!CaseFallback || slash == std::string::npos)
        return std::nullopt;
    const std::string folder = slash == 0 ? "/" : Name.substr(0, slash);
    const std::string wanted = Name.substr(slash + 1);
    std::vector<FolderEntry> entries;
    try {
        entries = ActiveFolderReader().Read(folder);
    } catch (const EFolderRead&) {
        return std::nullopt;
    }
    std::optional<std::string> found;
    for (const FolderEntry& candidate : entries) {
        if (candidate.kind != EntryKind::File || !SameText(candidate.name, wanted))
            continue;
        if (found)
            return std::nullopt;  // several: the typed name does not say which
        found = JoinPath(folder, candidate.name);
    }
    return found;
}

TAcceptDecision DecideAccept(const TAcceptInput& In)
{
    if (In.Text.empty())
        return {};
    const bool selected = SelectionInForce(In.Text, In.SelectedFile);
    if (In.SaveMode) {
        if (!selected && JoinPath(In.Folder, In.Text).find('*') != std::string::npos)
            return {};
        const std::optional<std::string> name = selected ? In.SelectedFile : FullTypedName(In.Folder, In.Text);
        if (!name)
            return {};
        const bool exists = FindExistingFile(AddFilterExtension(*name, In.Extension), false).has_value();
        return {In.OverwritePrompt && exists ? TAcceptAction::AskOverwrite : TAcceptAction::Accept, *name, selected};
    }
    if (selected) {
        if (In.CheckFileExists && !FindExistingFile(In.SelectedFile, false))
            return {};
        return {TAcceptAction::Accept, In.SelectedFile, true};
    }
    const std::optional<std::string> full = FullTypedName(In.Folder, In.Text);
    if (!full)
        return {};
    const std::string candidate = AddFilterExtension(*full, In.Extension);
    if (!In.CheckFileExists)
        return {TAcceptAction::Accept, candidate, false};
    const std::optional<std::string> found = FindExistingFile(candidate, candidate != *full);
    if (!found)
        return {};
    return {TAcceptAction::Accept, *found, false};
}

void TskFolderHistory::Add(const ShellItemId& Folder)
{
    if (FEntries.empty() || !(FEntries.back() == Folder))
        FEntries.push_back(Folder);
}

std::optional<ShellItemId> TskFolderHistory::Back()
{
    if (FEntries.size() < 2)
        return std::nullopt;
    const auto previous = FEntries.end() - 2;
    ShellItemId folder = *previous;
    FEntries.erase(previous);
    return folder;
}

std::string NewFolderName(const std::string& Base, int Count)
{
    return Count > 1 ? Base + "(" + std::to_string(Count) + ")" : Base;
}
