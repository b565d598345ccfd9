#include "classlib/Classes.h"
#include "classlib/SysUtils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;

// A component that references another one and logs what it is told.
class TProbe : public TComponent {
public:
    using TComponent::TComponent;
    TComponent* Ref = nullptr;
    bool SawOwnerDestroying = false;

    void SetRef(TComponent* c)
    {
        Ref = c;
        if (c)
            c->FreeNotification(this);
    }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TComponent::Notification(AComponent, Operation);
        if (Operation == TOperation::opRemove && AComponent == Ref) {
            Ref = nullptr;
            SawOwnerDestroying = AComponent->ComponentState().Contains(csDestroying);
        }
    }
    void Loaded() override
    {
        TComponent::Loaded();
        std::string line = "Loaded ";
        line += GetName();
        g_log.push_back(line);
    }
};

TEST(Component, OwnerFreesWhatItOwnsAndFindsByNameWithoutCase)
{
    auto* owner = new TComponent(nullptr);
    auto* a = new TProbe(owner);
    a->SetName("Button1");
    auto* b = new TProbe(owner);
    b->SetName("edit_2");
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->FindComponent("BUTTON1"), a);
    EXPECT_EQ(owner->FindComponent("nothing"), nullptr);
    EXPECT_EQ(b->GetComponentIndex(), 1);

    EXPECT_THROW(b->SetName("button1"), EComponentError);
    EXPECT_THROW(b->SetName("1abc"), EComponentError);
    EXPECT_THROW(b->SetName("a b"), EComponentError);
    EXPECT_EQ(b->GetName(), "edit_2");
    b->SetName("滤镜设置");
    EXPECT_EQ(owner->FindComponent("滤镜设置"), b);
    b->SetName("edit_2");

    // b watches a component owned elsewhere; freeing the owner frees a and b.
    auto* outside = new TComponent(nullptr);
    b->SetRef(outside);
    owner->Free();
    outside->Free();  // b is gone: nothing left to tell, nothing may crash
}

TEST(Component, FreeingAReferencedComponentClearsTheReference)
{
    auto* form = new TComponent(nullptr);
    auto* holder = new TProbe(form);
    auto* sibling = new TComponent(form);
    holder->Ref = sibling;  // same owner: the owner forwards the removal, no FreeNotification needed
    sibling->Free();
    EXPECT_EQ(holder->Ref, nullptr);
    EXPECT_EQ(form->ComponentCount(), 1);

    auto* other = new TComponent(nullptr);  // another owner: FreeNotification does it
    holder->SetRef(other);
    other->Free();
    EXPECT_EQ(holder->Ref, nullptr);
    EXPECT_TRUE(holder->SawOwnerDestroying);

    auto* kept = new TComponent(nullptr);
    holder->SetRef(kept);
    kept->RemoveFreeNotification(holder);
    holder->Free();
    kept->Free();  // holder no longer listed: freeing kept must not touch it
    form->Free();
}

TEST(Component, RemoveAndInsertMoveOwnership)
{
    auto* a = new TComponent(nullptr);
    auto* b = new TComponent(nullptr);
    auto* c = new TComponent(a);
    b->InsertComponent(c);
    EXPECT_EQ(c->Owner(), b);
    EXPECT_EQ(a->ComponentCount(), 0);
    b->RemoveComponent(c);
    EXPECT_EQ(c->Owner(), nullptr);
    a->Free();
    b->Free();
    c->Free();
}

TEST(Component, LoadingGateCallsLoadedOwnerFirstInCreationOrder)
{
    g_log.clear();
    auto* form = new TProbe(nullptr);
    form->SetName("Form1");
    form->BeginLoading();
    auto* x = new TProbe(form);
    x->SetName("X");
    x->BeginLoading();
    auto* y = new TProbe(form);
    y->SetName("Y");
    y->BeginLoading();
    EXPECT_TRUE(form->ComponentState().Contains(csLoading));
    form->EndLoading();
    EXPECT_EQ(g_log, (std::vector<std::string>{"Loaded Form1", "Loaded X", "Loaded Y"}));
    EXPECT_FALSE(y->ComponentState().Contains(csLoading));
    form->Free();
}

TEST(Persistent, AssignBetweenUnrelatedClassesRaisesConversionError)
{
    TComponent a(nullptr), b(nullptr);
    try {
        a.Assign(&b);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TComponent to a TComponent");
    }
}

// --- collections ---

class TNamedItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    std::string Name;
    void SetName(const std::string& n)
    {
        Name = n;
        Changed(false);
    }
    void Assign(TPersistent* Source) override
    {
        if (auto* s = dynamic_cast<TNamedItem*>(Source))
            Name = s->Name;
        else
            TCollectionItem::Assign(Source);
    }
};

class TCountingCollection : public TCollection {
public:
    TCountingCollection() : TCollection(CollectionItemClass<TNamedItem>()) {}
    std::vector<TCollectionItem*> Updates;

protected:
    void Update(TCollectionItem* Item) override { Updates.push_back(Item); }
};

TEST(Collection, ChangesReportedOncePerUpdateBlock)
{
    TCountingCollection c;
    auto* first = static_cast<TNamedItem*>(c.Add());
    EXPECT_EQ(c.Updates, (std::vector<TCollectionItem*>{nullptr}));

    c.Updates.clear();
    first->SetName("a");
    EXPECT_EQ(c.Updates, (std::vector<TCollectionItem*>{first}));

    c.Updates.clear();
    c.BeginUpdate();
    c.Add();
    c.Add();
    first->SetName("b");
    EXPECT_TRUE(c.Updates.empty());
    c.EndUpdate();
    EXPECT_EQ(c.Updates, (std::vector<TCollectionItem*>{nullptr}));

    first->SetIndex(2);
    EXPECT_EQ(c.GetItem(2), first);
    EXPECT_EQ(first->GetIndex(), 2);
    EXPECT_EQ(c.FindItemID(first->GetID()), first);

    c.Delete(0);
    EXPECT_EQ(c.Count(), 2);
    first->Free();
    EXPECT_EQ(c.Count(), 1);
    EXPECT_THROW(c.GetItem(5), EListError);
}

TEST(Collection, AssignCopiesItems)
{
    TCountingCollection a, b;
    static_cast<TNamedItem*>(a.Add())->SetName("x");
    static_cast<TNamedItem*>(a.Add())->SetName("y");
    b.Add();
    b.Assign(&a);
    ASSERT_EQ(b.Count(), 2);
    EXPECT_EQ(static_cast<TNamedItem*>(b.GetItem(1))->Name, "y");
}

} // namespace
