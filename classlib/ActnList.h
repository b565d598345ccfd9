#pragma once
// A minimal action: a named command with an execute handler, a checked state and an image of
// its list's images, which controls link to (their Action) and follow (ActionChange).

#include "classlib/Classes.h"

#include <vector>

class TCustomImageList;
class TCustomAction;

// A control that links an action implements this; the action tells it of every change.
class TActionClient {
public:
    virtual ~TActionClient() = default;
    virtual void ActionChange(TCustomAction* Sender) = 0;
};

class TCustomActionList : public TComponent {
public:
    using TComponent::TComponent;
    TCustomImageList* GetImages() const { return FImages; }
    void SetImages(TCustomImageList* Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TCustomImageList* FImages = nullptr;
};

class TCustomAction : public TComponent {
public:
    using TComponent::TComponent;
    ~TCustomAction() override;

    TCustomActionList* GetActionList() const { return FActionList; }
    void SetActionList(TCustomActionList* Value);
    bool GetChecked() const { return FChecked; }
    void SetChecked(bool Value);
    int GetImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    // Runs OnExecute; false when there is none.
    virtual bool Execute();

    // Links and unlinks a client (the client's Action setter does this).
    void AddClient(TActionClient* Client);
    void RemoveClient(TActionClient* Client);

    TNotifyEvent OnExecute;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void Changed();

    TCustomActionList* FActionList = nullptr;
    bool FChecked = false;
    int FImageIndex = -1;
    std::vector<TActionClient*> FClients;
};
