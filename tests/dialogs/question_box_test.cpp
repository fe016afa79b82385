// The question and wait box, and the message boxes of the message layer.
#include <functional>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "dialogs/message_layer.h"
#include "dialogs/question_box.h"

using namespace tess;

namespace {

// Runs `act` on the modal window once it is up.
void whenModalIsUp(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        // A box that never comes up fails on the check below.
        (void)QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 5000);
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box);
        act(box);
    });
}

QPushButton* buttonCaptioned(QWidget* box, const QString& caption) {
    for (QPushButton* b : box->findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

}  // namespace

class QuestionBoxTest : public QObject {
    Q_OBJECT
  private slots:
    void eachWayOfAnsweringTheQuestion();
    void theQuestionLooksAsAsked();
    void theWaitBoxHasNoButtons();
    void textsThatLookLikeMarkupShowAsTheyStand();
    void styleNumbersGiveButtonsAndDefaults();
    void aYesNoBoxWhoseDefaultIsNonNeverAnswersOui();
};

// One way after the other on one layer, so that an answer never leaks into
// the next question.
void QuestionBoxTest::eachWayOfAnsweringTheQuestion() {
    WidgetMessages messages;
    const auto oui = [](QWidget* box) { buttonCaptioned(box, QStringLiteral("Oui"))->click(); };
    const auto enterOnOui = [](QWidget* box) {
        QPushButton* b = buttonCaptioned(box, QStringLiteral("Oui"));
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Return);
    };
    const struct {
        const char* how;
        std::function<void(QWidget*)> act;
        bool yes;
    } answers[] = {
        {"Enter", [](QWidget* box) { QTest::keyClick(box->focusWidget(), Qt::Key_Return); }, false},
        {"Oui", oui, true},
        {"Escape after an Oui", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }, false},
        {"Enter on Oui", enterOnOui, true},
        {"closed by its frame after an Oui", [](QWidget* box) { box->close(); }, false},
    };
    for (const auto& a : answers) {
        whenModalIsUp(a.act);
        QVERIFY2(messages.confirm(QStringLiteral("\rQuitter ?")) == a.yes, a.how);
        QCOMPARE(messages.ConfirmAnswer, a.yes ? kAnswerOui : kAnswerNon);
    }
}

