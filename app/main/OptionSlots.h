#pragma once
// The job list's option slots: the input and output records of row i live in slot i, rows 0 to
// n-1 fill slots 0 to n-1 and the others are free. The records are the window's two tables; the
// slots keep beside them whether each is in use and the name its row's output is made unique
// from.

#include "engine/EngineRecords.h"

#include <array>
#include <string>

inline constexpr int JobSlotCount = 501;
using TInputSlots = std::array<TInputOptions, JobSlotCount>;
using TOutputSlots = std::array<TOutputOptions, JobSlotCount>;

enum class TSlotState { Free, Full };

class TOptionSlots {
public:
    TOptionSlots(TInputSlots& Inputs, TOutputSlots& Outputs) : FInputs(Inputs), FOutputs(Outputs) {}

    // Every slot free (the records stay as they are until filled again).
    void FreeAll();
    // Slot Index takes the records of a new row and is in use; raises EListError past the table.
    void Fill(int Index, const TInputOptions& Input, const TOutputOptions& Output);
    // The row at Index went: the slots after it, up to Count (the rows before the removal), move
    // up one place and the last of them becomes free.
    void Remove(int Index, int Count);
    // Two rows changed places: their slots do too, states included.
    void Exchange(int Index1, int Index2);
    TSlotState State(int Index) const;
    // The output name (without folder) as the row would have it without a clash: what the add,
    // a rename or a format change gave, never a name made unique from it. Empty until set.
    const std::string& BaseName(int Index) const;
    void SetBaseName(int Index, std::string Name);
    TInputOptions& Input(int Index);
    TOutputOptions& Output(int Index);

private:
    static void Check(int Index);
    TInputSlots& FInputs;
    TOutputSlots& FOutputs;
    std::array<TSlotState, JobSlotCount> FStates{};
    std::array<std::string, JobSlotCount> FBaseNames;
};
