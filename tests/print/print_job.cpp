// Prints the shield with the window's print command on the default printer,
// as the user would, and writes what the printed page must show to the file
// named by its argument: "WIDTH HEIGHT INKWIDTH INKHEIGHT" (the page's size
// and the size of its non-white box), and the page itself beside it as
// OUT.ppm. Run by real_print.sh.
//   print_job OUT                a two-colour field at the dialog's zoom
//   print_job OUT ZOOM bw        a plain D'Azur field, hatched, at ZOOM
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
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
#include "platform/qimage_bridge.h"
#include "render/renderer.h"
#include "tests/support/scripted_messages.h"
#include "tests/support/widget_events.h"

using namespace tess;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    const int zoom = argc > 2 ? std::atoi(argv[2]) : 0;
    const bool blackWhite = argc > 3 && std::string(argv[3]) == "bw";
    Workspace ws;
    Renderer r;
    InitGraphics(ws, r);
    ResetDocument(ws);
    if (!blackWhite) {
        ws.CurrentBlazon.Partition = 11;
        ws.CurrentBlazon.Parts[2].Tincture = 3;
    }
    RedrawShield(ws, r);

    ScriptedMessages messages;
    QWidget window;
    DialogHost dialogs(window);
    FileCommands commands(ws, r, messages, dialogs, &window, {});
    commands.printPicture();
    PrintDialog* dialog = &commands.pageDialog();
    // A long printer name is shortened in the title; its tooltip holds it whole.
    const QLabel* titleLabel = dialog->findChild<QLabel*>("titleLabel");
    const std::string title =
        (titleLabel->toolTip().isEmpty() ? titleLabel->text() : titleLabel->toolTip())
            .toStdString();
    // The zoom typed and the hatching chosen, as the user does.
    if (zoom > 0) {
        auto* zoomText = dialog->findChild<QLineEdit*>("zoomText");
        zoomText->selectAll();
        QTest::keyClicks(zoomText, QString::number(zoom));
    }
    if (blackWhite) click(dialog->findChild<QWidget*>("colourChoice"), QPointF(90, 10));
    if ((zoom > 0 && dialog->zoom() != zoom) || dialog->options().blackWhite != blackWhite) {
        std::fprintf(stderr, "the dialog did not take zoom %d%s\n", zoom,
                     blackWhite ? " in black and white" : "");
        return 1;
    }
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
    if (!toQImage(printed).save(QString::fromLocal8Bit(argv[1]) + ".ppm", "PPM")) return 1;
    std::ofstream(argv[1]) << printed.width() << ' ' << printed.height() << ' ' << right - left + 1
                           << ' ' << bottom - top + 1 << '\n';
    std::printf("%s\n", title.c_str());
    return 0;
}
