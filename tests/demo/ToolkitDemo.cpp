// A form with every control the toolkit offers, read from its form file: the program to
// look at when judging whether the toolkit's windows look like ordinary Windows forms.
#include <string>

#include "toolkit/ComCtrls.h"
#include "toolkit/Forms.h"
#include "toolkit/StdCtrls.h"

namespace {

class TDemoForm : public TForm {
    TOOLKIT_CLASS(TDemoForm, TForm)

public:
    using TForm::TForm;
    TStatusBar* StatusBar = nullptr;
    TRichEdit* rchLog = nullptr;

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
                                  P::Method("TimerTick", &C::TimerTick)},
                                 {P::Field("StatusBar", &C::StatusBar), P::Field("rchLog", &C::rchLog)});
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
