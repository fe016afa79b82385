// Prints the shield with the window's print command on the default printer,
// as the user would, and writes what the printed page must show to the file
// named by its argument: "WIDTH HEIGHT INKWIDTH INKHEIGHT" (the page's size
// and the size of its non-white box). Run by real_print.sh.
#include <cstdio>
#include <fstream>
#include <string>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "actions/graphics_session.h"
#include "actions/print_page.h"
#include "actions/redraw_shield.h"
#include "dialogs/dialog_host.h"
#include "editor/file_commands_panel.h"
#include "model/document.h"
#include "model/workspace.h"
#include "platform/page_text.h"
#include "render/renderer.h"
#include "tests/support/scripted_messages.h"

using namespace tess;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    Workspace ws;
    Renderer r;
    InitGraphics(ws, r);
    ResetDocument(ws);
    ws.CurrentBlazon.Partition = 11;
    ws.CurrentBlazon.Parts[2].Tincture = 3;
    RedrawShield(ws, r);

    ScriptedMessages messages;
    QWidget window;
    DialogHost dialogs(window);
    FileCommands commands(ws, r, messages, dialogs, &window, {});
    commands.printPicture();
    PrintDialog* dialog = &commands.pageDialog();
    const std::string title = dialog->findChild<QLabel*>("titleLabel")->text().toStdString();
    QTest::mouseClick(dialog->findChild<QPushButton*>("actionButton"), Qt::LeftButton);
    if (!messages.boxes.empty() || dialog->isVisible()) {
        std::fprintf(stderr, "print failed (%s): %s\n", title.c_str(),
                     messages.boxes.empty() ? "" : qPrintable(messages.boxes.back().text));
        return 1;
    }

    // The page the command printed, built again with the dialog's choices.
    const auto text = makePageText();
    const Surface printed = BuildPrintImage(ws, r, dialog->options(), *text).page;
    int left = printed.width(), top = printed.height(), right = -1, bottom = -1;
    for (int y = 0; y < printed.height(); ++y)
        for (int x = 0; x < printed.width(); ++x)
            if (printed.pixel(x, y) != kWhite) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    std::ofstream(argv[1]) << printed.width() << ' ' << printed.height() << ' ' << right - left + 1
                           << ' ' << bottom - top + 1 << '\n';
    std::printf("%s\n", title.c_str());
    return 0;
}
