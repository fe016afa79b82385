#pragma once

#include <QObject>
#include <QPoint>

class QAction;
class QMenu;
class QWidget;

namespace tess {

class DocumentSession;
struct RedrawResult;
class ClipboardCommands;
class DialogHost;

// The shield's context menus and their commands: the menu of a field part
// (its lines, the paste, a coat of arms inserted into it) and the menus of
// the first-order and second-order pieces (their lines, their size, their
// removal, the paste, and for a chief or an escutcheon a coat of arms).
class CanvasMenus : public QObject {
    Q_OBJECT
  public:
    CanvasMenus(QWidget& window, ClipboardCommands& clipboard, DialogHost& dialogs,
                DocumentSession& session);

    // The menu of what lies at `part` (a field part or a piece's zone) pops
    // up; a line, or a colour no part has, opens nothing. The paste items of
    // every menu say first whether our copy can be pasted.
    void popup(int part, QPoint globalAt);
    // The field part (1..4) whose menu opened last.
    int PopupPart() const { return popupPart_; }
    // The checks and enabled states a redraw settles.
    void applyRedraw(const RedrawResult& result);

  private:
    void buildPartMenu(QWidget& window);
    void buildFirstOrderMenu(QWidget& window);
    void buildSecondOrderMenu(QWidget& window);
    void popupFirstOrder(QPoint globalAt);
    void popupSecondOrder(QPoint globalAt);
    void popupPart(int part, QPoint globalAt);
    void removeFirstOrderPiece();

    ClipboardCommands& clipboard_;
    DialogHost& dialogs_;
    DocumentSession& session_;
    int popupPart_ = 0;

    QMenu* partMenu_ = nullptr;
    QAction* partLinesAction_ = nullptr;
    QAction* pasteOnPartAction_ = nullptr;
    QAction* insertArmsOnPartAction_ = nullptr;

    QMenu* firstOrderPieceMenu_ = nullptr;
    QAction* firstOrderLinesAction_ = nullptr;
    QAction* firstOrderFullAction_ = nullptr;
    QAction* firstOrderDiminishedAction_ = nullptr;
    QAction* firstOrderFilletAction_ = nullptr;
    QAction* deleteFirstOrderAction_ = nullptr;
    QAction* insertArmsOnPieceAction_ = nullptr;
    QAction* pasteOnFirstOrderAction_ = nullptr;

    QMenu* secondOrderPieceMenu_ = nullptr;
    QAction* secondOrderLinesAction_ = nullptr;
    QAction* secondOrderFullAction_ = nullptr;
    QAction* secondOrderDiminishedAction_ = nullptr;
    QAction* secondOrderFilletAction_ = nullptr;
    QAction* deleteSecondOrderAction_ = nullptr;
    QAction* pasteOnSecondOrderAction_ = nullptr;
};

}  // namespace tess
