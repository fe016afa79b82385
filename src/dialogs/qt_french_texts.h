#pragma once

class QCoreApplication;

namespace tess {

// Qt's own texts (the file dialogs' "Look in", "File name", the standard
// buttons "Yes", "No", "Cancel") in French, like every other text of the
// program: installs Qt's French translations on `app`. Runs once at start-up,
// before any window; the translations are those the system's Qt carries.
// False when they are not installed (Qt then keeps its English texts).
bool installQtFrenchTexts(QCoreApplication& app);

}  // namespace tess
