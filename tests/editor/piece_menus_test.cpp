// The honourable pieces' menus on the canvas: the six size items, the
// second-order piece's menu and its removal, and the question removing a
// first-order piece that carries charges. Pieces come from the pieces list,
// charges from the picture list, menus open with a right press on the shield.
#include <algorithm>
#include <vector>

#include <QAction>
#include <QTest>

#include "editor/title_bar.h"
#include "model/motifs.h"
#include "window_test.h"

using namespace tess;

class PieceMenusTest : public WindowTest {
    Q_OBJECT
  private slots:
    void eachSizeItemSetsItsOwnSize();
    void theSecondOrderMenuFollowsItsPiece();
    void removingTheSecondOrderPieceAsksNothingAndKeepsItsCharges();
    void twoChargesOnThePieceAskInThePlural();

  private:
    // The top-left of a size x size box lying wholly in zone k, the n-th found
    // (boxes side by side), or (-1, -1).
    QPoint boxInPart(int k, int size, int n);
    QAction* item(const char* name) {
        return d->w().findChild<QAction*>(QString::fromLatin1(name));
    }
};

QPoint PieceMenusTest::boxInPart(int k, int size, int n) {
    const Surface& map = d->r().partMap;
    const Colour key = kPartKeyColours[std::size_t(k)];
    const auto whole = [&](int x0, int y0) {
        for (int y = y0 - 2; y < y0 + size + 2; ++y)
            for (int x = x0 - 2; x < x0 + size + 2; ++x)
                if (map.pixel(x, y) != key) return false;
        return true;
    };
    std::vector<QRect> found;
    for (int y = 20; y < map.height() - size - 20; y += 2)
        for (int x = 10; x < map.width() - size - 10; x += 2) {
            const QRect box(x, y, size, size);
            if (!whole(x, y) || std::any_of(found.begin(), found.end(), [&](const QRect& f) {
                    return f.adjusted(-3, -3, 3, 3).intersects(box);
                }))
                continue;
            if (int(found.size()) == n) return box.topLeft();
            found.push_back(box);
        }
    return {-1, -1};
}

void PieceMenusTest::eachSizeItemSetsItsOwnSize() {
    d->choosePiece(QStringLiteral("Pal"));
    d->choosePiece(QStringLiteral("Croix"));
    Workspace& ws = d->ws();
    QCOMPARE(ws.CurrentBlazon.Ordinary1.Type, kPal);
    QCOMPARE(ws.CurrentBlazon.Ordinary2.Type, kCroix);
    // Each row changes the size from what the row before left; en filet comes
    // last in each order, when the piece is narrowest. A diminished size is
    // stored as 1 or 34 and drawn at the piece's own width, which the record
    // then holds: only its sign is the size.
    const struct {
        const char* item;
        int zone;
        int sign;
    } rows[] = {
        {"firstOrderDiminishedAction", kFirstOrderZone, 1},
        {"firstOrderFullAction", kFirstOrderZone, 0},
        {"firstOrderFilletAction", kFirstOrderZone, -1},
        {"secondOrderDiminishedAction", kSecondOrderZone, 1},
        {"secondOrderFullAction", kSecondOrderZone, 0},
        {"secondOrderFilletAction", kSecondOrderZone, -1},
    };
    for (const auto& row : rows) {
        d->unmark();
        const BlazonRecord before = ws.CurrentBlazon;
        const QImage shownBefore = d->w().panel<CanvasPanel>().canvas()->picture().copy();
        const QPoint at = d->pointOfPart(row.zone);
        QVERIFY2(at.x() >= 0, row.item);
        d->rightClick(&d->canvas(), at, QString::fromLatin1(row.item));
        const bool first = row.zone == kFirstOrderZone;
        QVERIFY(!h->messages->popups.empty());
        QCOMPARE(h->messages->popups.back().menu, first ? QStringLiteral("firstOrderPieceMenu")
                                                        : QStringLiteral("secondOrderPieceMenu"));
        const OrdinaryRecord& chosen =
            first ? ws.CurrentBlazon.Ordinary1 : ws.CurrentBlazon.Ordinary2;
        const OrdinaryRecord& other =
            first ? ws.CurrentBlazon.Ordinary2 : ws.CurrentBlazon.Ordinary1;
        QCOMPARE((chosen.Size > 0) - (chosen.Size < 0), row.sign);
        QVERIFY(d->w().panel<CanvasPanel>().canvas()->picture() != shownBefore);
        QCOMPARE(other, first ? before.Ordinary2 : before.Ordinary1);
        // One undo step, the title marked, and the item now the checked one.
        QCOMPARE(ws.Undos[1], before);
        QVERIFY(d->title().endsWith(u'*'));
        QVERIFY2(item(row.item)->isChecked(), row.item);
    }
}

