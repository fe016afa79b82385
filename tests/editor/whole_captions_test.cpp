// Every label, caption and title of every window and dialog shows its whole
// text in the program's font: the start-up window, the main window with its
// hover captions, and each dialog opened as the window opens it. A text is
// cut when it is wider or taller than the label's inside, word wrap taken
// into account, measured with the label's own font.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "actions/charge_placing.h"
#include "dialogs/blazon_language_dialog.h"
#include "dialogs/colour_adjustment_dialog.h"
#include "dialogs/distribution_dialog.h"
#include "dialogs/fur_editor_dialog.h"
#include "dialogs/line_style_dialog.h"
#include "dialogs/picture_properties_dialog.h"
#include "dialogs/print_dialog.h"
#include "dialogs/question_box.h"
#include "model/document.h"
#include "model/workspace.h"
#include "render/document_surfaces.h"
#include "render/renderer.h"
#include "support/widget_events.h"
#include "widgets/program_font.h"
#include "window_test.h"

using namespace tess;

namespace {

// The text without the accelerator marks a button draws underlined.
QString shownText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    shown.remove(QLatin1Char('&'));
    shown.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return shown;
}

// What in `window` does not show whole: "name: text (needs w x h, has w x h)".
QStringList cutCaptions(QWidget& window) {
    QStringList cut;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText) continue;
        const int m = label->margin();
        const QRect inside = label->contentsRect().adjusted(m, m, -m, -m);
        // Measured from the top: a centred text in a tall box rounds a pixel.
        const int flags = int(label->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop |
                          (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, inside.width(), 10000),
                                                               flags, label->text());
        if (needed.width() > inside.width() || needed.height() > inside.height())
            cut << QStringLiteral("%1 « %2 »: needs %3 x %4, has %5 x %6")
                       .arg(label->objectName(), label->text())
                       .arg(needed.width())
                       .arg(needed.height())
                       .arg(inside.width())
                       .arg(inside.height());
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const QString text = shownText(button->text());
        if (text.isEmpty()) continue;
        // The button's own frame takes a pixel or two on each side.
        const QRect needed = button->fontMetrics().boundingRect(text);
        if (needed.width() > button->width() - 4 || needed.height() > button->height())
            cut << QStringLiteral("%1 « %2 »: needs %3, has %4")
                       .arg(button->objectName(), text)
                       .arg(needed.width())
                       .arg(button->width() - 4);
    }
    return cut;
}

}  // namespace

class WholeCaptionsTest : public WindowTest {
    Q_OBJECT
  private slots:
    void theProgramUsesItsOwnFont();
    void theStartUpWindowAndTheQuestionBox();
    void theMainWindowAndItsCaptions();
    void everyDialogAsTheWindowOpensIt();

  private:
    // Notes what `window` cuts, with where it was seen.
    void check(QWidget& window, const QString& where);
    void close(QDialog& dialog) { dialog.reject(); }

    QStringList cut_;
};

void WholeCaptionsTest::check(QWidget& window, const QString& where) {
    for (const QString& c : cutCaptions(window)) cut_ << where + QStringLiteral(": ") + c;
}

void WholeCaptionsTest::theProgramUsesItsOwnFont() {
    QCOMPARE(QApplication::font(), programFont());
    QCOMPARE(w->font().pixelSize(), programFont().pixelSize());
}

void WholeCaptionsTest::theStartUpWindowAndTheQuestionBox() {
    cut_.clear();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* progress = top->findChild<QLabel*>(QStringLiteral("progressLabel"));
        if (!progress) continue;
        for (const char* text :
             {"Patience", "Chargement des dépendances graphiques",
              "Initialisation des caractéristiques du blason", "Affichage d'un blason"}) {
            progress->setText(QString::fromUtf8(text));
            check(*top, QStringLiteral("démarrage"));
        }
    }
    QuestionBox box;
    box.makeQuestion(QStringLiteral("Tessaline"),
                     QStringLiteral("\rÊtes-vous sûr de vouloir débuter un nouveau blason sans "
                                    "sauvegarder Armoiries de la famille.bls ?"));
    check(box, QStringLiteral("question"));
    box.setMessage(QStringLiteral("\rChargement des caractéristiques de Armoiries.bls"));
    check(box, QStringLiteral("patience"));
    QVERIFY2(cut_.isEmpty(), qPrintable(cut_.join(QLatin1Char('\n'))));
}

