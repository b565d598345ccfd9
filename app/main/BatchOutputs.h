#pragma once
// What Start settles about the outputs of a batch before any task is made: the output folder is
// checked once, each row's output name is made unique against the disk (unless overwriting is
// chosen) and against the rows before it in the same batch, and the converter's task indexes are
// tied to the rows they came from.

#include <map>
#include <optional>
#include <set>
#include <string>

// Why the folder cannot take the batch's outputs, or none when it can.
std::optional<std::string> OutputFolderProblem(const std::string& Folder);

class TBatchOutputNames {
public:
    TBatchOutputNames(std::string Folder, bool Overwrite);
    // The name (without folder) a row's output gets: Name itself, or the first of base_1.ext,
    // base_2.ext ... that neither another row of the batch took nor, without overwriting, a
    // file on disk holds. The result is taken.
    std::string Claim(const std::string& Name);
    // The full path of a claimed name.
    std::string PathOf(const std::string& Name) const;

private:
    std::string FFolder;
    bool FOverwrite;
    std::set<std::string> FTaken;
};

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
