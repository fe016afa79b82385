// The fur editor's enlarged view shows every cell as 5 x 5 pixels inside its
// frame, and a press paints the cell shown under it; the window moves by its
// title label; its failure boxes are numbered and say what to do.
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "dialogs/fur_editor_dialog.h"
#include "dialogs/message_style.h"
#include "platform/file_steps.h"
#include "platform/picture_file.h"
#include "platform/qimage_bridge.h"
#include "storage/fur_file.h"
#include "support/permissions_enforced.h"
#include "support/widget_events.h"

using namespace tess;

namespace {

// The cells of the tile that are black.
std::vector<QPoint> blackCells(const FurEditorDialog& d) {
    std::vector<QPoint> cells;
    for (int y = 0; y < d.tileHeight(); ++y)
        for (int x = 0; x < d.tileWidth(); ++x)
            if (d.tileSurface().pixel(x, y) == kBlack) cells.push_back({x, y});
    return cells;
}

}  // namespace

class FurEditorViewTest : public QObject {
    Q_OBJECT
  private slots:
    void eachCellShowsFiveByFiveInsideTheFrame();
    void aPressPaintsTheCellShownUnderIt();
    void theTitleLabelMovesTheWindow();
    void noCaptionLiesOverAnotherControl();
    void failureBoxesAreNumberedAndSayWhatToDo();
};

void FurEditorViewTest::eachCellShowsFiveByFiveInsideTheFrame() {
    FurEditorDialog d;
    d.show();
    QWidget* view = child<QWidget>(d, "enlargedView");
    // The left button paints black: the corner cell and the one beside it.
    const int f = FurPictureView::kFrame;
    click(view, QPointF(f, f));
    click(view, QPointF(f + 5, f));
    QCOMPARE(blackCells(d), (std::vector<QPoint>{{0, 0}, {1, 0}}));
    const Surface shown = fromQImage(view->grab().toImage());
    // Cells 0 and 1 fill the view's pixels f..f+9 by f..f+4, whole; the frame
    // round them covers none, and the next column and row are white.
    for (int y = 0; y < f + 6; ++y)
        for (int x = 0; x < f + 11; ++x) {
            const bool frame = x < f || y < f;
            const bool painted = !frame && x < f + 10 && y < f + 5;
            const Colour expected = painted ? kBlack : frame ? shown.pixel(0, 0) : kWhite;
            QVERIFY2(shown.pixel(x, y) == expected,
                     qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
        }
    QVERIFY(shown.pixel(0, 0) != kBlack && shown.pixel(0, 0) != kWhite);
}

void FurEditorViewTest::aPressPaintsTheCellShownUnderIt() {
    FurEditorDialog d;
    d.show();
    QWidget* view = child<QWidget>(d, "enlargedView");
    const int f = FurPictureView::kFrame;
    // View pixels (frame included) and the cell each shows, or none.
    const struct {
        QPointF at;
        std::vector<QPoint> cells;
    } presses[] = {
        {{f + 4, f + 4}, {{0, 0}}},      // the corner cell's last pixel
        {{f + 5, f + 5}, {{1, 1}}},      // the next cell's first
        {{f + 4.4, f}, {{0, 0}}},        // rounds down into cell 0
        {{f + 4.6, f}, {{1, 0}}},        // rounds up into cell 1
        {{f + 99, f + 99}, {{19, 19}}},  // the last cell of a 20 x 20 tile
        {{f + 100, f}, {}},              // past the tile: nothing
        {{0, f + 12}, {}},               // on the frame: nothing
        {{f + 12, 0}, {}},               // on the frame: nothing
    };
    for (const auto& p : presses) {
        d.start(FurEditorSubject{});
        click(view, p.at);
        QCOMPARE(blackCells(d), p.cells);
    }
}

void FurEditorViewTest::theTitleLabelMovesTheWindow() {
    FurEditorDialog d;
    d.show();
    QVERIFY(d.windowFlags() & Qt::FramelessWindowHint);
    QLabel* title = child<QLabel>(d, "titleLabel");
    QCOMPARE(title->text(), QStringLiteral("Fourrure personnalisée"));
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        const QPoint start = d.pos();
        sendMouse(title, QEvent::MouseButtonPress, QPointF(10, 5), button, button);
        // The pressed point stays under the pointer.
        sendMouse(title, QEvent::MouseMove, QPointF(30, 15), Qt::NoButton, button);
        QCOMPARE(d.pos(), start + QPoint(20, 10));
        sendMouse(title, QEvent::MouseButtonRelease, QPointF(10, 5), button, Qt::NoButton);
        // Without a button held the pointer moves alone.
        sendMouse(title, QEvent::MouseMove, QPointF(50, 5), Qt::NoButton, Qt::NoButton);
        QCOMPARE(d.pos(), start + QPoint(20, 10));
    }
}

void FurEditorViewTest::noCaptionLiesOverAnotherControl() {
    FurEditorDialog d;
    d.show();
    const QList<QWidget*> controls = d.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QLabel* label : d.findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        for (QWidget* other : controls)
            if (other != label && label->isVisible() && other->isVisible())
                QVERIFY2(!label->geometry().intersects(other->geometry()),
                         qPrintable(label->text() + QStringLiteral(" / ") +
                                    other->metaObject()->className() + QLatin1Char(' ') +
                                    other->objectName()));
}

