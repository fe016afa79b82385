#include "editor/form1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScreen>

#include "dialogs/frm_splash.h"
#include "dialogs/message_layer.h"
#include "editor/busy_pointer.h"
#include "editor/picture_box.h"
#include "editor/ui_pictures.h"
#include "model/document.h"
#include "model/tincture_file.h"
#include "model/title_text.h"
#include "model/workspace.h"
#include "platform/paths.h"
#include "render/document_surfaces.h"
#include "actions/redraw_shield.h"
#include "render/renderer.h"
#include "actions/graphics_session.h"
#include "storage/file_type_registration.h"
#include "actions/opening.h"
#include "storage/settings_file.h"

namespace tess {

namespace {

// The honourable pieces in list order (the index is the piece's type) with
// the number of their small icon.
struct PieceItem {
    const char* text;
    int icon;
};
constexpr std::array<PieceItem, 23> kPieces = {
    {{"", 0},          {"Chef", 7},      {"Pal", 12},      {"Fasce", 9},   {"Bande", 1},
     {"Barre", 2},     {"Chevron", 22},  {"Orle", 3},      {"Bordure", 4}, {"Écusson", 8},
     {"Adextre", 17},  {"Sénestre", 20}, {"Champagne", 6}, {"Canton", 5},  {"Franc-Quartier", 10},
     {"Cornière", 18}, {"Esquarre", 19}, {"Giron", 11},    {"Pile", 13},   {"Pointe", 14},
     {"Pairle", 21},   {"Sautoir", 15},  {"Croix", 16}}};

constexpr std::array<const char*, 6> kDropJokes = {
    "Comment pensez-vous meubler votre appartement si vous lancez tous vos meubles par la "
    "fenêtre?",
    "J'osais pas vous le dire, mais ce dessin était tout à fait ridicule.",
    "Avoir su, j'aurais inclu une petite poubelle laide à la MacIntosh!",
    "Pas de craintes, j'ai plein de petits octets de mémoire pour gérer vos incertitudes.",
    "Comme un enfant de 3 ans, dites 'Tata' à votre caca!",
    "Une chance que les côtés du blason ne sont pas d'affreuses lames tranchantes car nous "
    "aurions mangé du brin de meuble... "};

// What the workspace talks to once the window is gone.
WorkspaceUi& silentUi() {
    static WorkspaceUi ui;
    return ui;
}

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

int styleOf(const FileMessage& message) {
    switch (message.icon) {
        case FileMessage::Icon::Critical:
            return kStyleCritical;
        case FileMessage::Icon::Exclamation:
            return kStyleExclamation;
        case FileMessage::Icon::None:
            break;
    }
    return kStyleOk;
}

std::string trimmedBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

Form1::Form1(Workspace& ws, Renderer& r, MessageLayer& messages, Options options, frmSplash* splash)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      ws_(ws),
      r_(r),
      messages_(messages),
      options_(std::move(options)),
      splash_(splash) {
    buildControls();
    ws_.ui = this;
}

Form1::~Form1() {
    if (ws_.ui == this) ws_.ui = &silentUi();
}

void Form1::progress(const QString& text) {
    if (splash_) splash_->Label1->setText(text);
    QApplication::processEvents();
}

void Form1::Form_Load() {
    // The work surfaces (TempPic 365 x 440 among them) are the renderer's,
    // made by InitGraphics below.
    const std::string appFolder = programFolder();
    HelpFile = appFolder + "/Aide/TESSALINE.hlp";

    BusyPointer busy;
    progress(QStringLiteral("Chargement des dépendances graphiques"));

    const std::string documents = programFile("MesVarodez");
    if (!QFileInfo(fromUtf8(documents)).isDir()) makeFolder(documents);
    ws_.Recent.LastDocFolder = documents + "/";

    LoadSettingsFile(ws_.Recent);
    applyRecentMenu();
    QApplication::processEvents();

    if (!options_.programPath.empty()) RegisterFileType(options_.programPath);
    InitGraphics(ws_, r_);

    progress(QStringLiteral("Initialisation des caractéristiques du blason"));
    // The part key colours and the line colour are the renderer's constants.
    FillPiecesList();
    progress(QStringLiteral("Affichage d'un blason"));

    Picture2->setToolTip(QStringLiteral("Classique"));
    for (std::size_t i = 0; i < kDropJokes.size(); ++i)
        DropJokes[i] = QString::fromUtf8(kDropJokes[i]);
    busy.release();

    NewDocument(ws_, r_);
    ws_.Modified = false;

    const std::string named = trimmedBlanks(options_.commandLine);
    if (!named.empty()) {
        BusyPointer opening;
        // A relative name is the starting folder's: the document keeps a full
        // path so its side files and later saves find their folder.
        const std::string path =
            QDir::current().absoluteFilePath(fromUtf8(named)).toUtf8().toStdString();
        const OpenOutcome outcome = OpenCommandLineDocument(ws_, r_, path, fileDialogs());
        opening.release();
        if (!outcome.message.empty())
            messages_.messageBox(fromUtf8(outcome.message.text), styleOf(outcome.message),
                                 fromUtf8(outcome.message.title));
        applyRecentMenu();
    }
    refreshTitle();

    redraw();
    // At the top of the screen (the resize handler keeps it there), centred across.
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center().x() - width() / 2, 0);
    show();
    Form_Resize();
    if (splash_) splash_->hide();

