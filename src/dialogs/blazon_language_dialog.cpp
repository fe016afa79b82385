#include "dialogs/blazon_language_dialog.h"

#include <functional>

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>

namespace tess {

namespace {

const QColor kTitleRed(0x80, 0, 0);
const QColor kChosenRed(0xFF, 0, 0);

// The three flags stacked in a 21 x 58 picture; the tooltip names the flag
// under the pointer, and nothing between two flags.
class FlagColumn : public QWidget {
  public:
    FlagColumn(QWidget* parent, std::array<QString, 3> names, std::array<QColor, 3> colours)
        : QWidget(parent), names_(std::move(names)), colours_(colours) {
        setMouseTracking(true);
        setFixedSize(21, 58);
    }
    static int flagAt(int y) {
        if (y >= 2 && y <= 17) return 0;
        if (y >= 21 && y <= 36) return 1;
        if (y >= 40 && y <= 54) return 2;
        return -1;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int tops[3] = {2, 21, 40};
        for (int i = 0; i < 3; ++i) {
            p.fillRect(1, tops[i], 19, 15, colours_[i]);
            p.setPen(Qt::black);
            p.drawRect(1, tops[i], 18, 14);
        }
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        const int flag = flagAt(int(e->position().y()));
        setToolTip(flag < 0 ? QString() : names_[std::size_t(flag)]);
    }

  private:
    std::array<QString, 3> names_;
    std::array<QColor, 3> colours_;
};

// A label that tells when it is clicked.
class ChoiceLabel : public QLabel {
  public:
    ChoiceLabel(const QString& text, QWidget* parent, std::function<void()> clicked)
        : QLabel(text, parent), clicked_(std::move(clicked)) {}

  protected:
    void mousePressEvent(QMouseEvent*) override { clicked_(); }

  private:
    std::function<void()> clicked_;
};

QLabel* heading(QWidget* parent, const QString& text, const char* name, QPoint at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, kTitleRed);
    label->setPalette(pal);
    label->move(at);
    label->adjustSize();
    return label;
}

void colour(QLabel* label, const QColor& c) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, c);
    label->setPalette(pal);
}

}  // namespace

BlazonLanguageDialog::BlazonLanguageDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("blazonLanguageDialog"));
    setWindowTitle(QStringLiteral("Blasonnement"));
    setFixedSize(234, 293);
    heading(this, QStringLiteral("Blasonnement"), "titleLabel", {19, 2});
    auto* help = new QPushButton(QStringLiteral("?"), this);
    help->setObjectName(QStringLiteral("helpButton"));
    help->setToolTip(QStringLiteral("Aide contextuelle"));
    help->setGeometry(212, 1, 18, 18);

    heading(this, QStringLiteral("Héraldie utilisée pour blasonner"), "traditionHeading", {5, 34});
    auto* traditionFlags = new FlagColumn(
        this, {QStringLiteral("Français"), QStringLiteral("Anglais"), QStringLiteral("Italien")},
        {QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 128, 0)});
    traditionFlags->setObjectName(QStringLiteral("traditionFlags"));
    traditionFlags->move(17, 50);
    heading(this, QStringLiteral("Langue utilisée pour blasonner"), "languageHeading", {6, 136});
    auto* languageFlags = new FlagColumn(
        this, {QStringLiteral("Français"), QStringLiteral("Anglais"), QStringLiteral("Espagnol")},
        {QColor(0, 0, 255), QColor(255, 0, 0), QColor(255, 204, 0)});
    languageFlags->setObjectName(QStringLiteral("languageFlags"));
    languageFlags->move(17, 152);

    const QString traditionNames[3] = {QStringLiteral("Français"), QStringLiteral("Anglais"),
                                       QStringLiteral("Italien")};
    const QString languageNames[3] = {QStringLiteral("Français"), QStringLiteral("Anglais"),
                                      QStringLiteral("Espagnol")};
    const int traditionTops[3] = {52, 72, 92};
    const int languageTops[3] = {155, 174, 193};
    for (int i = 0; i < 3; ++i) {
        traditions_[std::size_t(i)] = new ChoiceLabel(
            traditionNames[i], this, [this, i] { choose(traditions_, tradition_, i); });
        traditions_[std::size_t(i)]->setObjectName(QStringLiteral("tradition%1").arg(i));
        traditions_[std::size_t(i)]->move(42, traditionTops[i]);
        languages_[std::size_t(i)] = new ChoiceLabel(
            languageNames[i], this, [this, i] { choose(languages_, language_, i); });
        languages_[std::size_t(i)]->setObjectName(QStringLiteral("language%1").arg(i));
        languages_[std::size_t(i)]->move(45, languageTops[i]);
    }
    choose(traditions_, tradition_, 0);
    choose(languages_, language_, 0);

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(59, 256, 70, 24);
    auto* cancel = new QPushButton(QStringLiteral("Annuler"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(139, 256, 70, 24);
    // Both only hide the window: nothing is stored.
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
}

void BlazonLanguageDialog::choose(std::array<QLabel*, 3>& list, int& chosen, int index) {
    for (int i = 0; i < 3; ++i)
        colour(list[std::size_t(i)], i == index ? kChosenRed : QColor(Qt::black));
    chosen = index;
}

}  // namespace tess
