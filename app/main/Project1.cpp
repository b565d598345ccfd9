#include "app/main/Project1.h"

#include "app/artwork/ArtworkResources.h"
#include "app/main/MainArtwork.h"
#include "app/main/OptionIni.h"
#include "app/main/Unit1.h"
#include "app/main/Unit2.h"
#include "app/main/Unit5.h"
#include "app/secondary/Unit6.h"

#include "classlib/Icon.h"
#include "classlib/PngImage.h"
#include "engine/preview/Previewer.h"
#include "skin/form/skSkinMenus.h"

void InitialiseProgram()
{
    Application->Initialize();
    Application->SetTitle("Zudevivivoduv");
    Application->SetHelpFile("help.chm");
    TPngImage icon;
    LoadArtworkPng(&icon, "icon/32.png");
    Application->Icon()->Assign(&icon);
    RegisterArtworkBitmaps();
    InstallSkinMenus();
    InstallPreviewWindow();
}

void CreateProgramForms()
{
    // Refused writes of the settings' defaults are reported once for the whole start-up.
    TStartUpWrites startUp;
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Application->CreateForm(Form5);
    Form6 = new TForm6(Application, Form1->SecondaryHost());
    Form6->AfterConstruction();
}
