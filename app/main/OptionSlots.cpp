#include "app/main/OptionSlots.h"

#include "platform/kernel/CommonErrors.h"

#include <utility>

void TOptionSlots::FreeAll()
{
    FStates.fill(TSlotState::Free);
    FBaseNames.fill(std::string());
}

void TOptionSlots::Fill(int Index, const TInputOptions& Input, const TOutputOptions& Output)
{
    Check(Index);
    FInputs[static_cast<std::size_t>(Index)] = Input;
    FOutputs[static_cast<std::size_t>(Index)] = Output;
    FStates[static_cast<std::size_t>(Index)] = TSlotState::Full;
    FBaseNames[static_cast<std::size_t>(Index)].clear();
}

void TOptionSlots::Remove(int Index, int Count)
{
    Check(Index);
    Check(Count - 1);
    for (int i = Index; i + 1 < Count; ++i) {
        const auto to = static_cast<std::size_t>(i);
        FInputs[to] = std::move(FInputs[to + 1]);
        FOutputs[to] = std::move(FOutputs[to + 1]);
        FStates[to] = FStates[to + 1];
        FBaseNames[to] = std::move(FBaseNames[to + 1]);
    }
    FStates[static_cast<std::size_t>(Count - 1)] = TSlotState::Free;
    FBaseNames[static_cast<std::size_t>(Count - 1)].clear();
}

void TOptionSlots::Exchange(int Index1, int Index2)
{
    Check(Index1);
    Check(Index2);
    const auto a = static_cast<std::size_t>(Index1);
    const auto b = static_cast<std::size_t>(Index2);
    std::swap(FInputs[a], FInputs[b]);
    std::swap(FOutputs[a], FOutputs[b]);
    std::swap(FStates[a], FStates[b]);
    std::swap(FBaseNames[a], FBaseNames[b]);
}

TSlotState TOptionSlots::State(int Index) const
{
    Check(Index);
    return FStates[static_cast<std::size_t>(Index)];
}

const std::string& TOptionSlots::BaseName(int Index) const
{
    Check(Index);
    return FBaseNames[static_cast<std::size_t>(Index)];
}

void TOptionSlots::SetBaseName(int Index, std::string Name)
{
    Check(Index);
    FBaseNames[static_cast<std::size_t>(Index)] = std::move(Name);
}

TInputOptions& TOptionSlots::Input(int Index)
{
    Check(Index);
    return FInputs[static_cast<std::size_t>(Index)];
}

TOutputOptions& TOptionSlots::Output(int Index)
{
    Check(Index);
    return FOutputs[static_cast<std::size_t>(Index)];
}

void TOptionSlots::Check(int Index)
{
    if (Index < 0 || Index >= JobSlotCount)
        RaiseListIndexError(Index);
}
