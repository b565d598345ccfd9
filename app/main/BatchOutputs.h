#pragma once
// What Start settles about the outputs of a batch before any task is made: the output folder is
// checked once, each row's output name is made unique against the disk (unless overwriting is
// chosen), against the rows before it in the same batch and always against the batch's inputs,
// and the converter's task indexes are tied to the rows they came from.

#include "app/main/JobFileSystem.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// Why the folder cannot take the batch's outputs, or none when it can.
std::optional<std::string> OutputFolderProblem(const std::string& Folder);

// The input files of a batch. A path is one of them when it is the same text or names the same
// file (a hard or a symbolic link to it).
class TBatchInputs {
public:
    TBatchInputs() = default;
    explicit TBatchInputs(const std::vector<std::string>& Files);
    bool Holds(const std::string& Path) const;

private:
    std::set<std::string> FPaths;
    std::set<TFileIdentity> FFiles;
};

class TBatchOutputNames {
public:
    // No output is ever written onto one of Inputs, overwriting or not.
    TBatchOutputNames(std::string Folder, bool Overwrite, TBatchInputs Inputs = {});
    // The name (without folder) a row's output gets: Name itself, or the first of base_1.ext,
    // base_2.ext ... that is no input of the batch, that no other row of the batch took and that,
    // without overwriting, no file on disk holds. The result is taken.
    std::string Claim(const std::string& Name);
    // The full path of a claimed name.
    std::string PathOf(const std::string& Name) const;
    // The name (without folder) is an input of the batch.
    bool IsInput(const std::string& Name) const { return FInputs.Holds(PathOf(Name)); }

private:
    std::string FFolder;
    bool FOverwrite;
    TBatchInputs FInputs;
    std::set<std::string> FTaken;
};

// The log line of an output name that was changed because it is an input file.
std::string InputAvoidedLogLine(const std::string& Wanted, const std::string& Given);

// The converter's task indexes of a batch and the rows they belong to.
class TTaskRowMap {
public:
    void Clear() { FRows.clear(); }
    void Tie(int Task, int Row) { FRows[Task] = Row; }
    // The row of a task, or -1.
    int RowOf(int Task) const;

private:
    std::map<int, int> FRows;
};
