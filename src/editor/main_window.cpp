#include "editor/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>

#include "actions/graphics_session.h"
#include "dialogs/blazon_language_dialog.h"
#include "dialogs/colour_adjustment_dialog.h"
#include "dialogs/dialog_host.h"
#include "dialogs/distribution_dialog.h"
#include "dialogs/fur_editor_dialog.h"
#include "dialogs/intro_window.h"
#include "dialogs/line_style_dialog.h"
#include "dialogs/message_layer.h"
#include "dialogs/picture_properties_dialog.h"
#include "dialogs/print_dialog.h"
#include "editor/alignment_strip.h"
#include "editor/blazon_panel.h"
#include "editor/canvas_input.h"
#include "editor/canvas_menus.h"
#include "editor/canvas_panel.h"
#include "editor/chooser_input.h"
#include "editor/clipboard_commands.h"
#include "editor/document_session.h"
#include "editor/file_commands_panel.h"
#include "editor/free_area.h"
#include "editor/fur_menu.h"
#include "editor/fur_palette_input.h"
#include "editor/held_charge_menu.h"
#include "editor/held_charge_tool.h"
#include "editor/held_charge_view.h"
#include "editor/list_tabs.h"
#include "editor/palettes.h"
#include "editor/picture_list_panel.h"
#include "editor/piece_options.h"
#include "editor/pieces_list_panel.h"
#include "editor/tincture_palette_input.h"
#include "editor/title_bar.h"
#include "editor/toolbar_input.h"
#include "editor/toolbar_panel.h"
#include "editor/window_layout.h"
#include "model/document.h"
#include "model/tincture_file.h"
#include "platform/paths.h"
#include "storage/file_type_registration.h"
#include "widgets/busy_pointer.h"
#include "widgets/help_opener.h"
#include "widgets/picture_box.h"
#include "widgets/utf8_text.h"

