#include "editor/form1_menus.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

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

}  // namespace

Form1Menus buildForm1Menus(QWidget* owner) {
    Form1Menus m;

    m.mnuImages = menu(owner, "mnuImages");
    m.mnuImAdd = item(m.mnuImages, "mnuImAdd", "&Ajouter");
    m.mnuImDelete = item(m.mnuImages, "mnuImDelete", "&Supprimer");
    separator(m.mnuImages);
    m.mnuProp = item(m.mnuImages, "mnuProp", "&Propriétés");

    m.mnuActions = menu(owner, "mnuActions");
    m.mnuInvert = item(m.mnuActions, "mnuInvert", "&Inversion symétrique", true);
    m.mnuBrocher = item(m.mnuActions, "mnuBrocher", "&Brocher sur le tout", true);
    m.mnuMotif = item(m.mnuActions, "mnuMotif", "Créer un &motif");
    separator(m.mnuActions);
    m.mnuCopy = item(m.mnuActions, "mnuCopy", "&Copier");
    m.mnuActDel = item(m.mnuActions, "mnuActDel", "&Supprimer");
    separator(m.mnuActions);
    m.mnuProp2 = item(m.mnuActions, "mnuProp2", "&Propriétés");

    m.mnuFile = menu(owner, "mnuFile");
    m.mnuNew = item(m.mnuFile, "mnuNew", "&Nouveau");
    m.mnuOpen = item(m.mnuFile, "mnuOpen", "&Ouvrir");
    m.mnuSave = item(m.mnuFile, "mnuSave", "&Sauvegarder");
    m.mnuSaveAs = item(m.mnuFile, "mnuSaveAs", "S&auvegarder sous");
    separator(m.mnuFile);
    m.mnuExport = item(m.mnuFile, "mnuExport", "&Exporter");
    m.mnuPrint = item(m.mnuFile, "mnuPrint", "Im&primer");
    separator(m.mnuFile);
    m.mnuGrid = item(m.mnuFile, "mnuGrid", "&Grille", true);
    m.SEP16 = separator(m.mnuFile, "SEP16");
    for (int i = 1; i <= 4; ++i) {
        const QByteArray name = "mnuFile" + QByteArray::number(i);
        m.mnuFileN[std::size_t(i)] = item(m.mnuFile, name.constData(), "");
        m.mnuFileN[std::size_t(i)]->setVisible(false);
    }
    m.SEP17 = separator(m.mnuFile, "SEP17");
    m.mnuQuit = item(m.mnuFile, "mnuQuit", "&Quitter");

    m.mnuOrdre1 = menu(owner, "mnuOrdre1");
    m.mnuOrdre1Rab = item(m.mnuOrdre1, "mnuOrdre1Rab", "&Délinéaments de la Pièce");
    separator(m.mnuOrdre1);
    m.mnuNormal = item(m.mnuOrdre1, "mnuNormal", "Pièce &Entière", true);
    m.mnuReduce = item(m.mnuOrdre1, "mnuReduce", "Pièce &Diminuée", true);
    m.mnuFilet = item(m.mnuOrdre1, "mnuFilet", "Pièce en &Filet", true);
    separator(m.mnuOrdre1);
    m.mnuDelXObj = item(m.mnuOrdre1, "mnuDelXObj", "Supprimer");
    separator(m.mnuOrdre1);
    m.mnuAddBlsEcu = item(m.mnuOrdre1, "mnuAddBlsÉcu", "&Insérer un blason");
    m.mnuCopyO1 = item(m.mnuOrdre1, "mnuCopyO1", "C&oller");

    m.mnuOrdre2 = menu(owner, "mnuOrdre2");
    m.mnuRabOrdre2 = item(m.mnuOrdre2, "mnuRabOrdre2", "&Délinéaments de la pièce");
    separator(m.mnuOrdre2);
    m.mnuFull2 = item(m.mnuOrdre2, "mnuFull2", "Pièce &Entière", true);
    m.mnuReduced2 = item(m.mnuOrdre2, "mnuReduced2", "Pièce &Diminuée", true);
    m.mnuFilet2 = item(m.mnuOrdre2, "mnuFilet2", "Pièce En &Filet", true);
    separator(m.mnuOrdre2);
    m.mnuDelOrdre2 = item(m.mnuOrdre2, "mnuDelOrdre2", "Supprimer");
    m.mnuCopyO2 = item(m.mnuOrdre2, "mnuCopyO2", "C&oller");

    m.mnuFourrures = menu(owner, "mnuFourrures");
    m.mnuDefFour =
        item(m.mnuFourrures, "mnuDefFour", "Définir une &Fourrure personnalisée (semer)");
    separator(m.mnuFourrures, "SEP12");
    m.mnuModFour = item(m.mnuFourrures, "mnuModFour", "&Modifier la Fourrure personnalisée");
    m.mnuDelFour = item(m.mnuFourrures, "mnuDelFour", "&Supprimer la Fourrure personnalisée");

    m.mnuBls = menu(owner, "mnuBls");
    m.mnuRabPart = item(m.mnuBls, "mnuRabPart", "&Délinéaments");
    separator(m.mnuBls);
    m.mnuPaste = item(m.mnuBls, "mnuPaste", "C&oller");
    m.mnuAddBls = item(m.mnuBls, "mnuAddBls", "Insérer un blason");

    m.mnuColors = menu(owner, "mnuColors");
    m.mnuAdjust = item(m.mnuColors, "mnuAdjust", "Ajuster cette couleur");
    return m;
}

}  // namespace tess
