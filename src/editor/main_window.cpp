#include "editor/main_window.h"
#include "widgets/utf8_text.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>

#include "actions/charge_edits.h"
#include "actions/charge_placing.h"
#include "actions/graphics_session.h"
#include "actions/held_charge.h"
#include "actions/opening.h"
#include "actions/redraw_shield.h"
#include "blazon/tincture_warnings.h"
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
#include "editor/document_dialogs.h"
#include "editor/file_commands_panel.h"
#include "editor/fur_menu.h"
#include "editor/fur_palette_input.h"
#include "editor/held_charge_menu.h"
#include "editor/held_charge_state.h"
#include "editor/held_charge_tool.h"
#include "editor/held_charge_view.h"
#include "editor/lists.h"
#include "editor/palettes.h"
#include "editor/piece_options.h"
#include "editor/tincture_palette_input.h"
#include "editor/title_bar.h"
#include "editor/toolbar_input.h"
#include "editor/toolbar_panel.h"
#include "editor/window_layout.h"
#include "model/document.h"
#include "model/tincture_file.h"
#include "model/title_text.h"
#include "model/workspace.h"
#include "platform/paths.h"
#include "platform/qimage_bridge.h"
#include "render/document_surfaces.h"
#include "render/renderer.h"
#include "storage/file_type_registration.h"
#include "storage/interrupted_save.h"
#include "storage/settings_file.h"
#include "widgets/busy_pointer.h"
#include "widgets/help_opener.h"
#include "widgets/picture_box.h"
#include "widgets/ui_pictures.h"

