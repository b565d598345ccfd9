#include "ControlTestSupport.h"

TForm* ControlsTest::ShownForm(int clientWidth, int clientHeight)
{
    TForm* f;
    Application->CreateForm(f);
    f->SetBounds(100, 100, 300, 200);
    f->SetClientWidth(clientWidth);
    f->SetClientHeight(clientHeight);
    f->Show();
    Pump();
    return f;
}

TProbeGraphic::TProbeGraphic(TComponent* owner, TWinControl* parent, RECT bounds, TColor fill,
                             std::vector<std::string>* log)
    : TGraphicControl(owner), Fill(fill), FLog(log)
{
    SetBoundsRect(bounds);
    SetParent(parent);
}

void TProbeGraphic::Dispatch(TMessage& Message)
{
    if (FLog) {
        std::string name = GetName() + ":";
        switch (Message.Msg) {
        case WM_LBUTTONDOWN: FLog->push_back(name + "down"); break;
        case WM_LBUTTONUP: FLog->push_back(name + "up"); break;
        case WM_MOUSEMOVE:
            if (GetMouseCapture())
                FLog->push_back(name + "captured move");
            break;
        case CM_MOUSEENTER: FLog->push_back(name + "enter"); break;
        case CM_MOUSELEAVE: FLog->push_back(name + "leave"); break;
        }
    }
    TGraphicControl::Dispatch(Message);
}

void TProbeGraphic::Paint()
{
    Canvas()->Brush()->SetColor(Fill);
    Canvas()->FillRect(GetClientRect());
}
