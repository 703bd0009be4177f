#pragma once
// The about box: the program's version, the ownership notice and a link to the home page.
// A new box is made for every showing and freed when it closes:
//   TAboutBox* box = TCustomForm::Create<TAboutBox>(owner);
//   box->ShowModal();
//   box->Free();

#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"
#include "util/InternetLabel.h"

class TAboutBox : public TForm {  // form file ui/FormAbout.dfm, RCDATA TABOUTBOX
    TOOLKIT_CLASS(TAboutBox, TForm)

public:
    using TForm::TForm;

    TLabel* lblVersion = nullptr;
    TLabel* lblCopyRight = nullptr;
    TInternetLabel* InternetLabel = nullptr;

    // Fills the version and ownership labels.
    void FormCreate(TObject* sender);
    // A click on the box's own surface (not on a label) closes it.
    void CloseOnClick(TObject* sender);
};
