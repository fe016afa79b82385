#pragma once

#include <array>

#include <QDialog>

#include "dialogs/dialog_host.h"

class QLabel;

namespace tess {

// "Blasonnement": the heraldic tradition and the language of the blazon, three
// choices each. Choosing only marks the entry in red: the blazon is always
// written in French, and nothing in the program opens this window; it is made
// hidden at start-up and kept so.
class BlazonLanguageDialog : public QDialog, public HostedDialog {
    Q_OBJECT
  public:
    // Nothing is kept.
    struct State {};

    explicit BlazonLanguageDialog(QWidget* parent = nullptr);

    // The entry marked in each list (0 Français at first).
    int chosenTradition() const { return tradition_; }
    int chosenLanguage() const { return language_; }

  private:
    void choose(std::array<QLabel*, 3>& list, int& chosen, int index);

    std::array<QLabel*, 3> traditions_{};
    std::array<QLabel*, 3> languages_{};
    int tradition_ = 0;
    int language_ = 0;
};

}  // namespace tess
