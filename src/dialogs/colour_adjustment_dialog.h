#pragma once

#include <QString>

#include "dialogs/dialog_host.h"
#include "platform/colour.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace tess {

// "Ajustement des couleurs": the screen colour of one tincture, its current
// colour on the left shield, the colour being adjusted on the right. The
// small scroll bar between them steps the colour up or down by one unit of
// green on the whole number; "Ré-Initialiser" goes back to the factory colour.
// "Ok" hides the box and hands the colour on; "Annuler" only hides it. The
// box never changes the tincture itself.
class ColourAdjustmentDialog : public ValueDialog<Colour> {
    Q_OBJECT
  public:
    // The tincture to adjust: its name, current and factory colours.
    struct Input {
        QString tinctureName;
        Colour current = 0;
        Colour factory = 0;
    };
    // Nothing is kept from one opening to the next.
    struct State {};

    explicit ColourAdjustmentDialog(QWidget* parent = nullptr);

    // Each opening starts from the tincture's current colour.
    void open(const Input& input, State& state, Done done);
    Colour workingColour() const { return working_; }
    Colour currentColour() const { return current_; }

  private:
    void step(int value);
    void resetToFactory();

    QLabel* tinctureLabel_ = nullptr;
    QWidget* swatches_ = nullptr;
    QScrollBar* stepBar_ = nullptr;
    Colour current_ = 0;
    Colour factory_ = 0;
    Colour working_ = 0;
};

}  // namespace tess