void PieceMenusTest::theSecondOrderMenuFollowsItsPiece() {
    const struct {
        const char* name;
        bool lines;  // "Délinéaments de la pièce" offered
        bool sizes;  // "Diminuée" and "En filet" offered
    } pieces[] = {{"Adextre", true, false},
                  {"Champagne", true, false},
                  {"Canton", false, false},
                  {"Croix", false, true}};
    for (const auto& piece : pieces) {
        d->choosePiece(QString::fromUtf8(piece.name));
        const QPoint at = d->pointOfPart(kSecondOrderZone);
        QVERIFY2(at.x() >= 0, piece.name);
        d->rightClick(&d->canvas(), at);
        QVERIFY(!h->messages->popups.empty());
        const auto& shown = h->messages->popups.back();
        QCOMPARE(shown.menu, QStringLiteral("secondOrderPieceMenu"));
        QCOMPARE(shown.defaultItem, QStringLiteral("deleteSecondOrderAction"));
        const auto m = [&](const char* name) { return menuItem(d->w(), name); };
        QCOMPARE(m("deleteSecondOrderAction")->text(),
                 QStringLiteral("Supprimer (") + QString::fromUtf8(piece.name) + u')');
        QCOMPARE(m("secondOrderLinesAction")->isEnabled(), piece.lines);
        QCOMPARE(m("secondOrderDiminishedAction")->isEnabled(), piece.sizes);
        QCOMPARE(m("secondOrderFilletAction")->isEnabled(), piece.sizes);
        QVERIFY(m("secondOrderFullAction")->isChecked());
    }
}

void PieceMenusTest::removingTheSecondOrderPieceAsksNothingAndKeepsItsCharges() {
    d->choosePiece(QStringLiteral("Champagne"));
    const QPoint spot = boxInPart(kSecondOrderZone, 12, 0);
    QVERIFY(spot.x() >= 0);
    const int n = d->place(d->writePicture("c.bmp", 12, 12), spot);
    QCOMPARE(d->charge(n).InUse, kTrue);
    Workspace& ws = d->ws();
    d->unmark();
    const BlazonRecord before = ws.CurrentBlazon;

    d->rightClickPart(kSecondOrderZone, QStringLiteral("deleteSecondOrderAction"));
    QCOMPARE(ws.CurrentBlazon.Ordinary2.Present, kFalse);
    QVERIFY(h->messages->boxes.empty());
    QCOMPARE(d->charge(n).InUse, kTrue);
    QCOMPARE(d->pointOfPart(kSecondOrderZone), QPoint(-1, -1));
    QCOMPARE(ws.Undos[1], before);
    QVERIFY(d->title().endsWith(u'*'));
    QVERIFY(
        !d->w().panel<BlazonPanel>().blazonLabel()->text().contains(QStringLiteral("hampagne")));
}

void PieceMenusTest::twoChargesOnThePieceAskInThePlural() {
    d->choosePiece(QStringLiteral("Pal"));
    const QString path = d->writePicture("etoile.bmp", 10, 10);
    const int first = d->place(path, boxInPart(kFirstOrderZone, 10, 0));
    const int second = d->place(path, boxInPart(kFirstOrderZone, 10, 1));
    const int beside = d->place(path, boxInPart(1, 10, 0));  // on the field: stays
    QVERIFY(first != second);
    Workspace& ws = d->ws();
    const BlazonRecord before = ws.CurrentBlazon;
    const auto undos = ws.Undos;

    // "Non": nothing changes, no step.
    h->messages->boxAnswers = {MessageAnswer::No};
    d->rightClickPart(kFirstOrderZone, QStringLiteral("deleteFirstOrderAction"));
    QCOMPARE(int(h->messages->boxes.size()), 1);
    const auto& asked = h->messages->boxes[0];
    QCOMPARE(asked.text,
             QStringLiteral("Des meubles dont etoile.bmp demeurent sur la pièce. Supprimer cette "
                            "pièce supprimera tout les meubles qui y sont apposés. Désirez-vous "
                            "néanmoins supprimer cette pièce ?"));
    QCOMPARE(asked.title, QStringLiteral("Supprimer la pièce honorable"));
    QCOMPARE(asked.style, kStyleYesNo + kStyleExclamation);
    QCOMPARE(ws.CurrentBlazon, before);
    QVERIFY(ws.Undos == undos);

    // "Oui": the piece and both charges on it go, the one beside stays.
    h->messages->boxAnswers = {MessageAnswer::Yes};
    d->rightClickPart(kFirstOrderZone, QStringLiteral("deleteFirstOrderAction"));
    QCOMPARE(ws.CurrentBlazon.Ordinary1.Present, kFalse);
    QCOMPARE(d->charge(first).InUse, kFalse);
    QCOMPARE(d->charge(second).InUse, kFalse);
    QCOMPARE(d->charge(beside).InUse, kTrue);
    QCOMPARE(ws.Undos[1], before);
}

QTEST_MAIN(PieceMenusTest)
#include "piece_menus_test.moc"
