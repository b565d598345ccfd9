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
            slots.SetBaseName(i, "base" + std::to_string(i));
        }
    }
    std::string Names(int count)
    {
        std::string names;
        for (int i = 0; i < count; ++i) {
            if (slots.State(i) != TSlotState::Full) {
                names += "free ";
                continue;
            }
            names.append(slots.Input(i).FileName).append("/").append(slots.Output(i).FileName);
            names.append("/").append(slots.BaseName(i)).append(" ");
        }
        return names;
    }
};

}  // namespace

TEST(OptionSlots, RemovalMovesTheLaterSlotsUp)
{
    Slots s;
    s.FillRows(5);
    s.slots.Remove(1, 5);
    EXPECT_EQ(s.Names(5), "in0/out0/base0 in2/out2/base2 in3/out3/base3 in4/out4/base4 free ");
    s.slots.Remove(3, 4);
    EXPECT_EQ(s.Names(4), "in0/out0/base0 in2/out2/base2 in3/out3/base3 free ");
}

TEST(OptionSlots, ExchangeAndTheLastSlot)
{
    Slots s;
    s.FillRows(3);
    s.slots.Exchange(0, 1);
    EXPECT_EQ(s.Names(3), "in1/out1/base1 in0/out0/base0 in2/out2/base2 ");

    s.FillRows(JobSlotCount);
    EXPECT_EQ(s.slots.State(JobSlotCount - 1), TSlotState::Full);
    EXPECT_THROW(s.slots.Fill(JobSlotCount, TInputOptions{}, TOutputOptions{}), EListError);
    s.slots.Remove(JobSlotCount - 1, JobSlotCount);
    EXPECT_EQ(s.slots.State(JobSlotCount - 1), TSlotState::Free);
    EXPECT_EQ(s.slots.BaseName(JobSlotCount - 1), "");
    s.slots.FreeAll();
    EXPECT_EQ(s.slots.State(0), TSlotState::Free);
}
