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

#include "actions/apply_edit.h"
#include "actions/charge_edits.h"
#include "actions/charge_placing.h"
#include "actions/file_commands.h"
#include "actions/graphics_session.h"
#include "actions/held_charge.h"
#include "actions/opening.h"
#include "actions/redraw_shield.h"
#include "blazon/tincture_warnings.h"
#include "dialogs/dialog_host.h"
#include "dialogs/distribution_dialog.h"
#include "dialogs/line_style_dialog.h"
#include "dialogs/picture_properties_dialog.h"
#include "dialogs/intro_window.h"
#include "dialogs/message_layer.h"
#include "editor/alignment_strip.h"
#include "editor/blazon_panel.h"
#include "editor/canvas_input.h"
#include "editor/canvas_panel.h"
#include "editor/charge_arrangement_command.h"
#include "editor/charge_overlay.h"
#include "editor/chooser_input.h"
#include "editor/file_commands_panel.h"
#include "editor/fur_and_colour_menus.h"
#include "editor/fur_palette_input.h"
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

    // Made in painting order: the title bar first, the lists last.
    titleBar = new TitleBar(*this);
    toolbarPanel = new ToolbarPanel(*this);
    canvasPanel = new CanvasPanel(*this);
    overlay = new ChargeOverlay(*this, *canvasPanel, context_);
    blazonPanel = new BlazonPanel(*this);
    tincturePanel = new TincturePalettePanel(*this);
    furPanel = new FurPalettePanel(*this);
    pieceOptions = new PieceOptions(*this);
    pictureListPanel = new PictureListPanel(*this);
    piecesListPanel = new PiecesListPanel(*this);
    listTabs = new ListTabs(*this, *pictureListPanel->pictureList, *piecesListPanel->piecesList);
    menus = buildEditorMenus(this);
    toolbarPanel->input = new ToolbarInput(*toolbarPanel, context_, *canvasPanel->canvas);
    chooserInput = new ChooserInput(*pieceOptions, context_);
    furInput = new FurPaletteInput(*furPanel, menus, context_);
    blazonPanel->warningSign->onClick = [this] {
        blazonPanel->showWarnings(TinctureWarningsText(ws_));
    };
    help = std::make_unique<HelpOpener>(programFolder() + "/Aide", [this](const QString& text) {
        messages_.messageBox(text, kStyleExclamation, QStringLiteral("Aide"));
    });
    canvasInput = new CanvasInput(*canvasPanel, *overlay, menus, context_);
    canvasInput->quit = [this] { close(); };
    // Ctrl+A asks for the last help topic again (the contents before any).
    canvasInput->help = [this] { help->repeatLast(); };
    // Letting go of the held charge after a move or a resize: the captions
    // show the pointer's place and what lies under it again, not the
    // overlay's centre and size.
    overlay->hoverAfterRelease = [this](QPoint at) { canvasInput->hover(at.x(), at.y()); };
    tinctureInput = new TincturePaletteInput(*tincturePanel->tincturePalette, menus, context_);
    alignment = new AlignmentStrip(*static_cast<PictureBox*>(overlay->alignmentStrip), *overlay,
                                   context_);
    shiftZones =
        new ShiftZones(*pieceOptions->shiftZones, *pieceOptions->firstOrderCaption, context_);
    dialogs_->add<ChargeDistributionDialog>();
    dialogs_->add<PrintDialog>();
    fileCommands = new FileCommands(
        ws_, r_, messages_, *dialogs_, this,
        {.showRedraw = [this](const RedrawResult& shown) { applyRedraw(shown); },
         .documentReplaced = [this] { pictureListPanel->clearSelection(); },
         // What the windows held of the old document goes with it.
         .documentReset =
             [this] {
                 overlay->end();
                 overlay->forgetCopy();
                 pictureListPanel->clear();
             },
         .refreshTitle =
             [this] {
                 refreshTitle();
                 applyRecentMenu();
             },
         .documentDialogs = [this] { return fileDialogs(); },
         .help = [this](int topic) { showHelp(topic); }});
    connectMenus();
    pictureListPanel->wire(context_, menus, *dialogs_);
    // A double click brings the picture up held; a held charge is put down
    // first through the overlay's one commit path.
    pictureListPanel->bringUp = [this](const QString& path) {
        return overlay->holdNewPicture(path);
    };
    pictureListPanel->pictureLeftBank = [this](int slot) { overlay->forgetCopyOf(slot); };
    piecesListPanel->wire(context_, menus, *dialogs_);
    furAndColourMenus = new FurAndColourMenus(*this);
    furAndColourMenus->help = [this](int topic) { showHelp(topic); };
    // Every dialog's "?" opens the one help page at its own topic.
    const auto helpAt = [this](int topic) { showHelp(topic); };
    dialogs_->get<ChargeDistributionDialog>().onHelp = helpAt;
    dialogs_->get<LineStyleDialog>().onHelp = helpAt;
    dialogs_->get<PicturePropertiesDialog>().onHelp = helpAt;
    ws_.ui = this;
}

