#pragma once

#include <functional>

#include <QPoint>
#include <QString>

#include "dialogs/dialog_host.h"
#include "platform/surface.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tess {

class MessageLayer;

// "Propriétés du meuble": a bank picture with its name, size and use count,
// and the phrase the blazon names its charges by. "Ok" (or Enter released in
// the phrase) gives the phrase back once it is one a document can hold (else
// the window says why and stays); "Annuler" or Escape gives nothing back.
class PicturePropertiesDialog : public ValueDialog<QString> {
    Q_OBJECT
  public:
    struct Input {
        // The captions as the caller writes them.
        QString nameCaption, sizeCaption, useCaption;
        QString phrase;
        // The bank picture (figure on black) and its mask (figure black on white).
        Surface picture, mask;
    };
    struct State {};

    explicit PicturePropertiesDialog(QWidget* parent = nullptr);
    // Where a refused phrase is explained; the main window sets it once.
    void setMessageLayer(MessageLayer& messages) { messages_ = &messages; }

    void open(const Input& input, State& state, Done done);
    // Sets every control from `input` without showing the window.
    void start(const Input& input);

    QString phrase() const;
    // What the picture box shows: the ground, then the top-left 80 x 80 pixels
    // of the mask with AND and of the picture with XOR, never scaled.
    const Surface& shownPicture() const { return shown_; }

    // The "?" button: the help topic of picture properties.
    std::function<void(int topic)> onHelp;
    static constexpr int kHelpTopic = 10;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void confirm();

    MessageLayer* messages_ = nullptr;
    Surface shown_;

    QLabel* titleLabel_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QLabel* pictureView_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QLabel* sizeLabel_ = nullptr;
    QLabel* useLabel_ = nullptr;
    QLineEdit* phraseBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace tess