void QuestionBoxTest::theQuestionLooksAsAsked() {
    QuestionBox box;
    box.makeQuestion(QStringLiteral("Tessaline"),
                     QStringLiteral("\rÊtes-vous sûr de vouloir quitter sans sauvegarder a.bls ?"));
    QCOMPARE(box.windowTitle(), QStringLiteral("Tessaline"));
    QCOMPARE(box.noButton->text(), QStringLiteral("Non"));
    QCOMPARE(box.yesButton->text(), QStringLiteral("Oui"));
    // The question begins one line down.
    QCOMPARE(box.messageLabel->text(),
             QStringLiteral("\nÊtes-vous sûr de vouloir quitter sans sauvegarder a.bls ?"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QVERIFY(box.noButton->isVisible());
    QVERIFY(box.yesButton->isVisible());
    QCOMPARE(box.focusWidget(), static_cast<QWidget*>(box.noButton));
    QVERIFY(box.height() > 66);
}

void QuestionBoxTest::theWaitBoxHasNoButtons() {
    QuestionBox box;
    QCOMPARE(box.windowTitle(), QStringLiteral("Patience..."));
    box.setMessage(QStringLiteral("\rChargement des caractéristiques de a.bls"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QVERIFY(!box.noButton->isVisible());
    QVERIFY(!box.yesButton->isVisible());
    QCOMPARE(box.size(), QSize(463, 66));
    QCOMPARE(box.messageLabel->text(),
             QStringLiteral("\nChargement des caractéristiques de a.bls"));
    // The hourglass a caller set stays on while it waits.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    box.hide();
    box.show();
    QVERIFY(QApplication::overrideCursor() != nullptr);
    QApplication::restoreOverrideCursor();
}

void QuestionBoxTest::textsThatLookLikeMarkupShowAsTheyStand() {
    QuestionBox box;
    box.setMessage(QStringLiteral("\rQuitter <i>x</i>.bls ?"));
    const int tagged = box.messageLabel->sizeHint().width();
    box.setMessage(QStringLiteral("\rQuitter x.bls ?"));
    const int plain = box.messageLabel->sizeHint().width();
    QVERIFY(tagged - plain >=
            QFontMetrics(box.messageLabel->font()).horizontalAdvance(QStringLiteral("<i></i>")) -
                2);

    WidgetMessages messages;
    Qt::TextFormat format = Qt::AutoText;
    whenModalIsUp([&](QWidget* w) {
        format = qobject_cast<QMessageBox*>(w)->textFormat();
        qobject_cast<QMessageBox*>(w)->defaultButton()->click();
    });
    messages.messageBox(QStringLiteral("Le fichier <b>x</b>.bls est introuvable."), 48,
                        QStringLiteral("Ouvrir un blason"));
    QCOMPARE(int(format), int(Qt::PlainText));
}

void QuestionBoxTest::styleNumbersGiveButtonsAndDefaults() {
    const MessageStyle stop = decodeMessageStyle(16);
    QCOMPARE(stop.count(), 1);
    QVERIFY(stop.icon == MessageIcon::Critical);
    QVERIFY(stop.defaultButton() == MessageAnswer::Ok);

    const MessageStyle yesNoNo = decodeMessageStyle(4 + 32 + 256);
    QCOMPARE(yesNoNo.count(), 2);
    QVERIFY(yesNoNo.icon == MessageIcon::Question);
    QVERIFY(yesNoNo.button(0) == MessageAnswer::Yes);
    QVERIFY(yesNoNo.defaultButton() == MessageAnswer::No);
    QVERIFY(yesNoNo.escapeAnswer() == MessageAnswer::No);

    const MessageStyle yesNoCancel = decodeMessageStyle(3 + 48 + 512);
    QVERIFY(yesNoCancel.icon == MessageIcon::Exclamation);
    QVERIFY(yesNoCancel.defaultButton() == MessageAnswer::Cancel);
    QVERIFY(yesNoCancel.escapeAnswer() == MessageAnswer::Cancel);

    // A default past the last button is the first one.
    QVERIFY(decodeMessageStyle(4 + 512).defaultButton() == MessageAnswer::Yes);
}

void QuestionBoxTest::aYesNoBoxWhoseDefaultIsNonNeverAnswersOui() {
    WidgetMessages messages;
    QString defaultCaption, focused;
    bool question = false;
    // Style 292: Yes/No, a question, the second button the default.
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        whenModalIsUp([&, key](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            defaultCaption = box->defaultButton()->text();
            question = box->icon() == QMessageBox::Question;
            auto* f = qobject_cast<QPushButton*>(w->focusWidget());
            focused = f ? f->text() : QStringLiteral("?");
            QTest::keyClick(f ? static_cast<QWidget*>(f) : w, key);
        });
        QVERIFY(messages.messageBox(QStringLiteral("Supprimer ?"), 292, QStringLiteral("Motif")) ==
                MessageAnswer::No);
        QCOMPARE(defaultCaption, QStringLiteral("Non"));
        QCOMPARE(focused, QStringLiteral("Non"));
        QVERIFY(question);
    }
    // Without a default given, Oui is the default.
    whenModalIsUp([&](QWidget* w) {
        defaultCaption = qobject_cast<QMessageBox*>(w)->defaultButton()->text();
        qobject_cast<QMessageBox*>(w)->defaultButton()->click();
    });
    QVERIFY(messages.messageBox(QStringLiteral("Sûr ?"), 4, QStringLiteral("T")) ==
            MessageAnswer::Yes);
    QCOMPARE(defaultCaption, QStringLiteral("Oui"));
}

QTEST_MAIN(QuestionBoxTest)
#include "question_box_test.moc"
