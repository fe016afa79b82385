#pragma once

#include <functional>

#include <QDialog>

#include "platform/colour.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace tess {

// "Ajustement des couleurs": the screen colour of one tincture, its current
// colour on the left shield, the colour being adjusted on the right. The
// small scroll bar between them steps the colour up or down by one unit of
// green on the whole number; "Ré-Initialiser" goes back to the factory colour.
// "Ok" hides the box and hands the colour to `onAccepted`; "Annuler" only
// hides it. The box never changes the tincture itself.
class ColourAdjustmentDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ColourAdjustmentDialog(QWidget* parent = nullptr);

    // The tincture to adjust: its name, current and factory colours. The
    // working colour starts from the current one.
    void start(const QString& tinctureName, Colour current, Colour factory);
    Colour workingColour() const { return working_; }
    Colour currentColour() const { return current_; }

    std::function<void(Colour)> onAccepted;

  private:
    void step(int value);
    void resetToFactory();
    void accept() override;

    QLabel* tinctureLabel_ = nullptr;
    QWidget* swatches_ = nullptr;
    QScrollBar* stepBar_ = nullptr;
    Colour current_ = 0;
    Colour factory_ = 0;
    Colour working_ = 0;
};

}  // namespace tess
