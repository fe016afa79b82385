#include "dialogs/fur_editor_dialog.h"
#include "widgets/utf8_text.h"

#include <cmath>

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>

#include "actions/file_commands.h"
#include "dialogs/message_style.h"
#include "platform/brush.h"
#include "platform/file_reading.h"
#include "platform/paths.h"
#include "platform/picture_file.h"
#include "platform/qimage_bridge.h"
#include "platform/rounding.h"
#include "storage/error_numbers.h"
#include "storage/fur_file.h"
#include "storage/user_fur_tile.h"
#include "widgets/title_drag.h"
#include "widgets/typed_number.h"

namespace tess {

namespace {

constexpr int kCellPixels = 5;
constexpr int kStartSide = 20;
constexpr int kStartShift = 25;
constexpr int kShiftStep = 5;
constexpr int kPreviewWidth = 84;
constexpr int kPreviewHeight = 110;
constexpr int kHelpContext = 6;
// The open dialog lists fur files only; a picture whose corner becomes the
// tile is still taken when its name is typed.
const QString kFurFilter = QStringLiteral("Fourrures (*.fmp)");
const QString kTitle = QStringLiteral("Fourrure personnalisée");

void setSwatch(QWidget* swatch, Colour c) {
    QPalette pal = swatch->palette();
    pal.setColor(QPalette::Window, QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int(c >> 16)));
    swatch->setPalette(pal);
}

void setTextColour(QLineEdit* edit, const QColor& c) {
    QPalette pal = edit->palette();
    pal.setColor(QPalette::Text, c);
    edit->setPalette(pal);
}

// A fresh tile surface: white, the size of the largest tile.
Surface whiteSurface() {
    Surface s(kLargestFurTile, kLargestFurTile, kWhite);
    s.clear();
    return s;
}

// The row shift as typed: read after every key, as it stands once the key is up.
class RowShiftEdit : public QLineEdit {
  public:
    RowShiftEdit(const QString& text, QWidget* parent, std::function<void(const QString&)> typed)
        : QLineEdit(text, parent), typed_(std::move(typed)) {}

  protected:
    void keyReleaseEvent(QKeyEvent* e) override {
        QLineEdit::keyReleaseEvent(e);
        typed_(text());
    }

  private:
    std::function<void(const QString&)> typed_;
};

QString unreadablePicture(const std::string& path) {
    return QStringLiteral(
               "Le fichier « %1 » n'est pas une image que Tessaline sait lire : "
               "choisissez une image bmp, gif ou jpg, ou une fourrure (.fmp).")
        .arg(fromUtf8(FileNameOfPath(path)));
}

// Why a picture chosen in the editor cannot be its tile, and the failure's
// number: a pipe or a device is no file, not a missing or unreadable one.
struct PictureRefusalBox {
    int number;
    QString text;
};
PictureRefusalBox pictureRefusalBox(PictureRefusal refusal, const std::string& path) {
    const std::string name = FileNameOfPath(path);
    if (refusal == PictureRefusal::NotAFile)
        return {kFileAccessError, fromUtf8(notAFileText(name))};
    if (refusal == PictureRefusal::LinkLoop)
        return {kFileAccessError, fromUtf8(linkLoopText(name))};
    if (refusal == PictureRefusal::Unreadable)
        return {kPermissionDeniedError, fromUtf8(permissionDeniedText(name))};
    if (refusal == PictureRefusal::Missing)
        return {kFileNotFoundError,
                QStringLiteral("Le fichier « %1 » est introuvable.").arg(fromUtf8(name))};
    return {kInvalidPictureError, unreadablePicture(path)};
}

bool endsWithFmp(const std::string& path) {
    return path.size() >= 3 && path.compare(path.size() - 3, 3, "fmp") == 0;
}

}  // namespace