namespace tess {

MainWindow::MainWindow(DocumentSession& session, Options options, IntroWindow* intro)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      session_(session),
      options_(std::move(options)),
      intro_(intro),
      dialogs_(std::make_unique<DialogHost>(*this)) {
    setObjectName(QStringLiteral("mainWindow"));
    setFixedSize(layout::kWindow);
    QPalette p = palette();
    p.setColor(QPalette::Window, layout::kWindowColour);
    setPalette(p);
    setAutoFillBackground(true);
    setMouseTracking(true);
    help_ = std::make_unique<HelpOpener>(programFolder() + "/Aide", [this](const QString& text) {
        session_.messages().messageBox(text, kStyleExclamation, QStringLiteral("Aide"));
    });
    buildPanels();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildPanels() {
    // The panels' widgets, made in painting order: the title bar first, the
    // lists last.
    titleBar_ = new TitleBar(*this, session_);
    auto* toolbar = new ToolbarPanel(*this, session_);
    auto* canvas = new CanvasPanel(*this, session_);
    auto* tool = new HeldChargeTool(*new HeldChargeView(*canvas, session_), session_);
    new AlignmentStrip(*this, *tool, session_);
    new BlazonPanel(*this, session_);
    tincturePanel_ = new TincturePalettePanel(*this);
    auto* furs = new FurPalettePanel(*this, session_);
    auto* options = new PieceOptions(*this, session_);
    auto* pictures = new PictureListPanel(*this, session_, *dialogs_);
    piecesListPanel_ = new PiecesListPanel(*this, session_);
    new ListTabs(*this, *pictures->pictureList(), *piecesListPanel_->piecesList());
    addDialogs();

    // The handlers and the menus.
    const auto helpAt = [this](int topic) { showHelp(topic); };
    auto* clipboard = new ClipboardCommands(*tool, session_, this);
    new HeldChargeMenu(*this, *tool, *clipboard, *dialogs_, session_);
    auto* menus = new CanvasMenus(*this, *clipboard, *dialogs_, session_);
    new ChooserInput(*options, session_);
    new FurPaletteInput(*furs, *new FurMenu(*this, *furs, *dialogs_, session_, helpAt), session_);
    new TincturePaletteInput(*tincturePanel_, *dialogs_, session_);
    new ShiftZones(*options->shiftZones(), *options->firstOrderCaption(), session_);
    fileCommands_ =
        new FileCommands(session_.ws(), session_.r(), session_.messages(), *dialogs_, this,
                         {.showRedraw = [this](const RedrawResult& shown) { session_.show(shown); },
                          .documentReplaced = [pictures] { pictures->clearSelection(); },
                          // What the panels held of the old document goes with it.
                          .documentReset =
                              [tool, clipboard, pictures] {
                                  tool->end();
                                  clipboard->forgetCopy();
                                  pictures->clear();
                              },
                          .refreshTitle = [this] { session_.showTitle(); },
                          .documentDialogs = [this] { return session_.fileDialogs(); },
                          .help = helpAt,
                          .quit = [this] { close(); }});
    connect(&session_, &DocumentSession::redrawn, fileCommands_, &FileCommands::applyRedraw);
    new CanvasInput(*canvas, *tool, *menus, *clipboard, *fileCommands_, *help_, session_);
    new ToolbarInput(*toolbar, *tool, *fileCommands_, *help_, session_, *canvas->canvas());
    new FreeArea(*this, *fileCommands_, *tool, *canvas, *toolbar);
    // A double click in the picture list brings the picture up held, a held
    // charge put down first through the one commit path; a copy taken from a
    // picture that leaves the bank is forgotten.
    pictures->setBringUp([tool](const QString& path) { return tool->holdNewPicture(path); });
    pictures->setPictureLeftBank([clipboard](int slot) { clipboard->forgetCopyOf(slot); });
}

void MainWindow::addDialogs() {
    // Every dialog, hidden until asked; each "?" opens the help at its topic.
    const auto helpAt = [this](int topic) { showHelp(topic); };
    dialogs_->add<ChargeDistributionDialog>().onHelp = helpAt;
    dialogs_->add<PrintDialog>();
    PicturePropertiesDialog& properties = dialogs_->add<PicturePropertiesDialog>();
    properties.setMessageLayer(session_.messages());
    properties.onHelp = helpAt;
    dialogs_->add<ColourAdjustmentDialog>();
    dialogs_->add<FurEditorDialog>();
    // Made hidden with the others; nothing opens it, the blazon being always
    // written in French.
    dialogs_->add<BlazonLanguageDialog>();
    dialogs_->add<LineStyleDialog>().onHelp = helpAt;
}

void MainWindow::progress(const QString& text) {
    if (intro_) intro_->progressLabel->setText(text);
    QApplication::processEvents();
}

void MainWindow::load() {
    // The work surfaces are the renderer's, made by InitGraphics below.
    // A help folder that cannot be written costs only the help: the program
    // starts, and asking for help says where the trouble is.
    help_->install();

    BusyPointer busy;
    progress(QStringLiteral("Chargement des dépendances graphiques"));

    const std::string documents = programFile("MesVarodez");
    if (!QFileInfo(fromUtf8(documents)).isDir()) makeFolder(documents);
    session_.ws().Recent.LastDocFolder = documents + "/";

    fileCommands_->loadRecentDocuments();
    QApplication::processEvents();

    if (!options_.programPath.empty()) RegisterFileType(options_.programPath);
    InitGraphics(session_.ws(), session_.r());
    // Every dialog's own load runs now, hidden, so that its first opening
    // finds everything ready.
    dialogs_->loadAll();

    progress(QStringLiteral("Initialisation des caractéristiques du blason"));
    // The part key colours and the line colour are the renderer's constants.
    piecesListPanel_->FillPiecesList();
    progress(QStringLiteral("Affichage d'un blason"));
    busy.release();

    StartBlankDocument(session_.ws(), session_.r());

    fileCommands_->openCommandLine(options_.commandLine);
    // The redraw takes the title with it.
    session_.redraw();
    // At the top of the screen (the state handler keeps it there), centred across.
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center().x() - width() / 2, 0);
    show();
    windowStateChanged();
    if (intro_) intro_->hide();

    SaveTinctureColours(session_.ws().Tinctures);
    tincturePanel_->paint(session_.ws().Tinctures);
}

bool MainWindow::confirmQuit() {
    if (released_) return true;
    if (session_.ws().Modified) {
        const QString question =
            QStringLiteral("\rÊtes-vous sûr de vouloir quitter sans sauvegarder ") +
            fromUtf8(FileNameOfPath(session_.ws().CurrentBlazon.FilePath)) + QStringLiteral(" ?");
        if (!session_.messages().confirm(question, QStringLiteral("Tessaline"))) return false;
    }
    // Nothing is saved at exit.
    ReleaseResources(session_.ws(), session_.r());
    released_ = true;
    if (intro_) intro_->closeIntro();
    if (options_.endProgram)
        options_.endProgram();
    else
        QCoreApplication::quit();
    return true;
}

void MainWindow::showHelp(int topic) {
    help_->open(HelpContext(topic));
}

// ---- the window's own frame: its state, the free area, the quit ----

void MainWindow::windowStateChanged() {
    if (isMinimized()) {
        setWindowTitle(titleBar_->title());
    } else {
        move(x(), 0);
        setWindowTitle(QString());
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) windowStateChanged();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (confirmQuit())
        event->accept();
    else
        event->ignore();
}

}  // namespace tess