    SaveTinctureColours(ws_.Tinctures);
    paintTincturePalette();
}

void Form1::SetUndos() {
    PushUndo(ws_);
    ws_.Modified = true;
    refreshTitle();
}

void Form1::undoLast() {
    UndoLast(ws_);
    redraw();
    refreshTitle();
}

void Form1::ClearCharge(int n) {
    if (n < 1 || n > kChargeCount) return;
    ChargeRecord& c = ws_.CurrentBlazon.Charges[std::size_t(n)];
    c.InUse = 0;
    c.ImageIndex = 0;
    c.ImageName.clear();
    c.Class = 0;
    c.X = 0;
    c.Y = 0;
    c.Tincture = -1;
    c.Width = 0;
    c.Height = 0;
    c.Brochant = 0;
    r_.Charges.releaseCharge(n);
}

void Form1::FillPiecesList() {
    ListView2->move(ListView1->pos());
    ListView2->clear();
    for (std::size_t k = 1; k < kPieces.size(); ++k) {
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(pieceIconImage(int(k)))),
                                         QString::fromUtf8(kPieces[k].text), ListView2);
        item->setData(Qt::UserRole, kPieces[k].icon);
    }
}

void Form1::redraw() {
    applyRedraw(RedrawShield(ws_, r_));
}

void Form1::refreshTitle() {
    Label2->setText(fromUtf8(TitleText(ws_)));
    if (isMinimized()) setWindowTitle(Label2->text());
}

void Form1::paintTincturePalette() {
    EmPic->setPicture(tincturePaletteImage(ws_.Tinctures));
}

void Form1::applyRecentMenu() {
    const RecentMenu recent = recentMenu(ws_.Recent);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        QAction* entry = menus.mnuFileN[std::size_t(i)];
        entry->setText(fromUtf8(recent.captions[std::size_t(i)]));
        entry->setVisible(recent.visible[std::size_t(i)]);
    }
    menus.SEP16->setVisible(recent.separatorVisible);
}

bool Form1::Form_QueryUnload() {
    if (released_) return true;
    if (ws_.Modified) {
        const QString question =
            QStringLiteral("\rÊtes-vous sûr de vouloir quitter sans sauvegarder ") +
            fromUtf8(FileNameOfPath(ws_.CurrentBlazon.FilePath)) + QStringLiteral(" ?");
        if (!messages_.confirm(question, QStringLiteral("Tessaline"))) return false;
    }
    // Nothing is saved at exit.
    ReleaseResources(ws_, r_);
    released_ = true;
    if (splash_) splash_->CloseSplash();
    if (options_.endProgram)
        options_.endProgram();
    else
        QCoreApplication::quit();
    return true;
}

FileDialogs Form1::fileDialogs() {
    FileDialogs d;
    d.askYesNo = [this](const std::string& text, const std::string& title) {
        return messages_.messageBox(fromUtf8(text), kStyleYesNo + kStyleExclamation,
                                    fromUtf8(title)) == MessageAnswer::Yes;
    };
    d.confirm = [this](const std::string& text) { return messages_.confirm(fromUtf8(text)); };
    d.pickFile = [this](const std::string& title, const std::string& fileName) {
        const QString name = fromUtf8(fileName);
        return messages_
            .openFile(fromUtf8(title), fromUtf8(ws_.Recent.LastDocFolder),
                      name + QStringLiteral(" (") + name + QStringLiteral(")"))
            .toUtf8()
            .toStdString();
    };
    return d;
}

// ---- what the document operations ask of the window ----

void Form1::clearHeldCharge() {
    hideOverlay();
    ws_.SelectedCharge = 0;
}

void Form1::clearClipboard() {
    // Only a charge copied here (its number as text) is ours to forget.
    QClipboard* clipboard = QApplication::clipboard();
    bool number = false;
    clipboard->text().toInt(&number);
    if (number) clipboard->clear();
}

void Form1::clearImageBankList() {
    ListView1->clear();
    SelectedImageKey.clear();
}

void Form1::hideUserFurSwatch(int slot) {
    if (slot >= 0 && slot < 4) {
        UserPic[std::size_t(slot)]->hide();
        UserPic[std::size_t(slot)]->setPicture(QImage());
    }
}

void Form1::showMessage(const std::string& text, int style, const std::string& title) {
    messages_.messageBox(fromUtf8(text), style, fromUtf8(title));
}

void Form1::showWaitBox(const std::string& text) {
    messages_.showWait(fromUtf8(text));
}

void Form1::hideWaitBox() {
    messages_.hideWait();
}

}  // namespace tess
