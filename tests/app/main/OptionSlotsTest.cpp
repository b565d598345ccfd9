#include "app/main/OptionSlots.h"

#include "platform/kernel/CommonErrors.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Slots {
    std::unique_ptr<TInputSlots> inputs = std::make_unique<TInputSlots>();
    std::unique_ptr<TOutputSlots> outputs = std::make_unique<TOutputSlots>();
    TOptionSlots slots{*inputs, *outputs};

    void FillRows(int count)
    {
        slots.FreeAll();
        for (int i = 0; i < count; ++i) {
            TInputOptions in;
            in.FileName = "in" + std::to_string(i);
            TOutputOptions out;
            out.FileName = "out" + std::to_string(i);
            slots.Fill(i, in, out);
        }
    }
    std::string Names(int count)
    {
        std::string names;
        for (int i = 0; i < count; ++i)
            names += slots.State(i) == TSlotState::Full
                         ? slots.Input(i).FileName + "/" + slots.Output(i).FileName + " "
                         : std::string("free ");
        return names;
    }
};

}  // namespace

TEST(OptionSlots, RemovalMovesTheLaterSlotsUp)
{
    Slots s;
    s.FillRows(5);
    s.slots.Remove(1, 5);
    EXPECT_EQ(s.Names(5), "in0/out0 in2/out2 in3/out3 in4/out4 free ");
    s.slots.Remove(3, 4);
    EXPECT_EQ(s.Names(4), "in0/out0 in2/out2 in3/out3 free ");
}

TEST(OptionSlots, ExchangeAndTheLastSlot)
{
    Slots s;
    s.FillRows(3);
    s.slots.Exchange(0, 1);
    EXPECT_EQ(s.Names(3), "in1/out1 in0/out0 in2/out2 ");

    s.FillRows(JobSlotCount);
    EXPECT_EQ(s.slots.State(JobSlotCount - 1), TSlotState::Full);
    EXPECT_THROW(s.slots.Fill(JobSlotCount, TInputOptions{}, TOutputOptions{}), EListError);
    s.slots.Remove(JobSlotCount - 1, JobSlotCount);
    EXPECT_EQ(s.slots.State(JobSlotCount - 1), TSlotState::Free);
    s.slots.FreeAll();
    EXPECT_EQ(s.slots.State(0), TSlotState::Free);
}
