#pragma once

#include <array>
#include <functional>

#include <QPoint>

#include "dialogs/dialog_host.h"
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
// click on a kind) gives the style back, for the caller to store with an undo
// step; "Appliquer" hands it to `onApply` and stays open; "Annuler" gives
// nothing back, leaving what was applied. Each opening starts from its input.
class LineStyleDialog : public ValueDialog<LineStyle> {
    Q_OBJECT
  public:
    struct Input {
        LineStyle style;
        // The line runs on a diagonal: nébulé and engrelé cannot be chosen.
        bool diagonal = false;
        // The width in pixels of a narrowed piece, which caps the depth (0 none).
        int pieceWidth = 0;
    };
    // Nothing is kept between openings.
    struct State {};

    explicit LineStyleDialog(QWidget* parent = nullptr);

    void open(const Input& input, State& state, Done done);
    // Sets every control from `input` without showing the window.
    void start(const Input& input);

    // The working style: what "Ok" and "Appliquer" store.
    const LineStyle& style() const { return preview_.style(); }

    std::function<void(const LineStyle&)> onApply;
    // The "?" button: the help topic of line styles.
    std::function<void(int topic)> onHelp;
    static constexpr int kHelpTopic = 4;

    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void chooseKind(int kind);
    void refresh();
    void apply();

    LineStylePreview preview_;
    Surface sample_;
    bool syncing_ = false;

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
