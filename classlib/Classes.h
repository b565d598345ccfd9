#pragma once
// Persistent objects, components with owners and removal notification, and collections.

#include "classlib/Object.h"
#include "platform/kernel/CommonErrors.h"

#include <string>
#include <vector>

class EComponentError : public Exception {
public:
    using Exception::Exception;
};

// An object that can copy itself from another: Assign asks the source to AssignTo this object
// when this class does not know the source's class; neither knowing the other raises
// EConvertError "Cannot assign a <source class> to a <destination class>".
class TPersistent : public TObject {
public:
    virtual void Assign(TPersistent* Source);
    virtual TPersistent* GetOwner() { return nullptr; }

protected:
    virtual void AssignTo(TPersistent* Dest);
    [[noreturn]] void AssignError(TPersistent* Source);
};

enum class TOperation { opInsert, opRemove };

// Modifier keys and mouse buttons held during an input event.
enum TShiftStateMember { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateMember>;

enum TComponentStateMember {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance
};
using TComponentState = TSet<TComponentStateMember>;

// A component: owned by another (which frees it), named uniquely among its owner's components,
// and told by Notification when a component it may reference goes away.
class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* GetOwner() override { return FOwner; }
    TComponent* Owner() const { return FOwner; }

    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int Index) const;
    int GetComponentIndex() const;

    const std::string& GetName() const { return FName; }
    // An identifier (letter or "_" first, then letters, digits, "_") unique among the owner's
    // components without regard to case; an empty name is always allowed.
    virtual void SetName(const std::string& NewName);
    std::intptr_t GetTag() const { return FTag; }
    void SetTag(std::intptr_t Value) { FTag = Value; }

    TComponentState ComponentState() const { return FComponentState; }

    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    // The owned component of that name, compared without regard to case; nullptr when none.
    TComponent* FindComponent(const std::string& AName) const;
    void DestroyComponents();
    // Marks this component and everything it owns as being destroyed.
    void Destroying();

    // Ask to be told (Notification with opRemove) when AComponent is freed, and the reverse.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Forms built in code run these around their construction: BeginLoading sets csLoading on
    // this component and everything it owns; EndLoading clears it and calls Loaded on this
    // component and then on every owned one, in creation order.
    void BeginLoading();
    void EndLoading();

    // Design mode for this component and the components it owns.
    void SetDesigning(bool Value);

protected:
    // Called for every component inserted into or removed from the owner, and for every
    // free-notified component; the base forwards it to all owned components.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    virtual void Loaded();
    virtual void ValidateRename(TComponent* AComponent, const std::string& CurName, const std::string& NewName);
    virtual void ValidateInsert(TComponent* AComponent) { (void)AComponent; }
    void BeforeDestruction() override;
    void SetComponentStateFlag(TComponentStateMember Flag, bool On);

private:
    void insertRaw(TComponent* AComponent);
    void removeRaw(TComponent* AComponent);
    void removeNotification(TComponent* AComponent);
    void teardown();

    TComponent* FOwner = nullptr;
    std::string FName;
    std::intptr_t FTag = 0;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    TComponentState FComponentState;
    bool FTornDown = false;
};

// Points Field at Value and has Self told when Value is freed; Self's Notification then empties
// the field through ForgetFreed. The old value's notification stays: another field of Self may
// still point at it, and a notice about a component no field holds changes nothing.
template <class T>
void SetWatchedComponent(TComponent* Self, T*& Field, T* Value)
{
    Field = Value;
    if (Value)
        Value->FreeNotification(Self);
}

// Empties each of the fields that points at the freed component.
template <class... T>
void ForgetFreed(const TComponent* Freed, T*&... Fields)
{
    ((Fields = static_cast<const TComponent*>(Fields) == Freed ? nullptr : Fields), ...);
}

class TCollection;

// One item of a collection; it inserts itself into the collection given to its constructor and
// leaves it when freed.
class TCollectionItem : public TPersistent {
public:
    explicit TCollectionItem(TCollection* Collection);
    ~TCollectionItem() override;

    TCollection* GetCollection() const { return FCollection; }
    void SetCollection(TCollection* Value);
    int GetID() const { return FID; }
    int GetIndex() const;
    virtual void SetIndex(int Value);
    virtual std::string GetDisplayName() const;
    virtual void SetDisplayName(const std::string& Value);
    TPersistent* GetOwner() override;

protected:
    // Tells the collection: Update(this) or, with AllItems, Update(nullptr).
    void Changed(bool AllItems);

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    int FID = 0;
};

enum class TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

// Creates the item of a collection's item class inside the given collection.
using TCollectionItemClass = std::function<TCollectionItem*(TCollection*)>;

template <class T>
TCollectionItemClass CollectionItemClass()
{
    return [](TCollection* c) -> TCollectionItem* { return new T(c); };
}

// An owned, ordered list of items of one item class. Changes are reported through Update, held
// back between BeginUpdate and EndUpdate.
class TCollection : public TPersistent {
public:
    explicit TCollection(TCollectionItemClass ItemClass);
    ~TCollection() override;

    TCollectionItem* Add();
    TCollectionItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    int Count() const { return static_cast<int>(FItems.size()); }
    TCollectionItem* GetItem(int Index) const;
    TCollectionItem* FindItemID(int ID) const;
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }
    // Copies the items of another collection: clears, then adds one item per source item and
    // assigns it.
    void Assign(TPersistent* Source) override;
    TPersistent* GetOwner() override { return nullptr; }

protected:
    // Item is the changed item, or nullptr when the whole collection changed.
    virtual void Update(TCollectionItem* Item) { (void)Item; }
    virtual void Notify(TCollectionItem* Item, TCollectionNotification Action) { (void)Item; (void)Action; }
    void Changed();
    void BeforeDestruction() override;

private:
    friend class TCollectionItem;
    void freeItems();
    void insertItem(TCollectionItem* Item);
    void removeItem(TCollectionItem* Item);
    void moveItem(int CurIndex, int NewIndex);

    TCollectionItemClass FItemClass;
    std::vector<TCollectionItem*> FItems;
    int FUpdateCount = 0;
    int FNextID = 0;
};

// A collection with an owner, which the items report as theirs.
class TOwnedCollection : public TCollection {
public:
    TOwnedCollection(TPersistent* AOwner, TCollectionItemClass ItemClass)
        : TCollection(std::move(ItemClass)), FOwner(AOwner) {}
    TPersistent* GetOwner() override { return FOwner; }

private:
    TPersistent* FOwner;
};
