#pragma once

#include <functional>
#include <string>

#include <QPoint>

#include "actions/print_page.h"
#include "dialogs/dialog_host.h"
#include "platform/surface.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace tess {

class MessageLayer;
class ChoicePicture;

// Which command opened the dialog.
enum class PageCommand { Print, Export };

// What the dialog keeps from one opening to the next for the whole run: the
// blazon choice only. Zoom and colour start afresh at every opening.
struct PrintDialogState {
    bool withBlazon = false;
};

// The print and export dialog. Each opening starts from what the window shows
// (the canvas and the shape's mask) and from the kept blazon choice; the
// dialog never touches the document. Its action button hands the chosen page
// to `act`, which prints or exports and says whether the dialog is done (it
// then closes and `done` gets the page's options) or stays open (a cancelled
// file dialog, a failure already shown). Tests drive it through open() and
// events on its children, found by object name.
class PrintDialog : public ValueDialog<PageOptions> {
    Q_OBJECT
  public:
    using State = PrintDialogState;
    struct Input {
        PageCommand command = PageCommand::Export;
        Surface canvas;     // the shield as the window shows it
        Surface shapeMask;  // white inside the shield, black outside
        // The default printer's name (print only); empty when there is none.
        std::string printerName;
        // Asks the small-zoom question; the window's message layer.
        MessageLayer* messages = nullptr;
        std::function<bool(const PageOptions& options)> act;
        // The help topic of the dialog, 3.
        std::function<void(int topic)> help;
    };

    explicit PrintDialog(QWidget* parent = nullptr);
    ~PrintDialog() override;

    // One opening: every control from `input` and `state` (zoom 85, colours,
    // the kept blazon choice), then shown modal to its window without waiting.
    void open(Input input, State& state, Done done);

    // The page as chosen now.
    PageOptions options() const;
    int zoom() const;

    static constexpr int kHelpTopic = 3;

  protected:
  private:
    void build();
    void showTitle(const QString& title);
    void drawPreview();
    void zoomScrolled(int value);
    void zoomTyped(const QString& text);
    void blazonChoicePressed(int y);
    void blazonChoiceHovered(int y);
    void colourChoicePressed(int x);
    void colourChoiceHovered(int x);
    void actionClicked();

    Input input_;
    State* state_ = nullptr;
    State unopened_;  // what the controls read before the first opening
    bool blackWhite_ = false;

    QLabel* titleLabel_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QLabel* preview_ = nullptr;
    QLineEdit* zoomText_ = nullptr;
    QScrollBar* zoomScroll_ = nullptr;
    ChoicePicture* blazonChoice_ = nullptr;
    QFrame* blazonFrame_ = nullptr;
    ChoicePicture* colourChoice_ = nullptr;
    QFrame* colourFrame_ = nullptr;
    QPushButton* actionButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

// The small-zoom question's text.
extern const char* const kSmallZoomQuestion;

}  // namespace tess
