#pragma once

#include <functional>
#include <string>

#include <QImage>

#include "actions/user_fur_commands.h"
#include "dialogs/dialog_host.h"
#include "dialogs/fur_editor_widgets.h"
#include "model/tinctures.h"
#include "platform/surface.h"

class QLabel;
class QLineEdit;
class QScrollBar;
class QSlider;

namespace tess {

// What the editor starts from: the slot's fur (an empty path for a new fur),
// the tinctures the fur files are written with, and the folder the fur
// dialogs open in.
struct FurEditorSubject {
    std::string path;
    int tileWidth = 20;
    int tileHeight = 20;
    int rowShift = 25;
    TinctureTable tinctures{};
    std::string lastFolder;
};

// What the editor asks of the program: file dialogs (the chosen path, empty
// when cancelled), message boxes, the question box (true for "Oui"), the
// search for a missing tile bitmap (moves the file found to `path` and returns
// it, empty when declined), the help, and the storing of the fur on "Ok"
// (true: stored, the editor closes and hands the fur on).
struct FurEditorHooks {
    std::function<std::string(const QString& title, const QString& folder, const QString& filter)>
        openFile;
    std::function<std::string(const QString& title, const QString& folder, const QString& name,
                              const QString& filter)>
        saveFile;
    std::function<void(const QString& text, int style, const QString& title)> message;
    std::function<bool(const std::string& question)> confirm;
    std::function<std::string(const std::string& path)> locateMissing;
    std::function<void(int context)> help;
    std::function<bool(const FurDraft&)> store;
};

// "Fourrure personnalisée": the user draws a tile of 5 to 32 cells a side in
// the tinctures' factory colours, on a view enlarged five times, and sees it
// repeated with its row shift in the preview. Its toolbar makes a new tile,
// opens a fur file or takes a picture's corner as the tile, saves the fur
// files, and chooses between drawing and filling. "Ok" saves (asking for a
// name the first time) and hands the fur to `hooks.store`.
class FurEditorDialog : public ValueDialog<FurDraft> {
    Q_OBJECT
  public:
    // Nothing is kept from one opening to the next: each starts afresh.
    struct State {};

    explicit FurEditorDialog(QWidget* parent = nullptr);

    // The editor opens on a slot: a fresh white 20 x 20 tile for a new fur,
    // else the slot's sizes and shift and the tile from its bitmap (white when
    // the bitmap is missing).
    void open(const FurEditorSubject& subject, State& state, Done done);
    void start(const FurEditorSubject& subject);
    FurEditorHooks hooks;

    const Surface& tileSurface() const { return surface_; }
    int tileWidth() const;
    int tileHeight() const;
    int rowShift() const;
    FurTool tool() const { return tool_; }
    const std::string& furPath() const { return furPath_; }
    const std::string& lastFolder() const { return lastFolder_; }
    const QImage& previewPicture() const;

    // The enlarged tile and the tiled preview drawn again from the surface.
    void drawFurPreview();

  private:
    void pressCell(QPointF at, Qt::MouseButton button);
    void dragCell(QPointF at, Qt::MouseButtons buttons);
    void setRowShift(int shift);
    void rowShiftChanged(int value);
    void rowShiftTyped(const QString& text);
    void runToolbar(FurToolbarButton button);
    void newFur();
    void openFur();
    void saveFur();
    void setTool(FurTool tool);
    void commit();
    void showTitle();
    std::string chooseSavePath(const QString& presetName);
    bool writeFiles(const std::string& path);
    void takePicture(const Surface& picture);
    void showError(int number, const QString& text);

    Surface surface_;
    FurTool tool_ = FurTool::Draw;
    Colour leftColour_ = kBlack;
    Colour rightColour_ = kWhite;
    Colour paintColour_ = kBlack;
    std::string furPath_;
    std::string lastFolder_;
    TinctureTable tinctures_{};

    QLabel* title_ = nullptr;
    QLabel* sizeLabel_ = nullptr;
    QWidget* leftSwatch_ = nullptr;
    QWidget* rightSwatch_ = nullptr;
    FurPalette* palette_ = nullptr;
    FurPictureView* enlarged_ = nullptr;
    FurPictureView* preview_ = nullptr;
    FurToolbar* toolbar_ = nullptr;
    QSlider* widthSlider_ = nullptr;
    QSlider* heightSlider_ = nullptr;
    QScrollBar* rowShiftBar_ = nullptr;
    QLineEdit* rowShiftText_ = nullptr;
};

}  // namespace tess
