#include "classlib/ActnList.h"

#include "classlib/ImgList.h"

#include <algorithm>

void TCustomActionList::SetImages(TCustomImageList* Value)
{
    FImages = Value;
    if (Value != nullptr)
        Value->FreeNotification(this);
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FImages)
        FImages = nullptr;
}

TCustomAction::~TCustomAction() = default;

void TCustomAction::SetActionList(TCustomActionList* Value)
{
    FActionList = Value;
    if (Value != nullptr)
        Value->FreeNotification(this);
    Changed();
}

void TCustomAction::SetChecked(bool Value)
{
    if (Value == FChecked)
        return;
    FChecked = Value;
    Changed();
}

void TCustomAction::SetImageIndex(int Value)
{
    if (Value == FImageIndex)
        return;
    FImageIndex = Value;
    Changed();
}

bool TCustomAction::Execute()
{
    if (!OnExecute)
        return false;
    const TNotifyEvent handler = OnExecute;
    handler(this);
    return true;
}

void TCustomAction::AddClient(TActionClient* Client)
{
    if (std::find(FClients.begin(), FClients.end(), Client) == FClients.end())
        FClients.push_back(Client);
}

void TCustomAction::RemoveClient(TActionClient* Client)
{
    FClients.erase(std::remove(FClients.begin(), FClients.end(), Client), FClients.end());
}

void TCustomAction::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FActionList)
        FActionList = nullptr;
}

void TCustomAction::Changed()
{
    // A client may unlink itself while it follows the change.
    const std::vector<TActionClient*> clients = FClients;
    for (TActionClient* c : clients)
        if (std::find(FClients.begin(), FClients.end(), c) != FClients.end())
            c->ActionChange(this);
}
