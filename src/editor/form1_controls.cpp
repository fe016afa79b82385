// The main window's controls, made and placed once.
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "editor/form1.h"
#include "editor/form1_layout.h"
#include "editor/picture_box.h"
#include "editor/ui_pictures.h"
#include "model/canvas_size.h"
#include "model/workspace.h"

namespace tess {

namespace {

QLabel* caption(QWidget* parent, const char* name, const QString& text, QRect box,
                Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(box);
    label->setAlignment(align);
    // File names and phrases are shown letter for letter, never read as markup.
    label->setTextFormat(Qt::PlainText);
    // A press on a caption is the caption's: it must not reach the window's
    // free area, where it would open the file menu or put a held charge down.
    label->setAttribute(Qt::WA_NoMousePropagation);
    return label;
}

PictureBox* pictureBox(QWidget* parent, const char* name, QRect box) {
    auto* p = new PictureBox(parent, name, box.size());
    p->move(box.topLeft());
    return p;
}

// A one-pixel line or a frame, as the window design draws them.
QFrame* lineControl(QWidget* parent, const char* name, QColor colour) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromUtf8(name));
    f->setAutoFillBackground(true);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, colour);
    f->setPalette(p);
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    f->hide();
    return f;
}

QFrame* frameControl(QWidget* parent, const char* name, QColor colour, int width) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromUtf8(name));
    f->setStyleSheet(QStringLiteral("QFrame#%1 { border: %2px solid %3; background: transparent; }")
                         .arg(QString::fromUtf8(name))
                         .arg(width)
                         .arg(colour.name()));
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    f->hide();
    return f;
}

void setTextColour(QWidget* w, QColor colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

}  // namespace

void Form1::buildControls() {
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(layout::kWindow);
    QPalette p = palette();
    p.setColor(QPalette::Window, layout::kWindowColour);
    setPalette(p);
    setAutoFillBackground(true);
    setMouseTracking(true);
    setWindowIcon(programIconImage());

    buildTitleBar();
    buildCanvas();
    buildPalettes();
    buildChoosers();
    buildLists();
    menus = buildForm1Menus(this);
    wireMenus();
}

