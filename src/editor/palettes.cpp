#include "editor/palettes.h"

#include "editor/document_session.h"
#include "editor/window_layout.h"
#include "platform/qimage_bridge.h"
#include "render/renderer.h"
#include "widgets/controls.h"
#include "widgets/picture_box.h"
#include "widgets/ui_pictures.h"

namespace tess {

TincturePalettePanel::TincturePalettePanel(QWidget& window) : QObject(&window) {
    tincturePalette_ = makePictureBox(&window, "tincturePalette", layout::kTincturePalette);
}

void TincturePalettePanel::paint(const TinctureTable& tinctures) {
    tincturePalette_->setPicture(tincturePaletteImage(tinctures));
}

FurPalettePanel::FurPalettePanel(QWidget& window, const DocumentSession& session)
    : QObject(&window) {
    furPalette_ = makePictureBox(&window, "furPalette", layout::kFurPalette);
    furPalette_->setPicture(furPaletteImage());
    for (int s = 0; s < kUserFurSlots; ++s) {
        const QByteArray name = "userFurSwatch" + QByteArray::number(s);
        const QRect box(layout::kUserFurLeft + (s % 2) * layout::kUserFurStep,
                        layout::kUserFurTop + (s / 2) * layout::kUserFurStep,
                        layout::kUserFurSwatch.width(), layout::kUserFurSwatch.height());
        userFurSwatches_[std::size_t(s)] = makePictureBox(&window, name.constData(), box);
        userFurSwatches_[std::size_t(s)]->hide();
    }
    connect(&session, &DocumentSession::redrawn, this,
            [this, &session] { showUserFurSwatches(session.ws().CurrentBlazon, session.r()); });
}

void FurPalettePanel::hideUserFurSwatch(int slot) {
    if (slot < 0 || slot >= kUserFurSlots) return;
    userFurSwatches_[std::size_t(slot)]->hide();
    userFurSwatches_[std::size_t(slot)]->setPicture(QImage());
}

void FurPalettePanel::showUserFurSwatch(int slot, const Renderer& r) {
    if (slot < 0 || slot >= kUserFurSlots) return;
    PictureBox* swatch = userFurSwatches_[std::size_t(slot)];
    swatch->setPicture(toQImage(r.UserFurPictures[std::size_t(slot)]));
    swatch->show();
}

void FurPalettePanel::showUserFurSwatches(const BlazonRecord& blazon, const Renderer& r) {
    for (int s = 0; s < kUserFurSlots; ++s) {
        PictureBox* swatch = userFurSwatches_[std::size_t(s)];
        if (blazon.UserFurs[std::size_t(s)].Path.empty()) {
            hideUserFurSwatch(s);
            continue;
        }
        // The fur's own picture, as the fur editor shows it in the swatch.
        const Surface& fur = r.UserFurPictures[std::size_t(s)];
        const QImage picture = fur.width() > 0 ? toQImage(fur) : QImage();
        swatch->setPicture(picture);
        swatch->show();
    }
}

}  // namespace tess