MainWindow::~MainWindow() {
    if (ws_.ui == this) ws_.ui = &silentUi();
}

void MainWindow::connectMenus() {
    connect(menus.quitAction, &QAction::triggered, this, [this] { close(); });
    FileCommands* files = fileCommands;
    connect(menus.newAction, &QAction::triggered, files, &FileCommands::newDocument);
    connect(menus.openAction, &QAction::triggered, files, &FileCommands::openDocument);
    connect(menus.saveAction, &QAction::triggered, files, &FileCommands::saveDocument);
    connect(menus.saveAsAction, &QAction::triggered, files, &FileCommands::saveDocumentAs);
    connect(menus.exportAction, &QAction::triggered, files, &FileCommands::exportPicture);
    connect(menus.printAction, &QAction::triggered, files, &FileCommands::printPicture);
    connect(menus.gridAction, &QAction::triggered, files, &FileCommands::toggleGrid);
    for (int n = 1; n <= kRecentFileCount; ++n)
        connect(menus.recentFileActions[std::size_t(n)], &QAction::triggered, files,
                [files, n] { files->openRecent(n); });
    // The toolbar's file buttons run the file menu's own commands.
    ToolbarInput* toolbar = toolbarPanel->input;
    connect(toolbar, &ToolbarInput::newRequested, menus.newAction, &QAction::trigger);
    connect(toolbar, &ToolbarInput::openRequested, menus.openAction, &QAction::trigger);
    connect(toolbar, &ToolbarInput::saveRequested, menus.saveAction, &QAction::trigger);
    connect(toolbar, &ToolbarInput::exportRequested, menus.exportAction, &QAction::trigger);
    connect(toolbar, &ToolbarInput::printRequested, menus.printAction, &QAction::trigger);
    connect(toolbar, &ToolbarInput::undoRequested, this, [this] { undoLast(); });
    connect(toolbar, &ToolbarInput::helpRequested, this,
            [this] { showHelp(int(HelpContext::Contents)); });
    overlay->connectMenus(menus);
    connect(menus.makeGroupAction, &QAction::triggered, this,
            [this] { arrangeHeldCharge(context_, *dialogs_, *overlay); });
    // Not offered for a charge whose picture has left the bank.
    connect(menus.heldChargeMenu, &QMenu::aboutToShow, this,
            [this] { menus.makeGroupAction->setEnabled(canArrangeHeldCharge(context_)); });
}

void MainWindow::progress(const QString& text) {
    if (intro_) intro_->progressLabel->setText(text);
    QApplication::processEvents();
}

