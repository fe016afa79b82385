// The window's own frame: title bar, tabs, the free area of the window and
// the quit.
#include <cmath>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>

#include "dialogs/message_layer.h"
#include "editor/form1.h"
#include "editor/picture_box.h"
#include "actions/charge_placing.h"
#include "model/motifs.h"
#include "model/workspace.h"
#include "render/renderer.h"

namespace tess {

namespace {

void setTextColour(QWidget* w, QColor colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

// Whole pixels from the pointer's position, halves to the even neighbour.
int roundHalfEven(double v) {
    return int(std::nearbyint(v));
}

}  // namespace

void Form1::wireMenus() {
    connect(menus.mnuQuit, &QAction::triggered, this, [this] { close(); });
    connect(menus.mnuActDel, &QAction::triggered, this, [this] { mnuActDel_Click(); });
}

void Form1::Label1_Click() {
    ListView1->show();
    ListView2->hide();
    setTextColour(Label3, Qt::black);
    setTextColour(Label1, QColor(255, 255, 0));
}

void Form1::Label3_Click() {
    ListView2->show();
    ListView1->hide();
    setTextColour(Label1, Qt::black);
    setTextColour(Label3, QColor(255, 255, 0));
}

void Form1::Command1_Click() {
    close();
}

void Form1::Command2_Click() {
    showMinimized();
}

void Form1::Form_Resize() {
    if (isMinimized()) {
        // The taskbar shows the title.
        setWindowTitle(Label2->text());
    } else {
        move(x(), 0);
        setWindowTitle(QString());
    }
}

void Form1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label2) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* e = static_cast<QMouseEvent*>(event);
            TitleGrabX = roundHalfEven(e->position().x());
            TitleGrabY = roundHalfEven(e->position().y());
            return true;
        }
        if (event->type() == QEvent::MouseMove) {
            const auto* e = static_cast<QMouseEvent*>(event);
            if (e->buttons() != Qt::NoButton)
                move(x() + roundHalfEven(e->position().x()) - TitleGrabX,
                     y() + roundHalfEven(e->position().y()) - TitleGrabY);
            return true;
        }
    } else if ((watched == Label1 || watched == Label3) &&
               event->type() == QEvent::MouseButtonRelease) {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (static_cast<QWidget*>(watched)->rect().contains(e->position().toPoint())) {
            if (watched == Label1)
                Label1_Click();
            else
                Label3_Click();
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QPoint Form1::globalPointer() const {
    return QCursor::pos();
}

void Form1::mousePressEvent(QMouseEvent* event) {
    Form_MouseDown(mouseButtonNumber(event->button()), shiftNumber(event->modifiers()),
                   event->position().x(), event->position().y());
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove(mouseButtonsNumber(event->buttons()), shiftNumber(event->modifiers()),
                   event->position().x(), event->position().y());
}

void Form1::Form_MouseDown(int button, int, double x, double y) {
    if (button == 2) {
        QAction* preferred = ws_.CurrentBlazon.FilePath.empty() ? menus.mnuOpen : menus.mnuSave;
        messages_.popup(*menus.mnuFile, mapToGlobal(QPointF(x, y).toPoint()), preferred);
        return;
    }
    // A charge held in the overlay goes back on the shield with the overlay's
    // size and place.
    if (ws_.SelectedCharge != 0) {
        ChargeRecord& c = ws_.CurrentBlazon.Charges[std::size_t(ws_.SelectedCharge)];
        c.Height = Integer(roundHalfEven(SelPic->height()));
        c.Width = Integer(roundHalfEven(SelPic->width()));
        const QRect box = SelPic->geometry();
        const OverlayBox overlay{double(box.left()), double(box.top()), double(box.width()),
                                 double(box.height()), SelPicTag.toUtf8().toStdString()};
        if (AddCharge(ws_, r_.Charges, overlay, ws_.SelectedCharge)) redraw();
        refreshTitle();
    }
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    MovingCharge = false;
    hideOverlay();
    ws_.SelectedCharge = 0;
}

void Form1::Form_MouseMove(int, int, double, double) {
    TopLine->hide();
    LeftLine->hide();
    RightLine->hide();
    DownLine->hide();
    if (!CoordCaption->text().isEmpty()) CoordCaption->clear();
    if (!PartCaption->text().isEmpty()) PartCaption->clear();

    if (!SelPic->isVisible()) return;
    const QRect box = SelPic->geometry();
    const bool offCanvas = box.left() > 265 || box.top() > 340 || box.left() + box.width() < 0 ||
                           box.top() + box.height() < 0;
    if (!offCanvas) return;
    messages_.messageBox(DropJokes[std::size_t(DropJokeIndex)], kStyleExclamation,
                         QStringLiteral("Meuble largué aux oubliettes"));
    ++DropJokeIndex;
    if (DropJokeIndex >= int(DropJokes.size()) || DropJokes[std::size_t(DropJokeIndex)].isEmpty())
        DropJokeIndex = 0;
    mnuActDel_Click();
}

void Form1::mnuActDel_Click() {
    const int held = ws_.SelectedCharge;
    if (held >= 1 && held <= kChargeCount) {
        SetUndos();
        const int group = ws_.CurrentBlazon.Charges[std::size_t(held)].Motif;
        if (group == 0) {
            // A held charge is off the drawing: nothing to redraw.
            ClearCharge(held);
        } else {
            // The charge's group must not outlive it with a member that is gone.
            const MotifRecord& motif = ws_.Groups.Motifs[std::size_t(group)];
            const QString question =
                QStringLiteral(
                    "Ce meuble fait partie d'un motif totalisant %1 meuble(s). "
                    "Désirez-vous supprimer tous les meubles de ce motif. Sinon, "
                    "seul ce meuble sera supprimé.")
                    .arg(int(motif.Count));
            if (messages_.messageBox(question, kStyleYesNo + kStyleQuestion,
                                     QStringLiteral("Motif")) == MessageAnswer::Yes) {
                const auto members = motif.Members;
                for (int i = 1; i <= kMotifCount; ++i) {
                    const int c = members[std::size_t(i)];
                    if (c < 1 || c > kChargeCount) continue;
                    ws_.CurrentBlazon.Charges[std::size_t(c)].Motif = 0;
                    ClearCharge(c);
                }
                ClearMotif(ws_, group);
            } else {
                CompactMotif(ws_, group);
                RemoveChargeFromMotif(ws_, group, held);
                ClearCharge(held);
            }
            redraw();
        }
    }
    MovingCharge = false;
    ResizingCharge = false;
    ws_.SelectedCharge = 0;
    hideOverlay();
}

void Form1::hideOverlay() {
    SelPic->clear();
    SelPicTag.clear();
    SelPic->hide();
    Shape1->hide();
    Shape2->hide();
    LineF->hide();
    LineG->hide();
    CenteringPic->hide();
}

void Form1::closeEvent(QCloseEvent* event) {
    if (Form_QueryUnload())
        event->accept();
    else
        event->ignore();
}

}  // namespace tess