void Form1::buildTitleBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("TitleBar"));
    bar->setGeometry(0, 0, layout::kWindow.width(), layout::kTitleLabel.height());
    bar->setAutoFillBackground(true);
    QPalette p = bar->palette();
    p.setColor(QPalette::Window, layout::kTitleColour);
    bar->setPalette(p);
    bar->setAttribute(Qt::WA_TransparentForMouseEvents);

    // The title spans the whole bar, so the bar drags from end to end; its
    // text stops short of the two buttons laid over its right end.
    Label2 = caption(this, "Label2", QStringLiteral("Tessaline"), bar->geometry());
    Label2->setContentsMargins(10, 0, layout::kWindow.width() - layout::kTitleLabel.right(), 0);
    QFont bold = Label2->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 1);
    Label2->setFont(bold);
    setTextColour(Label2, Qt::white);
    Label2->installEventFilter(this);

    Command2 = new QPushButton(QStringLiteral("_"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(layout::kMinimiseButton);
    Command2->setToolTip(QStringLiteral("Réduire"));
    Command2->setFocusPolicy(Qt::NoFocus);
    Command1 = new QPushButton(QStringLiteral("×"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(layout::kCloseButton);
    Command1->setToolTip(QStringLiteral("Quitter"));
    Command1->setFocusPolicy(Qt::NoFocus);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

    // The toolbar; its frame lines and the partition marker lie inside it.
    Picture5 = pictureBox(this, "Picture5", layout::kToolbar);
    Picture5->setPicture(toolbarImage());
    SelShape = frameControl(Picture5, "SelShape", QColor(255, 0, 0), 1);
    SelShape->setGeometry(0, 4, 23, 20);
    TopLine = lineControl(Picture5, "TopLine", Qt::white);
    LeftLine = lineControl(Picture5, "LeftLine", Qt::white);
    RightLine = lineControl(Picture5, "RightLine", Qt::black);
    DownLine = lineControl(Picture5, "DownLine", Qt::black);
    TopLine->setGeometry(0, 3, 24, 1);
    LeftLine->setGeometry(0, 4, 1, 21);
    RightLine->setGeometry(23, 3, 1, 22);
    DownLine->setGeometry(0, 24, 25, 1);
}

void Form1::buildCanvas() {
    Picture1 = pictureBox(this, "Picture1", layout::kCanvas);
    Picture1->setFocusPolicy(Qt::StrongFocus);

    // The overlay of a held charge and its companions, children of the canvas
    // so that their positions are canvas pixels.
    SelPic = new QLabel(Picture1);
    SelPic->setObjectName(QStringLiteral("SelPic"));
    SelPic->setScaledContents(true);
    SelPic->hide();
    Shape1 = frameControl(Picture1, "Shape1", Qt::black, 1);
    Shape2 = lineControl(Picture1, "Shape2", Qt::black);
    Shape2->resize(7, 7);
    LineF = lineControl(Picture1, "LineF", QColor(0, 0, 255));
    LineG = lineControl(Picture1, "LineG", QColor(0, 0, 255));
    LineF->setGeometry(0, 0, kCanvasWidth, 1);
    LineG->setGeometry(0, 0, 1, kCanvasHeight);

    CenteringPic = pictureBox(this, "CenteringPic", layout::kCenteringStrip);
    CenteringPic->setPicture(alignmentStripImage());
    CenteringPic->hide();

    CoordCaption = caption(this, "CoordCaption", QString(), layout::kCoordCaption);
    PartCaption = caption(this, "PartCaption", QString(), layout::kPartCaption,
                          Qt::AlignRight | Qt::AlignVCenter);
    WarnLabel = caption(this, "WarnLabel", QStringLiteral("Blasonnement"), layout::kBlazonLabel,
                        Qt::AlignHCenter | Qt::AlignTop);
    WarnLabel->setWordWrap(true);
    QFont blazonFont = WarnLabel->font();
    blazonFont.setItalic(true);
    blazonFont.setPointSize(blazonFont.pointSize() + 1);
    WarnLabel->setFont(blazonFont);
    setTextColour(WarnLabel, Qt::black);

    WarnPic = pictureBox(this, "WarnPic", layout::kWarnPic);
    WarnPic->setPicture(warningImage());
    WarnPic->setToolTip(QStringLiteral("Cliquez pour voir l'erreur ou l'avertissement"));
    WarnPic->hide();
}

void Form1::buildPalettes() {
    EmPic = pictureBox(this, "EmPic", layout::kTincturePalette);
    Picture3 = pictureBox(this, "Picture3", layout::kFurPalette);
    Picture3->setPicture(furPaletteImage());
    for (int s = 0; s < 4; ++s) {
        const QByteArray name = "UserPic" + QByteArray::number(s);
        const QRect box(layout::kUserFurLeft + (s % 2) * layout::kUserFurStep,
                        layout::kUserFurTop + (s / 2) * layout::kUserFurStep,
                        layout::kUserFurSwatch.width(), layout::kUserFurSwatch.height());
        UserPic[std::size_t(s)] = pictureBox(this, name.constData(), box);
        UserPic[std::size_t(s)]->hide();
    }
}

void Form1::buildChoosers() {
    Picture2 = pictureBox(this, "Picture2", layout::kShapeChooser);
    Picture2->setPicture(shapeChooserImage(1));
    Label4 = caption(this, "Label4", QStringLiteral("Écusson"), layout::kInsetLabel,
                     Qt::AlignHCenter | Qt::AlignVCenter);
    // The escutcheon's chooser keeps its stored picture: the first cell marked.
    Picture6 = pictureBox(this, "Picture6", layout::kInsetChooser);
    Picture6->setPicture(shapeChooserImage(1));

    Label5 = caption(this, "Label5", QStringLiteral("1er Ordre"), layout::kOrdre1Label);
    ReducedPic = pictureBox(this, "ReducedPic", layout::kSizeChooser1);
    ReducedPic->setPicture(sizeChooserImage(1, 0));
    DeportPic = pictureBox(this, "DeportPic", layout::kDeport);
    DeportPic->setPicture(shiftChooserImage(1));
    LblOrdre2 = caption(this, "LblOrdre2", QStringLiteral("2nd Ordre"), layout::kOrdre2Label);
    ReducedPic2 = pictureBox(this, "ReducedPic2", layout::kSizeChooser2);
    ReducedPic2->setPicture(sizeChooserImage(2, 0));
    for (QWidget* w : {static_cast<QWidget*>(Label5), static_cast<QWidget*>(ReducedPic),
                       static_cast<QWidget*>(DeportPic), static_cast<QWidget*>(LblOrdre2),
                       static_cast<QWidget*>(ReducedPic2)})
        w->hide();
}

void Form1::buildLists() {
    Label1 =
        caption(this, "Label1", QStringLiteral("Meubles"), layout::kTabCharges, Qt::AlignCenter);
    Label3 = caption(this, "Label3", QStringLiteral("Pièces"), layout::kTabPieces, Qt::AlignCenter);
    for (QLabel* tab : {Label1, Label3}) {
        QFont f = tab->font();
        f.setBold(true);
        tab->setFont(f);
        tab->setCursor(Qt::PointingHandCursor);
        tab->setAutoFillBackground(true);
        QPalette tp = tab->palette();
        tp.setColor(QPalette::Window, layout::kTabColour);
        tab->setPalette(tp);
        tab->installEventFilter(this);
    }
    setTextColour(Label1, QColor(255, 255, 0));
    setTextColour(Label3, Qt::black);

    ListView1 = new QListWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(layout::kLists);
    ListView1->setViewMode(QListView::IconMode);
    ListView1->setIconSize(QSize(32, 32));
    ListView1->setToolTip(QStringLiteral("Cliquez du bouton de droite pour ajouter un meuble"));

    ListView2 = new QListWidget(this);
    ListView2->setObjectName(QStringLiteral("ListView2"));
    ListView2->setGeometry(layout::kLists);
    ListView2->setIconSize(QSize(16, 16));
    ListView2->setToolTip(
        QStringLiteral("Double-Cliquez pour ajouter la pièce honorable sur le blason"));
    ListView2->hide();
}

}  // namespace tess