namespace tess {

namespace {

// What the workspace talks to once the window is gone.
WorkspaceUi& silentUi() {
    static WorkspaceUi ui;
    return ui;
}

std::string trimmedBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

MainWindow::MainWindow(Workspace& ws, Renderer& r, MessageLayer& messages, Options options,
                       IntroWindow* intro)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      ws_(ws),
      r_(r),
      messages_(messages),
      options_(std::move(options)),
      intro_(intro),
      dialogs_(std::make_unique<DialogHost>(*this)),
      context_{ws, r, messages,
               [this](const RedrawResult& shown) {
                   applyRedraw(shown);
                   refreshTitle();
               },
               [this] { refreshTitle(); }} {
    setObjectName(QStringLiteral("mainWindow"));
    setFixedSize(layout::kWindow);
    QPalette p = palette();
    p.setColor(QPalette::Window, layout::kWindowColour);
    setPalette(p);
    setAutoFillBackground(true);
    setMouseTracking(true);
    setWindowIcon(programIconImage());
    help_ = std::make_unique<HelpOpener>(programFolder() + "/Aide", [this](const QString& text) {
        messages_.messageBox(text, kStyleExclamation, QStringLiteral("Aide"));
    });
    const auto helpAt = [this](int topic) { showHelp(topic); };

    // Made in painting order: the title bar first, the lists last.
    titleBar_ = new TitleBar(*this);
    toolbarPanel_ = new ToolbarPanel(*this);
    canvasPanel_ = new CanvasPanel(*this);
    held_ = new HeldChargeState(this);
    auto* view = new HeldChargeView(*canvasPanel_, *held_, context_);
    heldChargeTool_ = new HeldChargeTool(*held_, *view, context_);
    auto* alignment = new AlignmentStrip(*this, *heldChargeTool_, context_);
    blazonPanel_ = new BlazonPanel(*this);
    tincturePanel_ = new TincturePalettePanel(*this);
    furPanel_ = new FurPalettePanel(*this);
    pieceOptions_ = new PieceOptions(*this);
    pictureListPanel_ = new PictureListPanel(*this);
    piecesListPanel_ = new PiecesListPanel(*this);
    new ListTabs(*this, *pictureListPanel_->pictureList(), *piecesListPanel_->piecesList());

    // Every dialog, hidden until asked; each "?" opens the help at its topic.
    dialogs_->add<ChargeDistributionDialog>().onHelp = helpAt;
    dialogs_->add<PrintDialog>();
    dialogs_->add<PicturePropertiesDialog>().onHelp = helpAt;
    dialogs_->add<ColourAdjustmentDialog>();
    dialogs_->add<FurEditorDialog>();
    // Made hidden with the others; nothing opens it, the blazon being always
    // written in French.
    dialogs_->add<BlazonLanguageDialog>();
    dialogs_->add<LineStyleDialog>().onHelp = helpAt;

    clipboard_ = new ClipboardCommands(*heldChargeTool_, context_, this);
    new HeldChargeMenu(*this, *heldChargeTool_, *clipboard_, *dialogs_, context_);
    canvasMenus_ = new CanvasMenus(*this, *clipboard_, *dialogs_, context_);
    toolbarInput_ = new ToolbarInput(*toolbarPanel_, context_, *canvasPanel_->canvas());
    toolbarPanel_->setInput(toolbarInput_);
    new ChooserInput(*pieceOptions_, context_);
    auto* furMenu = new FurMenu(*this, *furPanel_, *dialogs_, context_, helpAt);
    new FurPaletteInput(*furPanel_, *furMenu, context_);
    new TincturePaletteInput(*tincturePanel_, *dialogs_, context_);
    new ShiftZones(*pieceOptions_->shiftZones(), *pieceOptions_->firstOrderCaption(), context_);
    fileCommands_ =
        new FileCommands(ws_, r_, messages_, *dialogs_, this,
                         {.showRedraw = [this](const RedrawResult& shown) { applyRedraw(shown); },
                          .documentReplaced = [this] { pictureListPanel_->clearSelection(); },
                          .refreshTitle =
                              [this] {
                                  refreshTitle();
                                  fileCommands_->showRecentDocuments();
                              },
                          .documentDialogs = [this] { return fileDialogs(); },
                          .help = helpAt,
                          .quit = [this] { close(); }});
    pictureListPanel_->wire(context_, *dialogs_);
    piecesListPanel_->wire(context_);
    (void)alignment;
    connectPanels();
    ws_.ui = this;
}

MainWindow::~MainWindow() {
    if (ws_.ui == this) ws_.ui = &silentUi();
}

void MainWindow::connectPanels() {
    auto* canvasInput =
        new CanvasInput(*canvasPanel_, *heldChargeTool_, *canvasMenus_, *clipboard_, context_);
    // The Ctrl keys and the toolbar's file buttons run the file menu's own items.
    const auto item = [this](FileItem which) { return fileCommands_->item(which); };
    connect(canvasInput, &CanvasInput::newRequested, item(FileItem::New), &QAction::trigger);
    connect(canvasInput, &CanvasInput::openRequested, item(FileItem::Open), &QAction::trigger);
    connect(canvasInput, &CanvasInput::saveRequested, item(FileItem::Save), &QAction::trigger);
    connect(canvasInput, &CanvasInput::gridRequested, item(FileItem::Grid), &QAction::trigger);
    connect(canvasInput, &CanvasInput::quitRequested, this, [this] { close(); });
    // Ctrl+A asks for the last help topic again (the contents before any).
    connect(canvasInput, &CanvasInput::helpRequested, this, [this] { help_->repeatLast(); });
    ToolbarInput* toolbar = toolbarInput_;
    connect(toolbar, &ToolbarInput::newRequested, item(FileItem::New), &QAction::trigger);
    connect(toolbar, &ToolbarInput::openRequested, item(FileItem::Open), &QAction::trigger);
    connect(toolbar, &ToolbarInput::saveRequested, item(FileItem::Save), &QAction::trigger);
    connect(toolbar, &ToolbarInput::exportRequested, item(FileItem::Export), &QAction::trigger);
    connect(toolbar, &ToolbarInput::printRequested, item(FileItem::Print), &QAction::trigger);
    connect(toolbar, &ToolbarInput::undoRequested, this, [this] { undoLast(); });
    connect(toolbar, &ToolbarInput::helpRequested, this,
            [this] { showHelp(int(HelpContext::Contents)); });
    blazonPanel_->warningSign()->onClick = [this] {
        blazonPanel_->showWarnings(TinctureWarningsText(ws_));
    };
    // A double click in the picture list brings the picture up held; a held
    // charge is put down first through the one commit path.
    pictureListPanel_->setBringUp(
        [this](const QString& path) { return heldChargeTool_->holdNewPicture(path); });
    pictureListPanel_->setPictureLeftBank([this](int slot) { clipboard_->forgetCopyOf(slot); });
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
    ws_.Recent.LastDocFolder = documents + "/";

    LoadSettingsFile(ws_.Recent);
    // Saves the last run could not finish (a crash, a power cut) are settled
    // before the recent documents are offered; a journal that is not its
    // document's own is left alone and named.
    for (const std::string& recent : ws_.Recent.RecentFiles)
        if (settleDocumentFiles(recent) == InterruptedSave::Refused)
            messages_.show(refusedJournalMessage(recent));
    fileCommands_->showRecentDocuments();
    QApplication::processEvents();

    if (!options_.programPath.empty()) RegisterFileType(options_.programPath);
    InitGraphics(ws_, r_);
    // Every dialog's own load runs now, hidden, so that its first opening
    // finds everything ready.
    dialogs_->loadAll();

    progress(QStringLiteral("Initialisation des caractéristiques du blason"));
    // The part key colours and the line colour are the renderer's constants.
    piecesListPanel_->FillPiecesList();
    progress(QStringLiteral("Affichage d'un blason"));
    busy.release();

    NewDocument(ws_, r_);
    ws_.Modified = false;

    const std::string named = trimmedBlanks(options_.commandLine);
    if (!named.empty()) {
        BusyPointer opening;
        // A relative name is the starting folder's: the document keeps a full
        // path so its side files and later saves find their folder.
        const std::string path = absolutePath(named);
        const OpenOutcome outcome = OpenCommandLineDocument(ws_, r_, path, fileDialogs());
        opening.release();
        messages_.show(outcome.message);
        fileCommands_->showRecentDocuments();
    }
    refreshTitle();

    redraw();
    // At the top of the screen (the state handler keeps it there), centred across.
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center().x() - width() / 2, 0);
    show();
    windowStateChanged();
    if (intro_) intro_->hide();

