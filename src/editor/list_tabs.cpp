#include "editor/list_tabs.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

#include "editor/window_layout.h"
#include "widgets/controls.h"

namespace tess {

namespace {

const QColor kChosenTab(255, 255, 0);

}  // namespace

ListTabs::ListTabs(QWidget& window, QListWidget& pictureList, QListWidget& piecesList)
    : QObject(&window), pictureList_(pictureList), piecesList_(piecesList) {
    picturesTab_ = makeCaption(&window, "picturesTab", QStringLiteral("Meubles"),
                               layout::kPicturesTab, Qt::AlignCenter);
    piecesTab_ = makeCaption(&window, "piecesTab", QStringLiteral("Pièces"), layout::kPiecesTab,
                             Qt::AlignCenter);
    for (QLabel* tab : {picturesTab_, piecesTab_}) {
        QFont f = tab->font();
        f.setBold(true);
        tab->setFont(f);
        tab->setCursor(Qt::PointingHandCursor);
        setBackgroundColour(tab, layout::kTabColour);
        tab->installEventFilter(this);
    }
    setTextColour(picturesTab_, kChosenTab);
    setTextColour(piecesTab_, Qt::black);
}

void ListTabs::showPicturesTab() {
    pictureList_.show();
    piecesList_.hide();
    setTextColour(piecesTab_, Qt::black);
    setTextColour(picturesTab_, kChosenTab);
}

void ListTabs::showPiecesTab() {
    piecesList_.show();
    pictureList_.hide();
    setTextColour(picturesTab_, Qt::black);
    setTextColour(piecesTab_, kChosenTab);
}

bool ListTabs::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == picturesTab_ || watched == piecesTab_) &&
        event->type() == QEvent::MouseButtonRelease) {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (static_cast<QWidget*>(watched)->rect().contains(e->position().toPoint())) {
            if (watched == picturesTab_)
                showPicturesTab();
            else
                showPiecesTab();
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tess
