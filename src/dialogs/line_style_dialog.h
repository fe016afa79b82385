#pragma once

#include <array>
#include <functional>

#include <QDialog>
#include <QPoint>

#include "dialogs/line_style_preview.h"
#include "model/records.h"
#include "platform/surface.h"

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

namespace tess {

// "Délineaments": one edge's heraldic line, its kind chosen from eight, its
// width and depth on two scroll bars, with a live sample. "Ok" (or a double
// click on a kind) accepts, and the caller stores `style()` with an undo step;
// "Appliquer" hands the style to `onApply` and stays open; "Annuler" rejects,
// leaving what was applied. Each opening starts from `start`.
class LineStyleDialog : public QDialog {
    Q_OBJECT
  public:
    explicit LineStyleDialog(QWidget* parent = nullptr);

    // The line to edit, whether it runs on a diagonal (nébulé and engrelé then
    // cannot be chosen), and the width in pixels of a narrowed piece (0 none).
    void start(const LineStyle& style, bool diagonal, int pieceWidth);

    // The working style: what "Ok" and "Appliquer" store.
    const LineStyle& style() const { return preview_.style(); }

    std::function<void(const LineStyle&)> onApply;
    // The "?" button: the help topic of line styles.
    std::function<void(int topic)> onHelp;
    static constexpr int kHelpTopic = 4;

    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void chooseKind(int kind);
    void refresh();
    void apply();

    LineStylePreview preview_;
    Surface sample_;
    bool syncing_ = false;
    QPoint titleGrab_;

    QLabel* titleLabel_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    std::array<QLabel*, 8> kindLabels_{};  // by kind - 10
    QLabel* marker_ = nullptr;
    QLabel* sampleView_ = nullptr;
    QLabel* widthCaption_ = nullptr;
    QScrollBar* widthBar_ = nullptr;
    QLabel* depthCaption_ = nullptr;
    QScrollBar* depthBar_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* applyButton_ = nullptr;
};

}  // namespace tess