void MainWindow::load() {
    // The work surfaces are the renderer's, made by InitGraphics below.
    const std::string appFolder = programFolder();
    HelpFile = appFolder + "/Aide/tessaline.html";
    // A help folder that cannot be written costs only the help: the program
    // starts, and asking for help says where the trouble is.
    help->install();

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
    applyRecentMenu();
    QApplication::processEvents();

    if (!options_.programPath.empty()) RegisterFileType(options_.programPath);
    InitGraphics(ws_, r_);
    // Every dialog's own load runs now, hidden, so that its first opening
    // finds everything ready.
    dialogs_->loadAll();

    progress(QStringLiteral("Initialisation des caractéristiques du blason"));
    // The part key colours and the line colour are the renderer's constants.
    piecesListPanel->FillPiecesList();
    progress(QStringLiteral("Affichage d'un blason"));
    busy.release();

    StartBlankDocument(ws_, r_);

    const std::string named = trimmedBlanks(options_.commandLine);
    if (!named.empty()) {
        BusyPointer opening;
        // A relative name is the starting folder's: the document keeps a full
        // path so its side files and later saves find their folder.
        const std::string path = absolutePath(named);
        const OpenOutcome outcome = OpenCommandLineDocument(ws_, r_, path, fileDialogs());
        opening.release();
        messages_.show(outcome.message);
        applyRecentMenu();
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
    tincturePanel->paint(ws_.Tinctures);
}

void MainWindow::undoLast() {
    // The held charge goes back as it was picked up before the undo, so the
    // overlay never holds a record the undo copy has put back on the shield.
    overlay->end();
    context_.show(UndoLastEdit(ws_, r_));
}

void MainWindow::redraw() {
    applyRedraw(RedrawShield(ws_, r_));
}

void MainWindow::applyRedraw(const RedrawResult& result) {
    canvasPanel->showShield(toQImage(r_.canvas));
    menus.applyRedraw(result);
    pieceOptions->applyRedraw(result);
    toolbarPanel->applyRedraw(result);
    blazonPanel->applyRedraw(result);
    furPanel->showUserFurSwatches(ws_.CurrentBlazon, r_);
    pictureListPanel->sync();
}

void MainWindow::refreshTitle() {
    titleBar->setTitle(fromUtf8(TitleText(ws_)));
    if (isMinimized()) setWindowTitle(titleBar->title());
}

void MainWindow::applyRecentMenu() {
    const RecentMenu recent = recentMenu(ws_.Recent);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        QAction* entry = menus.recentFileActions[std::size_t(i)];
        entry->setText(fromUtf8(recent.captions[std::size_t(i)]));
        entry->setVisible(recent.visible[std::size_t(i)]);
    }
    menus.recentSeparator->setVisible(recent.separatorVisible);
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
    help->open(HelpContext(topic));
}

FileDialogs MainWindow::fileDialogs() {
    FileDialogs d;
    d.askYesNo = [this](const std::string& text, const std::string& title) {
        return messages_.messageBox(fromUtf8(text), kStyleYesNo + kStyleExclamation,
                                    fromUtf8(title)) == MessageAnswer::Yes;
    };
    d.confirm = [this](const std::string& text) { return messages_.confirm(fromUtf8(text)); };
    // File names and folders are the system's bytes: decoded for the dialog,
    // its answer encoded back, never round-tripped through UTF-8 text. The
    // dialog starts with the missing file's name in its name box: a start
    // that names a file selects it.
    d.pickFile = [this](const std::string& title, const std::string& fileName) {
        const QString name = QFile::decodeName(QByteArray::fromStdString(fileName));
        const QString folder =
            QFile::decodeName(QByteArray::fromStdString(ws_.Recent.LastDocFolder));
        return QFile::encodeName(
                   messages_.openFile(fromUtf8(title),
                                      folder.isEmpty() ? name : QDir(folder).filePath(name),
                                      name + QStringLiteral(" (") + name + QStringLiteral(")")))
            .toStdString();
    };
    return d;
}

// ---- the window's own frame: its state, the free area, the quit ----

void MainWindow::windowStateChanged() {
    if (isMinimized()) {
        setWindowTitle(titleBar->title());
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
        QAction* preferred =
            ws_.CurrentBlazon.FilePath.empty() ? menus.openAction : menus.saveAction;
        messages_.popup(*menus.fileMenu, mapToGlobal(at.toPoint()), preferred);
        return;
    }
    // A charge held in the overlay goes back on the shield with the overlay's
    // size and place; a new picture not yet placed is let go.
    if (overlay->heldCharge() != 0)
        overlay->commitHeld();
    else
        overlay->end();
}

void MainWindow::freeAreaMoved() {
    toolbarPanel->hideButtonFrame();
    canvasPanel->clearHoverCaptions();
    overlay->throwAwayIfOffCanvas();
}

void MainWindow::deleteHeldCharge() {
    overlay->deleteHeld();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (confirmQuit())
        event->accept();
    else
        event->ignore();
}

// ---- what the document operations ask of the window ----

void MainWindow::showWaitBox(const std::string& text) {
    messages_.showWait(fromUtf8(text));
}

void MainWindow::hideWaitBox() {
    messages_.hideWait();
}

}  // namespace tess
