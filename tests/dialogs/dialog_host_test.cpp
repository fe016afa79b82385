// The dialogs' life cycle, on a small dialog made for the test.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/dialog_host.h"

using namespace tess;

namespace {

// A name box: kept between openings is the last name given; its load counts.
class NameDialog : public ValueDialog<QString> {
  public:
    struct State {
        QString lastName;
    };
    static inline int loads = 0;

    explicit NameDialog(QWidget* parent) : ValueDialog(parent) {
        box = new QLineEdit(this);
        ok = new QPushButton(QStringLiteral("OK"), this);
        connect(ok, &QPushButton::clicked, this, [this] {
            state_->lastName = box->text();
            finish(box->text());
        });
    }
    void load() override { ++loads; }
    // Every opening starts from the kept name, whatever the box was left with.
    void open(State& state, Done done) {
        state_ = &state;
        box->setText(state.lastName);
        openFor(std::move(done));
    }

    QLineEdit* box = nullptr;
    QPushButton* ok = nullptr;

  private:
    State* state_ = nullptr;
};

class OtherDialog : public ValueDialog<int> {
  public:
    struct State {};
    using ValueDialog::ValueDialog;
};

}  // namespace

class DialogHostTest : public QObject {
    Q_OBJECT
  private slots:
    void eachDialogIsLoadedOnceAtStartUp();
    void anOpeningNeverWaitsAndAnswersOnce();
};

void DialogHostTest::eachDialogIsLoadedOnceAtStartUp() {
    NameDialog::loads = 0;
    QWidget window;
    DialogHost host(window);
    NameDialog& name = host.add<NameDialog>();
    QCOMPARE(NameDialog::loads, 0);
    host.loadAll();
    host.loadAll();
    QCOMPARE(NameDialog::loads, 1);
    QCOMPARE(&host.get<NameDialog>(), &name);
    QVERIFY(!name.isVisible());
    QCOMPARE(name.parentWidget(), &window);
    // Added late: loaded on the spot, once.
    host.add<OtherDialog>();
    QVERIFY(host.loaded());
    QCOMPARE(NameDialog::loads, 1);
}

void DialogHostTest::anOpeningNeverWaitsAndAnswersOnce() {
    QWidget window;
    DialogHost host(window);
    NameDialog& d = host.add<NameDialog>();
    std::vector<std::optional<QString>> answers;
    const auto record = [&](const std::optional<QString>& a) { answers.push_back(a); };

    // Confirmed: the value comes back, and is kept apart from the widget.
    d.open(host.state<NameDialog>(), record);
    QVERIFY(d.isVisible() && d.isOpen());
    QTest::keyClicks(d.box, QStringLiteral("Lion"));
    d.ok->click();
    QVERIFY(!d.isVisible());
    QCOMPARE(answers, (std::vector<std::optional<QString>>{QStringLiteral("Lion")}));
    QCOMPARE(host.state<NameDialog>().lastName, QStringLiteral("Lion"));

    // Each way of cancelling gives nothing back, once, and the next opening
    // starts from what was kept, not from what the box was left with.
    const std::function<void()> cancels[] = {[&] { QTest::keyClick(&d, Qt::Key_Escape); },
                                             [&] { d.close(); }};
    for (const auto& cancel : cancels) {
        answers.clear();
        d.open(host.state<NameDialog>(), record);
        QCOMPARE(d.box->text(), QStringLiteral("Lion"));
        d.box->setText(QStringLiteral("Griffon"));
        cancel();
        QVERIFY(!d.isVisible() && !d.isOpen());
        QCOMPARE(answers, (std::vector<std::optional<QString>>{std::nullopt}));
    }
    QCOMPARE(host.state<NameDialog>().lastName, QStringLiteral("Lion"));
}

QTEST_MAIN(DialogHostTest)
#include "dialog_host_test.moc"
