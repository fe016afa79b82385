#pragma once

#include <functional>

#include <QDialog>
#include <QPoint>
#include <QString>

#include "platform/surface.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tess {

class MessageLayer;

// "Propriétés du meuble": a bank picture with its name, size and use count,
// and the phrase the blazon names its charges by. "Ok" (or Enter released in
// the phrase) accepts once the phrase is one a document can hold, and the
// caller stores `phrase()`; "Annuler" or Escape rejects.
class PicturePropertiesDialog : public QDialog {
    Q_OBJECT
  public:
    explicit PicturePropertiesDialog(MessageLayer& messages, QWidget* parent = nullptr);

    // The captions as the caller writes them, the phrase to edit, and the bank
    // picture (figure on black) with its mask (figure black on white).
    void start(const QString& nameCaption, const QString& sizeCaption, const QString& useCaption,
               const QString& phrase, const Surface& picture, const Surface& mask);

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

    MessageLayer& messages_;
    Surface shown_;
    QPoint titleGrab_;

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