void WholeCaptionsTest::theMainWindowAndItsCaptions() {
    cut_.clear();
    // Both piece captions and their choosers show with both pieces.
    BlazonRecord& b = h->ws().CurrentBlazon;
    b.Ordinary1 = OrdinaryRecord{.Present = kTrue, .Type = 3, .Name = "Bande", .Size = -1};
    w->session().redraw();
    check(*w, QStringLiteral("fenêtre"));
    // The hover captions at the shield's far corner, and the shift zones' caption.
    sendMouse(w->panel<CanvasPanel>().canvas(), QEvent::MouseMove, QPointF(5.5, 60.5), Qt::NoButton,
              Qt::NoButton);
    check(*w, QStringLiteral("survol ") + w->panel<CanvasPanel>().coordinateCaption()->text());
    PictureBox* zones = w->panel<PieceOptions>().shiftZones();
    zones->show();
    sendMouse(zones, QEvent::MouseMove, QPointF(39.5, 57.5), Qt::NoButton, Qt::NoButton);
    check(*w, QStringLiteral("décalage ") + w->panel<PieceOptions>().firstOrderCaption()->text());
    NewDocument(h->ws(), h->program->r());
    w->session().redraw();
    QVERIFY2(cut_.isEmpty(), qPrintable(cut_.join(QLatin1Char('\n'))));
}

void WholeCaptionsTest::everyDialogAsTheWindowOpensIt() {
    cut_.clear();
    DialogHost& dialogs = w->dialogs();
    // Print, with and without a printer, and export.
    menuItem(*w, "printAction")->trigger();
    auto& print = dialogs.get<PrintDialog>();
    QVERIFY(print.isVisible());
    check(print, QStringLiteral("impression"));
    close(print);
    menuItem(*w, "exportAction")->trigger();
    check(print, QStringLiteral("exportation"));
    close(print);

    // The line styles of the partition.
    h->ws().CurrentBlazon.Partition = 11;
    w->session().redraw();
    menuItem(*w, "partLinesAction")->trigger();
    auto& lines = dialogs.get<LineStyleDialog>();
    QVERIFY(lines.isVisible());
    check(lines, QStringLiteral("délinéaments"));
    close(lines);

    // The colour of each tincture.
    auto& colour = dialogs.get<ColourAdjustmentDialog>();
    for (int t = 1; t <= 11; ++t) {
        menuItem(*w, "adjustColourAction")->setData(t);
        menuItem(*w, "adjustColourAction")->trigger();
        QVERIFY(colour.isVisible());
        check(colour, QStringLiteral("couleur %1").arg(t));
        close(colour);
    }

    // The properties of a picture placed twice, and the distribution of it.
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString path = h->home.filePath(QStringLiteral("Lion rampant.bmp"));
    QVERIFY(picture.save(path));
    h->messages->files = {path};
    menuItem(*w, "addPictureAction")->trigger();
    for (int n : {1, 2})
        QVERIFY(AddCharge(h->ws(), h->program->r().Charges,
                          OverlayBox{double(40 * n), 80, 64, 48, path.toStdString()}, n));
    w->session().redraw();
    QListWidget* list = w->panel<PictureListPanel>().pictureList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    menuItem(*w, "picturePropertiesAction")->trigger();
    auto& properties = dialogs.get<PicturePropertiesDialog>();
    QVERIFY(properties.isVisible());
    check(properties, QStringLiteral("propriétés"));
    close(properties);
    QVERIFY(w->panel<HeldChargeTool>().pickUp(1));
    emit menuNamed(*w, "heldChargeMenu")->aboutToShow();
    menuItem(*w, "makeGroupAction")->trigger();
    auto& distribution = dialogs.get<ChargeDistributionDialog>();
    QVERIFY(distribution.isVisible());
    check(distribution, QStringLiteral("répartition"));
    close(distribution);
    w->panel<HeldChargeTool>().end();

    // The fur editor on a new fur and with a fur file's name in its title.
    menuItem(*w, "defineUserFurAction")->trigger();
    auto& fur = dialogs.get<FurEditorDialog>();
    QVERIFY(fur.isVisible());
    check(fur, QStringLiteral("fourrure"));
    fur.findChild<QLabel*>(QStringLiteral("titleLabel"))
        ->setText(QStringLiteral("Fourrure personnalisée [hermine.fmp]"));
    check(fur, QStringLiteral("fourrure nommée"));
    close(fur);

    // The window no command opens.
    auto& language = dialogs.get<BlazonLanguageDialog>();
    language.show();
    check(language, QStringLiteral("blasonnement"));
    language.hide();
    QVERIFY2(cut_.isEmpty(), qPrintable(cut_.join(QLatin1Char('\n'))));
}

QTEST_MAIN(WholeCaptionsTest)
#include "whole_captions_test.moc"
