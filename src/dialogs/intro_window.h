#pragma once

#include <array>
#include <functional>

#include <QImage>
#include <QTimer>
#include <QWidget>

#include "dialogs/start_drive.h"

class QLabel;

namespace tess {

class MessageLayer;

// The window the program starts with: ten intro frames one every 45 ms, then
// its labels, the start-drive check and the loading of the main window. It
// stays loaded and hidden afterwards, its timer stopped for good.
class IntroWindow : public QWidget {
    Q_OBJECT
  public:
    struct Options {
        // The frames' pace; the start-up time is measured with 0.
        int frameIntervalMs = 45;
        // The drive answer for the program folder (the system's by default).
        DriveProbe probe;
        std::string programFolder;
        // Loads and shows the main window; it hides this window itself.
        std::function<void()> loadMainWindow;
        // Ends the process after a refused drive. Nothing may run afterwards.
        std::function<void()> endProcess;
    };

    IntroWindow(MessageLayer& messages, Options options, QWidget* parent = nullptr);

    // Prepares the frames, shows the window and starts the timer.
    void load();
    // One tick: the next frame, or on the eleventh the check and the load.
    void nextFrame();
    void closeIntro();

    int FrameCounter() const { return frameCounter_; }
    bool timerRunning() const { return frameTimer_.isActive(); }

    QLabel* progressLabel = nullptr;  // progress line
    QLabel* creditsLabel = nullptr;   // credits
    QLabel* versionLabel = nullptr;   // version mark

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    MessageLayer& messages_;
    Options options_;
    QTimer frameTimer_;
    std::array<QImage, 11> frames_;  // 1..10
    int frameCounter_ = 0;
    int shownFrame_ = 0;
};

}  // namespace tess
