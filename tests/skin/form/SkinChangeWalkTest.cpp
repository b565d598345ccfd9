#include "skin/form/skSkinChange.h"

#include "classlib/Controls.h"
#include "classlib/Forms.h"
#include "skin/core/skSkinData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

template <typename Base>
class TRecorder : public Base, public TskSkinChangeable {
public:
    TRecorder(TWinControl* parent, std::string name, TskSkinData* data, Log* log)
        : Base(nullptr), FName(std::move(name)), FData(data), FLog(log)
    {
        this->SetParent(parent);
    }
    TskSkinData* GetSkinData() const override { return FData; }
    void BeforeChangeSkinData() override { FLog->push_back("before " + FName); }
    void ChangeSkinData() override { FLog->push_back("change " + FName); }

private:
    std::string FName;
    TskSkinData* FData;
    Log* FLog;
};

class TPlainWin : public TCustomControl {
public:
    explicit TPlainWin(TWinControl* parent) : TCustomControl(nullptr) { SetParent(parent); }
};

TEST(SkinChangeWalk, VisitsTheTreeInOrderAndOnlyControlsOfTheSender)
{
    TskSkinData mine(nullptr), other(nullptr);
    Log log;
    // Children belong to their parent, which frees them.
    auto* root = new TRecorder<TCustomControl>(nullptr, "root", &mine, &log);
    new TRecorder<TGraphicControl>(root, "graphic", &mine, &log);
    auto* plain = new TPlainWin(root);
    new TRecorder<TCustomControl>(plain, "nested", &mine, &log);
    new TRecorder<TCustomControl>(root, "foreign", &other, &log);

    NotifyBeforeSkinChange(&mine, root);
    NotifySkinChange(&mine, root);
    EXPECT_EQ(log, (Log{"before root", "before graphic", "before nested", "change root", "change graphic",
                        "change nested"}));

    log.clear();
    NotifySkinChange(nullptr, root);  // no sender: every skinned control
    EXPECT_EQ(log, (Log{"change root", "change graphic", "change nested", "change foreign"}));

    log.clear();
    NotifySkinChange(&mine, nullptr);
    EXPECT_TRUE(log.empty());
    root->Free();
}

} // namespace
