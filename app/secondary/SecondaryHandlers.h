#pragma once
// The logic of the secondary settings form. The form binds its events to the handlers of the same
// names: OnCreate, the category box's OnChange, the format box's OnClick (not its OnChange), OK
// (skSkinButton2), Cancel (skSkinButton3) and its logic buttons' OnClick. A handler that clicks a
// logic button calls that button's handler. The six parameter boxes have no handlers here.

#include "app/secondary/SecondaryHost.h"
#include "app/secondary/SecondaryView.h"

class TSecondaryHandlers {
public:
    TSecondaryHandlers(TSecondaryView& view, TSecondaryHost& host, TFileExists exists = DiskFileExists);

    // Clicks Button2.
    void FormCreate();
    // Clicks Button2.
    void skSkinOfficeComboBox2Change();
    // Clicks Button18.
    void skSkinOfficeComboBox1Click();
    // Clicks Button5, then Button13, then closes the form. An error of Button13 ends the chain.
    void skSkinButton2Click();
    // Closes the form; nothing is written.
    void skSkinButton3Click();

    // Fills the format box for the selected category and selects its first format.
    void Button2Click();
    // Stores the current key and False as the main window's key and audio-only mark, then gives
    // the six boxes the key's lists and defaults.
    void Button18Click();
    // Writes the current key's encoder row and the output name of Video_AddFileName.
    void Button5Click();
    // Copies the six boxes' texts into the fields they override. A bit-rate text that is not a
    // number raises EConvertError; the fields written before it keep their values.
    void Button13Click();
    // Resets the scratch fields and the time window.
    void Button6Click();

private:
    int CurrentKey() const;

    TSecondaryView& FView;
    TSecondaryHost& FHost;
    TFileExists FExists;
};
