#pragma once

#include <QDialog>

#include "model/records.h"

class QLabel;
class QPushButton;

namespace tess {

// The small box that either asks "Oui" / "Non" (the question box, modal) or
// shows a one-line message while a long step runs (the wait box). As made it
// is the wait box; `makeQuestion` turns it into the question box. Each
// question uses a fresh box, so nothing carries over from one to the next.
class QuestionBox : public QDialog {
    Q_OBJECT
  public:
    explicit QuestionBox(QWidget* parent = nullptr);

    // The message, a leading carriage return giving the blank first line.
    void setMessage(const QString& text);
    // Caption, taller window and both buttons, "Non" focused.
    void makeQuestion(const QString& caption, const QString& text);
    // Shows the question modally and returns 2 for "Oui", 1 for anything else.
    Byte ask();

    // Written by the buttons only: 1 "Non", 2 "Oui". Starts at "Non".
    Byte ConfirmAnswer = 1;

    QLabel* messageLabel = nullptr;
    QPushButton* noButton = nullptr;   // "Non"
    QPushButton* yesButton = nullptr;  // "Oui"

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void noClicked();
    void yesClicked();
    void activated();
};

}  // namespace tess
