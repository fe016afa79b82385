#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include <QApplication>
#include <QTimer>

#include "dialogs/message_layer.h"
#include "dialogs/qt_french_texts.h"
#include "editor/program.h"

namespace {

// Everything after the program's name is one document path, blanks and all.
std::string commandLineOf(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) line += ' ';
        line += argv[i];
    }
    return line;
}

std::string ownPath(const char* argv0) {
    const QString path = QCoreApplication::applicationFilePath();
    return path.isEmpty() ? std::string(argv0) : path.toUtf8().toStdString();
}

long long nowNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessaline"));
    tess::installQtFrenchTexts(app);

    tess::Program::Options options;
    options.commandLine = commandLineOf(argc, argv);
    options.programPath = ownPath(argv[0]);
    // A refused drive ends at once: no window closes, nothing is saved.
    options.endProcess = [] { std::_Exit(1); };
    options.endProgram = [] { QCoreApplication::quit(); };

    // Measuring aid: TESSALINE_STARTUP_REPORT=1 plays the intro without its
    // fixed pace, prints the wall-clock time at which the main window is on
    // screen (nanoseconds since the epoch) and quits.
    if (const char* report = std::getenv("TESSALINE_STARTUP_REPORT"); report && *report == '1') {
        options.frameIntervalMs = 0;
        options.mainWindowShown = [] {
            std::printf("main-window-shown-ns %lld\n", nowNanoseconds());
            std::fflush(stdout);
            QTimer::singleShot(0, [] { std::_Exit(0); });
        };
    }

    tess::Program program(std::move(options), std::make_unique<tess::WidgetMessages>());
    program.start();
    return app.exec();
}
