#pragma once

#include <functional>

#include <QImage>
#include <QRectF>

#include "dialogs/dialog_host.h"
#include "model/motif_layout.h"
#include "platform/surface.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace tess {

// What the distribution dialog shows, handed over by the window: the shield
// canvas as it stands, and the charge as it looks (its bank mask, its working
// picture, the size it is shown at and its mirroring).
struct DistributionSubject {
    Surface canvas;   // 265 x 340
    Surface mask;     // the charge's bank mask
    Surface picture;  // its working picture, the mask's size
    int width = 0;    // drawn size in shield pixels
    int height = 0;
    bool mirrored = false;
};

// What the dialog keeps from one opening to the next: only whether the area
// frame and its handle are shown (a press outside the frame hides them).
struct DistributionMemory {
    bool frameVisible = true;
};

class MotifPreview;
class PatternGrid;

// "Répartition des meubles": the pattern grid, the extra copies per branch
// (text box and spin, whose top end is 5), and the square area moved and
// resized on a half-scale preview of the shield. Each opening starts afresh
// ("En Pal", no extra, the area centred with a side of 132). "Ok" computes the
// arrangement at full scale and hands it on; "Annuler" hands nothing. It never
// reads or changes the document: tests open it and drive its children (found
// by object name) with synthetic events.
class ChargeDistributionDialog : public ValueDialog<MotifLayout> {
    Q_OBJECT
  public:
    using State = DistributionMemory;

    explicit ChargeDistributionDialog(QWidget* parent);
    ~ChargeDistributionDialog() override;

    // Opens for `subject` without waiting; `done` gets the arrangement on
    // "Ok", nothing on "Annuler" or Escape.
    void open(DistributionSubject subject, State& state, Done done);

    // The settings and, after "Ok", the computed key points and copies.
    const MotifLayout& layout() const { return layout_; }
    // The area frame on the preview, in preview pixels.
    QRectF areaFrame() const { return frame_; }
    // The preview as drawn (shield, guide, copies), without the frame.
    const Surface& previewPicture() const { return preview_; }

    // "?": context help, with the help context number.
    std::function<void(int)> onHelp;

  protected:
  private:
    friend class MotifPreview;
    friend class PatternGrid;

    void start(DistributionSubject subject);
    void refreshPreview();
    void patternChosen(MotifPattern pattern);
    void spinChanged();
    void textChanged();
    void placeFrameFromLayout();
    void areaFromFrame();
    void previewPressed(double x, double y);
    void previewMoved(double x, double y, bool buttonHeld);
    void previewReleased();
    void okClicked();

    DistributionMemory fallbackMemory_;
    DistributionMemory* memory_ = &fallbackMemory_;
    DistributionSubject subject_;
    MotifLayout layout_;
    Surface preview_;

    enum class FrameMode { None, Move, Resize };
    FrameMode mode_ = FrameMode::None;
    QRectF frame_;
    bool sizingPointer_ = false;
    int grabX_ = 0;
    int grabY_ = 0;

    QLabel* title_ = nullptr;
    QPushButton* help_ = nullptr;
    MotifPreview* previewBox_ = nullptr;
    PatternGrid* grid_ = nullptr;
    QLineEdit* text_ = nullptr;
    QScrollBar* spin_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace tess
