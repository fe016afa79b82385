// The picture properties window driven through its own controls.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/picture_properties_dialog.h"
#include "support/scripted_messages.h"

using namespace tess;

class PicturePropertiesDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        messages = std::make_unique<ScriptedMessages>();
        dialog = std::make_unique<PicturePropertiesDialog>();
        dialog->setMessageLayer(*messages);
        answers.clear();
        // A 120 x 30 figure: red on black, its mask black on white.
        Surface picture(120, 30, kBlack), mask(120, 30, kWhite);
        picture.fill(0x0000FF);
        mask.fill(kBlack);
        PicturePropertiesDialog::State state;
        dialog->open({"Nom: lion", "Dimensions: 30 x 120", "Utilisé 2 fois sur le blason", "lion",
                      picture, mask},
                     state, [this](const std::optional<QString>& a) { answers.push_back(a); });
    }
    void cleanup() {
        dialog.reset();
        messages.reset();
    }

    void showsTheTopLeftOfThePictureUnscaled();
    void enterReleasedAcceptsThePhraseAsTyped();
    void aPhraseADocumentCannotHoldIsRefused();
    void escapeCancels();

  private:
    QLineEdit* box() { return dialog->findChild<QLineEdit*>(QStringLiteral("phraseBox")); }

    std::unique_ptr<ScriptedMessages> messages;
    std::unique_ptr<PicturePropertiesDialog> dialog;
    std::vector<std::optional<QString>> answers;
};

void PicturePropertiesDialogTest::showsTheTopLeftOfThePictureUnscaled() {
    const Surface& shown = dialog->shownPicture();
    QCOMPARE(shown.pixel(79, 0), Colour(0x0000FF));
    QCOMPARE(shown.pixel(0, 29), Colour(0x0000FF));
    QVERIFY(shown.pixel(80, 0) != Colour(0x0000FF));
    QVERIFY(shown.pixel(0, 30) != Colour(0x0000FF));
    QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("useLabel"))->text(),
             QStringLiteral("Utilisé 2 fois sur le blason"));
    QCOMPARE(box()->text(), QStringLiteral("lion"));
}

void PicturePropertiesDialogTest::enterReleasedAcceptsThePhraseAsTyped() {
    box()->clear();
    QTest::keyClicks(box(), QStringLiteral(" lion rampant "));
    // The press alone does nothing: the window acts on the release.
    QTest::keyPress(box(), Qt::Key_Return);
    QVERIFY(dialog->isVisible());
    QTest::keyRelease(box(), Qt::Key_Return);
    QCOMPARE(answers, (std::vector<std::optional<QString>>{QStringLiteral(" lion rampant ")}));
}

void PicturePropertiesDialogTest::aPhraseADocumentCannotHoldIsRefused() {
    box()->setText(QStringLiteral("lion ☥"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    QCOMPARE(messages->boxes.size(), std::size_t(1));
    QCOMPARE(messages->boxes[0].style, 48);
    QVERIFY(dialog->isVisible() && answers.empty());
    box()->setText(QString());
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    QCOMPARE(answers, (std::vector<std::optional<QString>>{QString()}));
}

void PicturePropertiesDialogTest::escapeCancels() {
    QTest::keyClick(box(), Qt::Key_Escape);
    QCOMPARE(answers, (std::vector<std::optional<QString>>{std::nullopt}));
    QVERIFY(!dialog->isVisible());
}

QTEST_MAIN(PicturePropertiesDialogTest)
#include "picture_properties_dialog_test.moc"
