#include "skin/core/skSkinData.h"

#include "SkinFixtures.h"
#include "classlib/Forms.h"
#include "platform/testkit/WindowTestKit.h"
#include "skin/core/skSkinPayload.h"
#include "skin/core/skzlibcompress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Heard {
    std::string Form;
    UINT Message;
    bool Empty;
    bool Changing;
    friend bool operator==(const Heard&, const Heard&) = default;
};

void PrintTo(const Heard& h, std::ostream* os)
{
    *os << h.Form << ":" << h.Message << (h.Empty ? " empty" : "") << (h.Changing ? " changing" : "");
}

// A form that notes every skin data message it receives, with the sender's state at that moment.
template <class Base>
class Listening : public Base {
public:
    Listening(TComponent* owner, std::string name, std::vector<Heard>* log)
        : Base(owner), FName(std::move(name)), FLog(log)
    {
    }
    void WndProc(TMessage& m) override
    {
        if (m.Msg >= SKM_BEFORESKINCHANGE && m.Msg <= SKM_LAYEREDBORDERSCHANGED && m.LParam == 1000) {
            auto* sender = reinterpret_cast<TskSkinData*>(m.WParam);
            FLog->push_back({FName, m.Msg, sender->Empty, sender->ChangeSkinDataProcess});
        }
        Base::WndProc(m);
    }

private:
    std::string FName;
    std::vector<Heard>* FLog;
};

std::string Int32(std::int32_t v)
{
    std::string s;
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
    return s;
}

// A small stored skin; with a layered frame picture when asked.
void MakeSkin(TskCompressedStoredSkin& stored, bool layeredFrame)
{
    TskSkinPayload p;
    p.ActivePictures = {skintest::MakeBmp(8, 8, 1)};
    p.Text = skintest::SampleSkinIni() + (layeredFrame ? "[LAYERFRAME]\r\npictureindex=0\r\n" : "");
    const std::string bytes = p.Build();
    TMemoryStream plain, packed, file;
    plain.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    CompressSkinStream(&plain, &packed);
    file.WriteBuffer(Int32(3).data(), 4);
    file.WriteBuffer(Int32(static_cast<std::int32_t>(packed.Size())).data(), 4);
    file.WriteBuffer(packed.Memory(), packed.Size());
    stored.LoadFromCompressStream(&file);
}

} // namespace

// The class name the broadcast leaves out.
class TskFormLayerWindow : public Listening<TForm> {
public:
    using Listening<TForm>::Listening;
};

namespace {

class SkinBroadcastTest : public testing::Test {
protected:
    void SetUp() override
    {
        A = new Listening<TForm>(Application, "A", &Log);
        B = new Listening<TForm>(Application, "B", &Log);
        new TskFormLayerWindow(Application, "layer", &Log);
        C = new Listening<TForm>(Application, "C", &Log);
        MakeSkin(Plain, false);
        MakeSkin(Layered, true);
    }
    void TearDown() override { DoneApplication(); }

    std::vector<std::string> Order(UINT message) const
    {
        std::vector<std::string> forms;
        for (const auto& h : Log)
            if (h.Message == message)
                forms.push_back(h.Form);
        return forms;
    }

    WindowTestKit Kit;
    std::vector<Heard> Log;
    TForm *A = nullptr, *B = nullptr, *C = nullptr;
    TskCompressedStoredSkin Plain{nullptr}, Layered{nullptr};
};

TEST_F(SkinBroadcastTest, EveryFormHearsTheChangeInOrderWithTheSendersState)
{
    auto* data = new TskSkinData(nullptr);
    data->LoadCompressedStoredSkin(&Plain);
    const std::vector<Heard> expected{
        {"A", SKM_BEFORESKINCHANGE, true, true}, {"B", SKM_BEFORESKINCHANGE, true, true},
        {"C", SKM_BEFORESKINCHANGE, true, true}, {"A", SKM_SKINCHANGE, false, true},
        {"B", SKM_SKINCHANGE, false, true},      {"C", SKM_SKINCHANGE, false, true},
        {"A", SKM_AFTERSKINCHANGE, false, false}, {"B", SKM_AFTERSKINCHANGE, false, false},
        {"C", SKM_AFTERSKINCHANGE, false, false},
    };
    EXPECT_EQ(Log, expected);
    delete data;
}

TEST_F(SkinBroadcastTest, OwnerFormFirstOnlyWithoutLayeredBorders)
{
    auto* data = new TskSkinData(B);
    data->SetShowLayeredBorders(false);
    Log.clear();
    data->LoadCompressedStoredSkin(&Plain);
    EXPECT_EQ(Order(SKM_SKINCHANGE), (std::vector<std::string>{"B", "A", "C"}));

    // Layered borders on: no head start; with a layered frame picture the list runs backwards.
    data->SetShowLayeredBorders(true);
    Log.clear();
    data->LoadCompressedStoredSkin(&Plain);
    EXPECT_EQ(Order(SKM_SKINCHANGE), (std::vector<std::string>{"A", "B", "C"}));
    Log.clear();
    data->LoadCompressedStoredSkin(&Layered);
    EXPECT_EQ(Order(SKM_BEFORESKINCHANGE), (std::vector<std::string>{"A", "B", "C"}));  // old skin: none
    EXPECT_EQ(Order(SKM_SKINCHANGE), (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_EQ(Order(SKM_AFTERSKINCHANGE), (std::vector<std::string>{"C", "B", "A"}));
}

TEST_F(SkinBroadcastTest, PropertyMessagesReachTheFormsToo)
{
    auto* data = new TskSkinData(nullptr);
    TskResourceStrData store(nullptr);
    data->SetResourceStrData(&store);
    data->SetSkinnableForm(false);
    EXPECT_EQ(Order(SKM_RESOURCESTRCHANGED), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(Order(SKM_SKINNABLECHANGED), (std::vector<std::string>{"A", "B", "C"}));
    data->SetResourceStrData(nullptr);
    delete data;
}

} // namespace
