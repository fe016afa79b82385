#include "editor/editor_menus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "actions/redraw_result.h"

namespace tess {

namespace {

QMenu* menu(QWidget* owner, const char* name) {
    auto* m = new QMenu(owner);
    m->setObjectName(QString::fromUtf8(name));
    return m;
}

QAction* item(QMenu* m, const char* name, const char* caption, bool checkable = false) {
    QAction* a = m->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromUtf8(name));
    a->setCheckable(checkable);
    return a;
}

QAction* separator(QMenu* m, const char* name = nullptr) {
    QAction* a = m->addSeparator();
    if (name) a->setObjectName(QString::fromUtf8(name));
    return a;
}

void applyItem(QAction* action, const MenuItemState& state) {
    action->setEnabled(state.Enabled);
    action->setChecked(state.Checked);
}

}  // namespace

EditorMenus buildEditorMenus(QWidget* owner) {
    EditorMenus m;

    m.pictureMenu = menu(owner, "pictureMenu");
    m.addPictureAction = item(m.pictureMenu, "addPictureAction", "&Ajouter");
    m.deletePictureAction = item(m.pictureMenu, "deletePictureAction", "&Supprimer");
    separator(m.pictureMenu);
    m.picturePropertiesAction = item(m.pictureMenu, "picturePropertiesAction", "&Propriétés");

    m.heldChargeMenu = menu(owner, "heldChargeMenu");
    m.mirrorChargeAction =
        item(m.heldChargeMenu, "mirrorChargeAction", "&Inversion symétrique", true);
    m.chargeOverAllAction =
        item(m.heldChargeMenu, "chargeOverAllAction", "&Brocher sur le tout", true);
    m.makeGroupAction = item(m.heldChargeMenu, "makeGroupAction", "Créer un &motif");
    separator(m.heldChargeMenu);
    m.copyChargeAction = item(m.heldChargeMenu, "copyChargeAction", "&Copier");
    m.deleteHeldChargeAction = item(m.heldChargeMenu, "deleteHeldChargeAction", "&Supprimer");
    separator(m.heldChargeMenu);
    m.chargePropertiesAction = item(m.heldChargeMenu, "chargePropertiesAction", "&Propriétés");

    m.fileMenu = menu(owner, "fileMenu");
    m.newAction = item(m.fileMenu, "newAction", "&Nouveau");
    m.openAction = item(m.fileMenu, "openAction", "&Ouvrir");
    m.saveAction = item(m.fileMenu, "saveAction", "&Sauvegarder");
    m.saveAsAction = item(m.fileMenu, "saveAsAction", "S&auvegarder sous");
    separator(m.fileMenu);
    m.exportAction = item(m.fileMenu, "exportAction", "&Exporter");
    m.printAction = item(m.fileMenu, "printAction", "Im&primer");
    separator(m.fileMenu);
    m.gridAction = item(m.fileMenu, "gridAction", "&Grille", true);
    m.recentSeparator = separator(m.fileMenu, "recentSeparator");
    for (int i = 1; i <= 4; ++i) {
        const QByteArray name = "recentFileAction" + QByteArray::number(i);
        m.recentFileActions[std::size_t(i)] = item(m.fileMenu, name.constData(), "");
        m.recentFileActions[std::size_t(i)]->setVisible(false);
    }
    m.quitSeparator = separator(m.fileMenu, "quitSeparator");
    m.quitAction = item(m.fileMenu, "quitAction", "&Quitter");

    m.firstOrderPieceMenu = menu(owner, "firstOrderPieceMenu");
    m.firstOrderLinesAction =
        item(m.firstOrderPieceMenu, "firstOrderLinesAction", "&Délinéaments de la Pièce");
    separator(m.firstOrderPieceMenu);
    m.firstOrderFullAction =
        item(m.firstOrderPieceMenu, "firstOrderFullAction", "Pièce &Entière", true);
    m.firstOrderDiminishedAction =
        item(m.firstOrderPieceMenu, "firstOrderDiminishedAction", "Pièce &Diminuée", true);
    m.firstOrderFilletAction =
        item(m.firstOrderPieceMenu, "firstOrderFilletAction", "Pièce en &Filet", true);
    separator(m.firstOrderPieceMenu);
    m.deleteFirstOrderAction = item(m.firstOrderPieceMenu, "deleteFirstOrderAction", "Supprimer");
    separator(m.firstOrderPieceMenu);
    m.insertArmsOnPieceAction =
        item(m.firstOrderPieceMenu, "insertArmsOnPieceAction", "&Insérer un blason");
    m.pasteOnFirstOrderAction = item(m.firstOrderPieceMenu, "pasteOnFirstOrderAction", "C&oller");

    m.secondOrderPieceMenu = menu(owner, "secondOrderPieceMenu");
    m.secondOrderLinesAction =
        item(m.secondOrderPieceMenu, "secondOrderLinesAction", "&Délinéaments de la pièce");
    separator(m.secondOrderPieceMenu);
    m.secondOrderFullAction =
        item(m.secondOrderPieceMenu, "secondOrderFullAction", "Pièce &Entière", true);
    m.secondOrderDiminishedAction =
        item(m.secondOrderPieceMenu, "secondOrderDiminishedAction", "Pièce &Diminuée", true);
    m.secondOrderFilletAction =
        item(m.secondOrderPieceMenu, "secondOrderFilletAction", "Pièce En &Filet", true);
    separator(m.secondOrderPieceMenu);
    m.deleteSecondOrderAction =
        item(m.secondOrderPieceMenu, "deleteSecondOrderAction", "Supprimer");
    m.pasteOnSecondOrderAction =
        item(m.secondOrderPieceMenu, "pasteOnSecondOrderAction", "C&oller");

    m.furMenu = menu(owner, "furMenu");
    m.defineUserFurAction =
        item(m.furMenu, "defineUserFurAction", "Définir une &Fourrure personnalisée (semer)");
    separator(m.furMenu, "furSeparator");
    m.editUserFurAction =
        item(m.furMenu, "editUserFurAction", "&Modifier la Fourrure personnalisée");
    m.deleteUserFurAction =
        item(m.furMenu, "deleteUserFurAction", "&Supprimer la Fourrure personnalisée");

    m.partMenu = menu(owner, "partMenu");
    m.partLinesAction = item(m.partMenu, "partLinesAction", "&Délinéaments");
    separator(m.partMenu);
    m.pasteOnPartAction = item(m.partMenu, "pasteOnPartAction", "C&oller");
    m.insertArmsOnPartAction = item(m.partMenu, "insertArmsOnPartAction", "Insérer un blason");

    m.tinctureColourMenu = menu(owner, "tinctureColourMenu");
    m.adjustColourAction =
        item(m.tinctureColourMenu, "adjustColourAction", "Ajuster cette couleur");
    return m;
}

void EditorMenus::applyRedraw(const RedrawResult& result) {
    const RedrawMenus& m = result.Menus;
    applyItem(gridAction, m.grid);
    applyItem(firstOrderFilletAction, m.firstOrderNarrow);
    applyItem(firstOrderLinesAction, m.firstOrderLines);
    applyItem(firstOrderDiminishedAction, m.firstOrderDiminished);
    applyItem(firstOrderFullAction, m.firstOrderFull);
    applyItem(secondOrderDiminishedAction, m.secondOrderDiminished);
    applyItem(secondOrderFilletAction, m.secondOrderNarrow);
    applyItem(secondOrderFullAction, m.secondOrderFull);
    applyItem(partLinesAction, m.partitionLines);
}

}  // namespace tess
