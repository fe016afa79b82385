#pragma once

#include <array>

#include <QObject>

#include "model/records.h"
#include "model/tinctures.h"

class QWidget;

namespace tess {

class DocumentSession;
class PictureBox;
class Renderer;

// The eleven tincture swatches, painted in the current colours.
class TincturePalettePanel : public QObject {
    Q_OBJECT
  public:
    explicit TincturePalettePanel(QWidget& window);

    void paint(const TinctureTable& tinctures);

    PictureBox* tincturePalette() const { return tincturePalette_; }

  private:
    PictureBox* tincturePalette_ = nullptr;
};

// The furs' palette and, under it, the swatches of the document's user furs
// (shown only for the slots that hold one).
class FurPalettePanel : public QObject {
    Q_OBJECT
  public:
    static constexpr int kUserFurSlots = 4;

    // The swatches follow every redraw of `session`.
    FurPalettePanel(QWidget& window, const DocumentSession& session);

    // Slot 0..3 empties; any other slot is ignored.
    void hideUserFurSwatch(int slot);
    // Slot 0..3 shows the picture the renderer holds for its fur.
    void showUserFurSwatch(int slot, const Renderer& r);
    // Each swatch shows exactly while its slot holds a fur, with the fur's
    // tile (after an opening as after the fur editor).
    void showUserFurSwatches(const BlazonRecord& blazon, const Renderer& r);

    PictureBox* furPalette() const { return furPalette_; }
    const std::array<PictureBox*, kUserFurSlots>& userFurSwatches() const {
        return userFurSwatches_;
    }

  private:
    PictureBox* furPalette_ = nullptr;
    std::array<PictureBox*, kUserFurSlots> userFurSwatches_{};
};

}  // namespace tess