FurEditorDialog::FurEditorDialog(QWidget* parent)
    : ValueDialog<FurDraft>(parent), surface_(whiteSurface()) {
    setObjectName(QStringLiteral("furEditorDialog"));
    // Like the other dialogs: no frame of its own, its title label moves it.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(kTitle);
    setFixedSize(372, 296);

    title_ = new QLabel(kTitle, this);
    title_->setObjectName(QStringLiteral("titleLabel"));
    title_->setGeometry(8, 4, 290, 18);
    title_->setTextFormat(Qt::PlainText);
    makeDialogTitle(*title_, *this);

    auto* help = new QPushButton(QStringLiteral("?"), this);
    help->setObjectName(QStringLiteral("helpButton"));
    help->setToolTip(QStringLiteral("Aide contextuelle"));
    help->setGeometry(348, 2, 20, 20);
    connect(help, &QPushButton::clicked, this, [this] {
        if (hooks.help) hooks.help(kHelpContext);
    });

    toolbar_ = new FurToolbar(this);
    toolbar_->move(8, 24);
    toolbar_->released = [this](FurToolbarButton b) { runToolbar(b); };

    palette_ = new FurPalette(this);
    palette_->move(8, 56);
    palette_->picked = [this](Colour c, Qt::MouseButton button) {
        if (button == Qt::LeftButton) {
            leftColour_ = c;
            setSwatch(leftSwatch_, c);
        } else {
            rightColour_ = c;
            setSwatch(rightSwatch_, c);
        }
    };
    leftSwatch_ = new QWidget(this);
    leftSwatch_->setObjectName(QStringLiteral("leftSwatch"));
    leftSwatch_->setGeometry(8, 192, 24, 16);
    leftSwatch_->setAutoFillBackground(true);
    rightSwatch_ = new QWidget(this);
    rightSwatch_->setObjectName(QStringLiteral("rightSwatch"));
    rightSwatch_->setGeometry(35, 192, 24, 16);
    rightSwatch_->setAutoFillBackground(true);

    enlarged_ = new FurPictureView(
        this, QSize(kLargestFurTile * kCellPixels, kLargestFurTile * kCellPixels));
    enlarged_->setObjectName(QStringLiteral("enlargedView"));
    enlarged_->move(68, 56);
    enlarged_->pressed = [this](QPointF at, Qt::MouseButton b) { pressCell(at, b); };
    enlarged_->dragged = [this](QPointF at, Qt::MouseButtons b) { dragCell(at, b); };

    heightSlider_ = new QSlider(Qt::Vertical, this);
    heightSlider_->setObjectName(QStringLiteral("heightSlider"));
    heightSlider_->setGeometry(232, 56, 18, 160);
    heightSlider_->setInvertedAppearance(true);
    widthSlider_ = new QSlider(Qt::Horizontal, this);
    widthSlider_->setObjectName(QStringLiteral("widthSlider"));
    widthSlider_->setGeometry(68, 220, 160, 18);
    for (QSlider* slider : {widthSlider_, heightSlider_}) {
        slider->setRange(kSmallestFurTile, kLargestFurTile);
        slider->setValue(kStartSide);
        // Both redraw on every move, so the preview follows a dragged slider.
        connect(slider, &QSlider::valueChanged, this, [this] { drawFurPreview(); });
    }
    sizeLabel_ = new QLabel(this);
    sizeLabel_->setObjectName(QStringLiteral("sizeLabel"));
    sizeLabel_->setGeometry(68, 240, 160, 18);
    sizeLabel_->setAlignment(Qt::AlignHCenter);

    auto* previewCaption = new QLabel(QStringLiteral("Aperçu"), this);
    previewCaption->setGeometry(262, 38, 84, 16);
    preview_ = new FurPictureView(this, QSize(kPreviewWidth, kPreviewHeight));
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->move(262, 56);

    auto* shiftCaption = new QLabel(QStringLiteral("Décalage vertical (%)"), this);
    // Right of the height slider, between the preview and the row-shift bar.
    shiftCaption->setGeometry(252, 172, 120, 16);
    rowShiftBar_ = new QScrollBar(Qt::Vertical, this);
    rowShiftBar_->setObjectName(QStringLiteral("rowShiftBar"));
    rowShiftBar_->setGeometry(266, 190, 16, 40);
    // The bar's top end is 100 and its upper arrow raises the shift by 5: it
    // runs over the negated shift, whose smallest value stands at the top.
    // One step past either end (-1 or 100) wraps round.
    rowShiftBar_->setRange(-(kLargestRowShift + 1), 1);
    rowShiftBar_->setSingleStep(kShiftStep);
    rowShiftBar_->setPageStep(kShiftStep);
    setRowShift(kStartShift);
    connect(rowShiftBar_, &QScrollBar::valueChanged, this, [this](int v) { rowShiftChanged(-v); });
    rowShiftText_ = new RowShiftEdit(QString::number(kStartShift), this,
                                     [this](const QString& t) { rowShiftTyped(t); });
    rowShiftText_->setObjectName(QStringLiteral("rowShiftText"));
    rowShiftText_->setGeometry(288, 200, 40, 20);

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(200, 264, 76, 24);
    auto* cancel = new QPushButton(QStringLiteral("Annuler"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(284, 264, 76, 24);
    connect(ok, &QPushButton::clicked, this, [this] { commit(); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });

    start(FurEditorSubject{});
}

int FurEditorDialog::tileWidth() const {
    return widthSlider_->value();
}
int FurEditorDialog::tileHeight() const {
    return heightSlider_->value();
}
int FurEditorDialog::rowShift() const {
    return -rowShiftBar_->value();
}
void FurEditorDialog::setRowShift(int shift) {
    rowShiftBar_->setValue(-shift);
}
const QImage& FurEditorDialog::previewPicture() const {
    return preview_->picture();
}

void FurEditorDialog::open(const FurEditorSubject& subject, State&, Done done) {
    start(subject);
    openFor(std::move(done));
}

void FurEditorDialog::start(const FurEditorSubject& subject) {
    tinctures_ = subject.tinctures;
    lastFolder_ = subject.lastFolder;
    setTool(FurTool::Draw);
    leftColour_ = kBlack;
    rightColour_ = kWhite;
    setSwatch(leftSwatch_, leftColour_);
    setSwatch(rightSwatch_, rightColour_);
    surface_ = whiteSurface();
    furPath_.clear();
    {
        const QSignalBlocker w(widthSlider_), h(heightSlider_), s(rowShiftBar_);
        widthSlider_->setValue(kStartSide);
        heightSlider_->setValue(kStartSide);
        setRowShift(kStartShift);
    }
    if (!subject.path.empty()) {
        furPath_ = subject.path;
        // A bitmap that is missing or no picture leaves the tile white.
        if (const auto bitmap = loadPicture(furBitmapFile(subject.path))) takePicture(*bitmap);
        const QSignalBlocker w(widthSlider_), h(heightSlider_), s(rowShiftBar_);
        widthSlider_->setValue(subject.tileWidth);
        heightSlider_->setValue(subject.tileHeight);
        setRowShift(std::clamp(subject.rowShift, 0, kLargestRowShift));
    }
    setTextColour(rowShiftText_, Qt::black);
    rowShiftText_->setText(QString::number(rowShift()));
    showTitle();
    drawFurPreview();
}

void FurEditorDialog::drawFurPreview() {
    const int w = tileWidth();
    const int h = tileHeight();
    sizeLabel_->setText(QStringLiteral("%1 x %2").arg(h).arg(w));
    Surface tile(w, h, kWhite);
    BitBlt(tile, 0, 0, w, h, surface_, 0, 0, RasterOp::Copy);
    preview_->setPicture(
        toQImage(tileUserFurOver(tile, rowShift(), kPreviewWidth, kPreviewHeight)));
    enlarged_->setPicture(toQImage(tile).scaled(w * kCellPixels, h * kCellPixels));
    enlarged_->setCursor(tool_ == FurTool::Draw ? Qt::CrossCursor : Qt::PointingHandCursor);
}

void FurEditorDialog::pressCell(QPointF at, Qt::MouseButton button) {
    // The press point is rounded to whole pixels first (halves to even), then
    // divided into cells.
    const int column = int(std::lrint(at.x())) / kCellPixels;
    const int row = int(std::lrint(at.y())) / kCellPixels;
    if (column < 0 || column >= tileWidth() || row < 0 || row >= tileHeight()) return;
    paintColour_ = button == Qt::LeftButton ? leftColour_ : rightColour_;
    if (tool_ == FurTool::Draw) {
        surface_.setPixel(column, row, paintColour_);
    } else {
        // The fill is not held to the tile: it runs over every connected
        // pixel of that colour on the surface, which shows when the tile grows.
        if (surface_.pixel(column, row) == paintColour_) return;
        surface_.floodSurface(column, row, Brush::solid(paintColour_));
    }
    drawFurPreview();
}

void FurEditorDialog::dragCell(QPointF at, Qt::MouseButtons buttons) {
    if (tool_ != FurTool::Draw || buttons == Qt::NoButton) return;
    const int column = int(std::lrint(at.x())) / kCellPixels;
    const int row = int(std::lrint(at.y())) / kCellPixels;
    if (column < 0 || column >= tileWidth() || row < 0 || row >= tileHeight()) return;
    // The colour of the press, whatever button is held now.
    if (surface_.pixel(column, row) == paintColour_) return;
    surface_.setPixel(column, row, paintColour_);
    drawFurPreview();
}

void FurEditorDialog::rowShiftChanged(int value) {
    // Past either end the shift wraps round; each wrap comes back through here.
    if (value < 0) {
        setRowShift(kLargestRowShift + 1 - kShiftStep);
        return;
    }
    if (value > kLargestRowShift) {
        setRowShift(0);
        return;
    }
    setTextColour(rowShiftText_, Qt::black);
    rowShiftText_->setText(QString::number(value));
    drawFurPreview();
}

// A number in 0..99 (by the user's number format, read with "." as the
// decimal point) turns black and sets the bar, rounded half to even; one
// outside, judged as typed (-0.4 and 99.5 are out), turns red; anything else
// changes nothing.
void FurEditorDialog::rowShiftTyped(const QString& text) {
    const std::optional<double> v = typedNumber(text, rowShiftText_->locale());
    if (!v) return;
    if (*v < 0 || *v > kLargestRowShift) {
        setTextColour(rowShiftText_, Qt::red);
        return;
    }
    setTextColour(rowShiftText_, Qt::black);
    setRowShift(CInt(*v));
}

void FurEditorDialog::runToolbar(FurToolbarButton button) {
    switch (button) {
        case FurToolbarButton::New:
            newFur();
            break;
        case FurToolbarButton::Open:
            openFur();
            break;
        case FurToolbarButton::Save:
            saveFur();
            break;
        case FurToolbarButton::Draw:
            setTool(FurTool::Draw);
            break;
        case FurToolbarButton::Fill:
            setTool(FurTool::Fill);
            break;
    }
}

void FurEditorDialog::setTool(FurTool tool) {
    tool_ = tool;
    toolbar_->setTool(tool);
    enlarged_->setCursor(tool_ == FurTool::Draw ? Qt::CrossCursor : Qt::PointingHandCursor);
}

void FurEditorDialog::newFur() {
    surface_ = whiteSurface();
    furPath_.clear();
    {
        const QSignalBlocker w(widthSlider_), h(heightSlider_), s(rowShiftBar_);
        widthSlider_->setValue(kStartSide);
        heightSlider_->setValue(kStartSide);
        setRowShift(0);
    }
    setTextColour(rowShiftText_, Qt::black);
    rowShiftText_->setText(QStringLiteral("0"));
    showTitle();
    drawFurPreview();
}

void FurEditorDialog::openFur() {
    if (!hooks.openFile) return;
    const std::string path = hooks.openFile(QStringLiteral("Ouvrir une image ou une fourrure"),
                                            fromUtf8(lastFolder_), kFurFilter);
    if (path.empty()) return;
    lastFolder_ = FolderOfPath(path);

    if (!endsWithFmp(path)) {
        // Any other file is a picture whose top-left corner becomes the tile.
        const PictureRead picture = readPicture(path);
        if (!picture.picture) {
            const PictureRefusalBox box = pictureRefusalBox(picture.refusal, path);
            showError(box.number, box.text);
            return;
        }
        takePicture(*picture.picture);
        const QSignalBlocker w(widthSlider_), h(heightSlider_);
        widthSlider_->setValue(kStartSide);
        heightSlider_->setValue(kStartSide);
        drawFurPreview();
        return;
    }

    const FurFileOpening opening = OpenFurFileHeader(path);
    if (!opening.header) {
        showError(opening.errorNumber, fromUtf8(opening.error));
        return;
    }
    {
        const QSignalBlocker w(widthSlider_), h(heightSlider_), s(rowShiftBar_);
        heightSlider_->setValue(opening.header->TileHeight);
        widthSlider_->setValue(opening.header->TileWidth);
        setRowShift(opening.header->RowShift);
    }
    setTextColour(rowShiftText_, Qt::black);
    rowShiftText_->setText(QString::number(rowShift()));
    furPath_ = path;
    showTitle();
    std::string bitmapPath = furBitmapFile(path);
    // Only a bitmap that is not there is looked for; a pipe or a device in
    // its place is refused as it is opened.
    if (fileKind(bitmapPath) == FileKind::Missing) {
        bitmapPath = hooks.locateMissing ? hooks.locateMissing(bitmapPath) : std::string();
        if (bitmapPath.empty()) {
            drawFurPreview();
            return;
        }
    }
    const PictureRead bitmap = readPicture(bitmapPath);
    if (!bitmap.picture) {
        const PictureRefusalBox box = pictureRefusalBox(bitmap.refusal, bitmapPath);
        showError(box.number, box.text);
        drawFurPreview();
        return;
    }
    takePicture(*bitmap.picture);
    drawFurPreview();
}

// The save dialog, then the name the fur is written under: with ".fmp" added
// when it was typed without, after asking before that name replaces a file
// the dialog did not ask about. Empty when cancelled or answered "Non".
std::string FurEditorDialog::chooseSavePath(const QString& presetName) {
    if (!hooks.saveFile) return {};
    const std::string typed = hooks.saveFile(QStringLiteral("Sauvegarder la fourrure"),
                                             fromUtf8(lastFolder_), presetName, kFurFilter);
    if (typed.empty()) return {};
    lastFolder_ = FolderOfPath(typed);
    const std::string path = withFurExtension(typed);
    return mayReplaceUnderExtension(typed, path, hooks.confirm) ? path : std::string();
}

// The path and the title follow the files only once both are written: a
// failed save leaves the editor on the fur it had, and names no file that
// was never written.
void FurEditorDialog::saveFur() {
    const std::string path = chooseSavePath(fromUtf8(FileNameOfPath(furPath_)));
    if (path.empty() || !writeFiles(path)) return;
    furPath_ = path;
    showTitle();
}

bool FurEditorDialog::writeFiles(const std::string& path) {
    int number = 0;
    const std::string error =
        SaveFurFiles(path, surface_, tileWidth(), tileHeight(), rowShift(), tinctures_, &number);
    if (error.empty()) return true;
    showError(number,
              QStringLiteral("La fourrure n'a pas pu être enregistrée : ") + fromUtf8(error) +
                  QStringLiteral("\nChoisissez un autre dossier ou libérez de la place, puis "
                                 "sauvegardez de nouveau."));
    return false;
}

void FurEditorDialog::commit() {
    // A new fur is named first; the name is its own only once it is stored.
    const std::string path = furPath_.empty() ? chooseSavePath(QString()) : furPath_;
    if (path.empty()) return;
    const FurDraft draft{path, surface_, tileWidth(), tileHeight(), rowShift()};
    if (!hooks.store || !hooks.store(draft)) return;
    furPath_ = path;
    finish(draft);
}

void FurEditorDialog::showTitle() {
    title_->setText(furPath_.empty()
                        ? kTitle
                        : kTitle + QStringLiteral(" [") + fromUtf8(FileNameOfPath(furPath_)) +
                              QStringLiteral("]"));
}

void FurEditorDialog::takePicture(const Surface& picture) {
    surface_ = whiteSurface();
    BitBlt(surface_, 0, 0, kLargestFurTile, kLargestFurTile, picture, 0, 0, RasterOp::Copy);
}

// Titled with the failure's number, as every failure box of the program is.
void FurEditorDialog::showError(int number, const QString& text) {
    if (hooks.message)
        hooks.message(text, kStyleCritical, QStringLiteral("Erreur #") + QString::number(number));
}

}  // namespace tess
