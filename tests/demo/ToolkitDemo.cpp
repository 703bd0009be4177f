// A form with every control the toolkit offers, read from its form file: the program to
// look at when judging whether the toolkit's windows look like ordinary Windows forms.
#include <string>

#include "toolkit/Buttons.h"
#include "toolkit/ComCtrls.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

namespace {

class TDemoForm : public TForm {
    TOOLKIT_CLASS(TDemoForm, TForm)

public:
    using TForm::TForm;
    TStatusBar* StatusBar = nullptr;
    TRichEdit* rchLog = nullptr;
    TListView* lvFiles = nullptr;
    TImage* imgDemo = nullptr;

    // What a form file cannot hold: list items, and a picture drawn here.
    void FormCreate(TObject*) {
        lvFiles->AddItem({"index.html", {"3"}});
        lvFiles->AddItem({"about.html", {"0"}});
        lvFiles->AddItem({"links.html", {"12"}});
        TBitmap picture;
        picture.SetSize(40, 40);
        picture.Canvas()->Brush()->SetColor(clNavy);
        picture.Canvas()->FillRect(Rect(0, 0, 40, 40));
        picture.Canvas()->Brush()->SetColor(clYellow);
        picture.Canvas()->Ellipse(8, 8, 32, 32);
        imgDemo->Picture()->Assign(picture);
    }

    void btnOkClick(TObject*) { rchLog->Lines()->Add("OK pressed"); }
    void mnuExitClick(TObject*) { Close(); }
    void TimerTick(TObject*) { StatusBar->Panels(0).SetText("Running for " + std::to_string(++seconds_) + " s"); }

private:
    int seconds_ = 0;
};

}  // namespace

const TClassInfo& TDemoForm::StaticClass() {
    using C = TDemoForm;
    using P = TProps<C>;
    static const TClassInfo info("TDemoForm", &TForm::StaticClass(), Creator<C>(), {},
                                 {P::Method("btnOkClick", &C::btnOkClick), P::Method("mnuExitClick", &C::mnuExitClick),
                                  P::Method("TimerTick", &C::TimerTick),
                                  P::Method("FormCreate", &C::FormCreate)},
                                 {P::Field("StatusBar", &C::StatusBar), P::Field("rchLog", &C::rchLog),
                                  P::Field("lvFiles", &C::lvFiles), P::Field("imgDemo", &C::imgDemo)});
    return info;
}

int main() {
    Application->Initialize();
    Application->SetTitle("Toolkit demo");
    TDemoForm* form = nullptr;
    Application->CreateForm(form);
    form->Show();
    Application->Run();
    return 0;
}
