#include "tools/skin-gallery/GalleryForm.h"

#include "platform/Platform.h"
#include "skin/SkinRead.h"

const TClassInfo& TGalleryForm::StaticClass() {
    using C = TGalleryForm;
    using P = TProps<C>;
    static const TClassInfo info(
        "TGalleryForm", &TForm::StaticClass(), Creator<C>(), {},
        {P::Method("FormCreate", &C::FormCreate), P::Method("mnuExitClick", &C::mnuExitClick)},
        {P::Field("SkinData", &C::SkinData), P::Field("StatusBar", &C::StatusBar), P::Field("lvFiles", &C::lvFiles),
         P::Field("imgPicture", &C::imgPicture)});
    return info;
}

TOOLKIT_REGISTER(TGalleryForm);

void TGalleryForm::FormCreate(TObject*) {
    lvFiles->AddItem({"index.html", {"3 KB"}});
    lvFiles->AddItem({"about.html", {"12 KB"}});
    lvFiles->AddItem({"links.html", {"1 KB"}});
    TBitmap picture;
    picture.SetSize(48, 48);
    picture.Canvas()->Brush()->SetColor(clNavy);
    picture.Canvas()->FillRect(Rect(0, 0, 48, 48));
    picture.Canvas()->Brush()->SetColor(clYellow);
    picture.Canvas()->Ellipse(10, 10, 38, 38);
    imgPicture->Picture()->Assign(picture);
}

void TGalleryForm::mnuExitClick(TObject*) { Close(); }

void TGalleryForm::UseSkin(const std::string& path) {
    const std::string cannot = "Cannot use the skin file \"" + path + "\": ";
    if (!pelmar::platform::FileExists(path)) throw Exception(cannot + "there is no such file.");
    // Read once here first: the engine would explain a refused file in a box, and a gallery
    // saving a picture unattended must end with the reason instead of waiting for a click.
    TMemoryStream raw;
    raw.LoadFromFile(path);
    TSkinReader reader;
    std::string refusal;
    reader.SetWarning([&refusal](const std::string& message) { refusal = message; });
    if (!reader.LoadFromStream(raw)) throw Exception(cannot + refusal);
    SkinData->SetSkinFile(path);
    if (SkinData->Empty()) throw Exception(cannot + "it is no skin that the engine can read.");
    StatusBar->Panels(1).SetText("Skin: " + path.substr(path.find_last_of("/\\") + 1));
    SkinData->SetActive(true);
}