void FurEditorViewTest::failureBoxesAreNumberedAndSayWhatToDo() {
    QTemporaryDir dir;
    const auto at = [&](const std::string& name) {
        return (dir.path() + "/" + QString::fromStdString(name)).toStdString();
    };
    {
        QFile text(QString::fromStdString(at("notes.bmp")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("pas une image");
        QFile shortFur(QString::fromStdString(at("courte.fmp")));
        QVERIFY(shortFur.open(QIODevice::WriteOnly));
        shortFur.write("\x03\x00", 2);
    }
    // A picture one may not read, and a folder one may not write into.
    QVERIFY(savePictureBmp(Surface(4, 4, kWhite), at("secrete.bmp")).empty());
    QVERIFY(QFile::setPermissions(QString::fromStdString(at("secrete.bmp")), {}));
    QVERIFY(QFile::copy(QString::fromStdString(at("courte.fmp")),
                        QString::fromStdString(at("secrete.fmp"))));
    QVERIFY(QFile::setPermissions(QString::fromStdString(at("secrete.fmp")), {}));
    QVERIFY(QDir(dir.path()).mkdir("lecture-seule"));
    QVERIFY(
        QFile::setPermissions(dir.path() + "/lecture-seule", QFile::ReadOwner | QFile::ExeOwner));
    FurEditorDialog d;
    std::string chosen;
    struct Box {
        QString text;
        int style;
        QString title;
    };
    std::vector<Box> boxes;
    QString openDialog;  // the open dialog's title and filter
    d.hooks.openFile = [&](const QString& title, const QString&, const QString& filter) {
        openDialog = title + "|" + filter;
        return chosen;
    };
    d.hooks.saveFile = [&](const QString&, const QString&, const QString&, const QString&) {
        return chosen;
    };
    d.hooks.message = [&](const QString& text, int style, const QString& title) {
        boxes.push_back({text, style, title});
    };
    d.show();
    QWidget* toolbar = child<QWidget>(d, "toolbar");
    const auto click = [&](int x) {
        sendMouse(toolbar, QEvent::MouseButtonPress, QPointF(x, 12), Qt::LeftButton,
                  Qt::LeftButton);
        sendMouse(toolbar, QEvent::MouseButtonRelease, QPointF(x, 12), Qt::LeftButton,
                  Qt::NoButton);
    };
    constexpr int kOpen = 48, kSave = 72;
    // A save's box: what failed, then what to do.
    const auto unsaved = [&](const QString& why) {
        return "La fourrure n'a pas pu être enregistrée : " + why +
               " n'a pu être écrit.\nChoisissez un autre dossier ou libérez de la place, puis "
               "sauvegardez de nouveau.";
    };
    const auto in = [&](const std::string& name) {
        return "« " + QString::fromStdString(at(name)) + " »";
    };
    const struct {
        std::string file;
        int button;
        const char* title;
        QString says;
        int diskError = 0;  // what the disk answers the writing of the fur file
    } failures[] = {
        {at("notes.bmp"), kOpen, "Erreur #481",
         "Le fichier « notes.bmp » n'est pas une image que Tessaline sait lire : choisissez une "
         "image bmp, gif ou jpg, ou une fourrure (.fmp)."},
        {at("secrete.bmp"), kOpen, "Erreur #70",
         "Permission refusée : vous n'avez pas le droit de lire « secrete.bmp »."},
        {at("secrete.fmp"), kOpen, "Erreur #70",
         "Permission refusée : vous n'avez pas le droit de lire « secrete.fmp »."},
        {at("courte.fmp"), kOpen, "Erreur #62",
         "Le fichier « courte.fmp » est trop court pour être une fourrure."},
        {at("absente.fmp"), kOpen, "Erreur #53", "Le fichier « absente.fmp » est introuvable."},
        {at("nulle-part/fourrure.fmp"), kSave, "Erreur #76",
         unsaved("Le dossier " + in("nulle-part") +
                 " n'existe pas : " + in("nulle-part/fourrure.fmx"))},
        {at("lecture-seule/fourrure.fmp"), kSave, "Erreur #70",
         unsaved("Le dossier " + in("lecture-seule") +
                 " est en lecture seule : " + in("lecture-seule/fourrure.fmx"))},
        {at("pleine.fmp"), kSave, "Erreur #61",
         unsaved("Le disque est plein : " + in("pleine.fmp")), ENOSPC},
        {at(std::string(300, 'n') + ".fmp"), kSave, "Erreur #52",
         unsaved("Ce nom est trop long pour le système : " + in(std::string(300, 'n') + ".fmx"))},
    };
    for (const auto& f : failures) {
        boxes.clear();
        chosen = f.file;
        const std::string fur = withFurExtension(f.file);
        setFileStepHook([&](FileStep step, const std::string& path) {
            return step == FileStep::Write && path.starts_with(fur) ? f.diskError : 0;
        });
        {
            const testing::PermissionsEnforced asAnyUser;
            QVERIFY(asAnyUser.enforced());
            click(f.button);
        }
        setFileStepHook({});
        // The title names only a fur that was written.
        QCOMPARE(child<QLabel>(d, "titleLabel")->text(), QStringLiteral("Fourrure personnalisée"));
        QCOMPARE(boxes.size(), std::size_t(1));
        QCOMPARE(boxes[0].title, QString::fromLatin1(f.title));
        QCOMPARE(boxes[0].style, kStyleCritical);
        QCOMPARE(boxes[0].text, f.says);
    }
    QVERIFY(!QFile::exists(QString::fromStdString(at("nulle-part/fourrure.fmp"))));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             QStringList({"courte.fmp", "notes.bmp", "secrete.bmp", "secrete.fmp"}));
    QCOMPARE(openDialog, QStringLiteral("Ouvrir une image ou une fourrure|Fourrures (*.fmp)"));
}

QTEST_MAIN(FurEditorViewTest)
#include "fur_editor_view_test.moc"
