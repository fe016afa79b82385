#pragma once

#include <QObject>
#include <QPoint>

class QAction;
class QMenu;
class QWidget;

namespace tess {

class DocumentSession;
class ClipboardCommands;
class DialogHost;
class HeldChargeTool;

// The held charge's context menu and its commands: mirror (asking about the
// group), "broché sur le tout", "Créer un motif", copy, delete and the
// picture's properties. The tool asks for it on a right press.
class HeldChargeMenu : public QObject {
    Q_OBJECT
  public:
    HeldChargeMenu(QWidget& window, HeldChargeTool& tool, ClipboardCommands& clipboard,
                   DialogHost& dialogs, DocumentSession& session);

    // Sets the items from the held charge, then pops the menu up with
    // "Supprimer" as its default.
    void popup(QPoint globalAt);

  private:
    void mirrorHeld();
    void toggleOverAll();
    void showProperties();

    HeldChargeTool& tool_;
    DialogHost& dialogs_;
    DocumentSession& session_;
    QMenu* menu_ = nullptr;
    QAction* mirrorChargeAction_ = nullptr;
    QAction* chargeOverAllAction_ = nullptr;
    QAction* makeGroupAction_ = nullptr;
    QAction* copyChargeAction_ = nullptr;
    QAction* deleteHeldChargeAction_ = nullptr;
    QAction* chargePropertiesAction_ = nullptr;
};

}  // namespace tess
