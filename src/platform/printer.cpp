#include "platform/printer.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/qimage_bridge.h"

namespace tess {

namespace {

// The resolution the page's pixels are laid out for.
constexpr int kScreenDotsPerInch = 96;

}  // namespace

std::string defaultPrinterName() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) return {};
    return printer.printerName().toStdString();
}

std::string printPageImage(const Surface& page, const std::string& jobName) {
    if (page.empty()) return "La page à imprimer est vide.";
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return "Aucune imprimante n'est installée.";
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(jobName));
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer))
        return "L'imprimante « " + info.printerName().toStdString() +
               " » refuse le travail. Vérifiez qu'elle est prête, puis recommencez.";
    const double scale = double(printer.resolution()) / double(kScreenDotsPerInch);
    const QImage image = toQImage(page);
    painter.drawImage(QRectF(0, 0, page.width() * scale, page.height() * scale), image);
    if (!painter.end())
        return "L'impression sur « " + info.printerName().toStdString() +
               " » n'a pas pu s'achever. Vérifiez l'imprimante, puis recommencez.";
    return {};
}

}  // namespace tess
