// Prints the shield through the print dialog on the default printer, as the
// user would, and writes what the printed page must show to the file named
// by its argument: "JOBNAME WIDTH HEIGHT INKWIDTH INKHEIGHT" (the page's
// size and the size of its non-white box). Run by real_print.sh.
#include <cstdio>
#include <fstream>
#include <string>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "actions/print_page.h"
#include "dialogs/print_dialog.h"
#include "model/document.h"
#include "model/workspace.h"
#include "platform/page_text.h"
#include "platform/printer.h"
#include "render/redraw_shield.h"
#include "render/renderer.h"
#include "tests/editor/scripted_messages.h"

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

    const std::string printer = defaultPrinterName();
    if (printer.empty()) {
        std::fprintf(stderr, "no default printer\n");
        return 1;
    }
    const std::string job = "tessaline-print-" + std::to_string(QCoreApplication::applicationPid());
    const auto text = makePageText();
    Surface printed;
    PageOutcome outcome;
    ScriptedMessages messages;
    PrintDialogMemory memory;
    PrintDialog dialog({.command = PageCommand::Print,
                        .canvas = r.Picture1,
                        .shapeMask = r.shapeMask(),
                        .printerName = printer},
                       memory, messages, {.act = [&](const PageOptions& options) {
                           outcome = PrintPicture(ws, r, options, printer, *text,
                                                  [&](const Surface& page) {
                                                      printed = page;
                                                      return printPageImage(page, job);
                                                  });
                           return outcome.done;
                       }});
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("actionButton"), Qt::LeftButton);
    if (!outcome.done) {
        std::fprintf(stderr, "print failed: %s %s\n", outcome.message.title.c_str(),
                     outcome.message.text.c_str());
        return 1;
    }
    int left = printed.width(), top = printed.height(), right = -1, bottom = -1;
    for (int y = 0; y < printed.height(); ++y)
        for (int x = 0; x < printed.width(); ++x)
            if (printed.pixel(x, y) != kWhite) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    std::ofstream(argv[1]) << job << ' ' << printed.width() << ' ' << printed.height() << ' '
                           << right - left + 1 << ' ' << bottom - top + 1 << '\n';
    std::printf("printed %s on %s\n", job.c_str(), printer.c_str());
    return 0;
}