    SaveTinctureColours(ws_.Tinctures);
    tincturePanel_->paint(ws_.Tinctures);
}

void MainWindow::SetUndos() {
    PushUndo(ws_);
    ws_.Modified = true;
    refreshTitle();
}

void MainWindow::undoLast() {
    // The held charge goes back as it was picked up before the undo, so the
    // overlay never holds a record the undo copy has put back on the shield.
    LetGoOfHeldCharge(ws_);
    heldChargeTool_->end();
    UndoLast(ws_);
    redraw();
    refreshTitle();
}

void MainWindow::redraw() {
    applyRedraw(RedrawShield(ws_, r_));
}

void MainWindow::applyRedraw(const RedrawResult& result) {
    canvasPanel_->showShield(toQImage(r_.canvas));
    fileCommands_->applyRedraw(result);
    canvasMenus_->applyRedraw(result);
    pieceOptions_->applyRedraw(result);
    toolbarPanel_->applyRedraw(result);
    blazonPanel_->applyRedraw(result);
    furPanel_->showUserFurSwatches(ws_.CurrentBlazon, r_);
    pictureListPanel_->sync();
}

void MainWindow::refreshTitle() {
    titleBar_->setTitle(fromUtf8(TitleText(ws_)));
    if (isMinimized()) setWindowTitle(titleBar_->title());
}

bool MainWindow::confirmQuit() {
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

FileDialogs MainWindow::fileDialogs() {
    return documentFileDialogs(messages_, ws_);
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

void MainWindow::mousePressEvent(QMouseEvent* event) {
    freeAreaPressed(event->button(), event->position());
}

void MainWindow::mouseMoveEvent(QMouseEvent*) {
    freeAreaMoved();
}

void MainWindow::freeAreaPressed(Qt::MouseButton button, QPointF at) {
    if (button == Qt::RightButton) {
        fileCommands_->popupFileMenu(mapToGlobal(at.toPoint()));
        return;
    }
    // A charge held in the overlay goes back on the shield with the overlay's
    // size and place; a new picture not yet placed is let go.
    if (held_->heldCharge() != 0)
        heldChargeTool_->commitHeld();
    else
        heldChargeTool_->end();
}

void MainWindow::freeAreaMoved() {
    toolbarPanel_->hideButtonFrame();
    canvasPanel_->clearHoverCaptions();
    heldChargeTool_->throwAwayIfOffCanvas();
}

void MainWindow::deleteHeldCharge() {
    heldChargeTool_->deleteHeld();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (confirmQuit())
        event->accept();
    else
        event->ignore();
}

// ---- what the document operations ask of the window ----

void MainWindow::clearHeldCharge() {
    heldChargeTool_->end();
}

void MainWindow::clearClipboard() {
    clipboard_->forgetCopy();
}

void MainWindow::clearImageBankList() {
    pictureListPanel_->clear();
}

void MainWindow::hideUserFurSwatch(int slot) {
    furPanel_->hideUserFurSwatch(slot);
}

void MainWindow::showMessage(const std::string& text, int style, const std::string& title) {
    messages_.messageBox(fromUtf8(text), style, fromUtf8(title));
}

void MainWindow::showWaitBox(const std::string& text) {
    messages_.showWait(fromUtf8(text));
}

void MainWindow::hideWaitBox() {
    messages_.hideWait();
}

}  // namespace tess
