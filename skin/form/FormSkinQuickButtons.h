#pragma once
// Small image buttons at the left end of a skinned form's caption. The frame owns the collection;
// the caption object lays the buttons out, draws them, follows the pointer over them and raises
// their clicks.

#include "classlib/Classes.h"
#include "platform/win/Types.h"

#include <string>

class TskFormSkin;

class TskQuickButtonItem : public TCollectionItem {
public:
    explicit TskQuickButtonItem(TCollection* Collection);

    void Assign(TPersistent* Source) override;

    int GetImageIndex() const { return FImageIndex; }
    virtual void SetImageIndex(int Value);
    bool GetEnabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);
    bool GetVisible() const { return FVisible; }
    virtual void SetVisible(bool Value);

    std::string Hint;
    TNotifyEvent OnClick;
    // The button in window coordinates, set at each layout.
    RECT ItemRect{};
    // The pointer is over the button; Down: it is pressed.
    bool Active = false;
    bool Down = false;

private:
    int FImageIndex = -1;
    bool FEnabled = true;
    bool FVisible = true;
};

class TskQuickButtonItems : public TCollection {
public:
    explicit TskQuickButtonItems(TskFormSkin* ABSF);

    TskQuickButtonItem* Add() { return static_cast<TskQuickButtonItem*>(TCollection::Add()); }
    TskQuickButtonItem* Insert(int Index) { return static_cast<TskQuickButtonItem*>(TCollection::Insert(Index)); }
    TskQuickButtonItem* Items(int Index) const { return static_cast<TskQuickButtonItem*>(GetItem(Index)); }
    TPersistent* GetOwner() override;

protected:
    // Any change repaints the frame, except while the form loads or is designed.
    void Update(TCollectionItem* Item) override;

private:
    TskFormSkin* BSF;
};
