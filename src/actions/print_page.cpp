#include "actions/print_page.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <vector>

#include "actions/redraw_shield.h"
#include "blazon/wrap_blazon_text.h"
#include "model/canvas_size.h"
#include "model/workspace.h"
#include "platform/picture_file.h"
#include "platform/rounding.h"
#include "render/renderer.h"
#include "storage/error_numbers.h"

namespace tess {

namespace {

float scaledSide(int side, int zoom) {
    return float(side) / 100.0f * float(zoom);
}

// The grid off and the hatching as chosen while the page is drawn; both come
// back however the build ends.
class PageDrawingFlags {
  public:
    PageDrawingFlags(Workspace& ws, bool blackWhite) : ws_(ws), grid_(ws.GridVisible) {
        ws_.GridVisible = false;
        ws_.PrintBlackWhite = blackWhite;
    }
    ~PageDrawingFlags() {
        ws_.GridVisible = grid_;
        ws_.PrintBlackWhite = false;
    }
    PageDrawingFlags(const PageDrawingFlags&) = delete;
    PageDrawingFlags& operator=(const PageDrawingFlags&) = delete;

  private:
    Workspace& ws_;
    bool grid_;
};

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", from);
        lines.push_back(text.substr(from, end == std::string::npos ? end : end - from));
        if (end == std::string::npos) return lines;
        from = end + 2;
    }
}

Surface composePage(Workspace& ws, Renderer& r, const PageOptions& options, const PageText& text) {
    const RedrawResult drawn = RedrawShield(ws, r);
    const PageSize area = shieldAreaOfPage(options.zoom);
    if (!options.withBlazon) {
        Surface page(area.width, area.height, kWhite);
        layShieldOnWhite(page, area.width, area.height, r.canvas, r.shapeMask());
        return page;
    }
    const std::string wrapped =
        WrapBlazonText(drawn.blazonText, pageWidthAt(options.zoom),
                       [&text](const std::string& s) { return text.width(s); });
    const std::vector<std::string> lines = splitLines(wrapped);
    const int textHeight = int(lines.size()) * text.lineHeight();
    const float shieldHeight = scaledSide(kCanvasHeight, options.zoom);
    const int height = CInt(shieldHeight + float(textHeight) + float(2 * kPageTextGap));
    Surface page(area.width, height, kWhite);
    layShieldOnWhite(page, area.width, area.height, r.canvas, r.shapeMask());
    int x = kPageTextIndent;
    int y = CInt(shieldHeight + float(kPageTextGap));
    for (const std::string& line : lines) {
        text.draw(page, x, y, line, kBlack);
        x = 0;
        y += text.lineHeight();
    }
    return page;
}

}  // namespace

void layShieldOnWhite(Surface& page, int width, int height, const Surface& canvas,
                      const Surface& mask) {
    const int sw = std::min(canvas.width(), mask.width());
    const int sh = std::min(canvas.height(), mask.height());
    if (width <= 0 || height <= 0 || sw <= 0 || sh <= 0) return;
    const int cols = std::min(width, page.width());
    const int rows = std::min(height, page.height());
    // Nearest neighbour by the exact integer ratio, as the stretching copies
    // pick their pixels, so the page matches a stretched canvas pixel for pixel.
    std::vector<int> column(std::size_t(std::max(cols, 0)));
    for (int x = 0; x < cols; ++x) column[std::size_t(x)] = int(std::int64_t(x) * sw / width);
    for (int y = 0; y < rows; ++y) {
        const int sy = int(std::int64_t(y) * sh / height);
        const Colour* c = canvas.row(sy);
        const Colour* m = mask.row(sy);
        Colour* out = page.row(y);
        for (int x = 0; x < cols; ++x) {
            const int sx = column[std::size_t(x)];
            out[x] = (c[sx] & m[sx]) ^ (m[sx] ^ kWhite);
        }
    }
}

float pageWidthAt(int zoom) {
    return scaledSide(kCanvasWidth, zoom);
}

PageSize shieldAreaOfPage(int zoom) {
    return {CInt(scaledSide(kCanvasWidth, zoom)), CInt(scaledSide(kCanvasHeight, zoom))};
}

PrintPage BuildPrintImage(Workspace& ws, Renderer& r, const PageOptions& options,
                          const PageText& text) {
    PrintPage out;
    {
        PageDrawingFlags flags(ws, options.blackWhite);
        out.page = composePage(ws, r, options, text);
    }
    out.redraw = RedrawShield(ws, r);
    return out;
}

namespace {

// The page built, or the message of what stopped it; the window is drawn
// again in colour either way.
bool buildPage(Workspace& ws, Renderer& r, const PageOptions& options, const PageText& text,
               PrintPage& built, PageOutcome& out) {
    try {
        built = BuildPrintImage(ws, r, options, text);
        out.redraw = built.redraw;
        return true;
    } catch (const std::exception& e) {
        out.message = trappedErrorMessage(
            kFileAccessError, std::string("La page n'a pas pu être composée : ") + e.what());
    }
    out.redraw = RedrawShield(ws, r);
    return false;
}

}  // namespace

PageOutcome ExportPicture(Workspace& ws, Renderer& r, const PageOptions& options,
                          const std::string& path, const PageText& text) {
    PageOutcome out;
    PrintPage built;
    if (!buildPage(ws, r, options, text, built, out)) return out;
    const std::string failure = savePictureBmp(built.page, path);
    if (!failure.empty()) {
        out.message = trappedErrorMessage(kFileAccessError, failure);
        return out;
    }
    out.done = true;
    return out;
}

PageOutcome PrintPicture(Workspace& ws, Renderer& r, const PageOptions& options,
                         const std::string& printerName, const PageText& text,
                         const std::function<std::string(const Surface&)>& sendToPrinter) {
    PageOutcome out;
    if (printerName.empty() || !sendToPrinter) {
        out.message = trappedErrorMessage(
            kPrinterError,
            "Aucune imprimante n'est installée. Installez une imprimante et faites-en "
            "l'imprimante par défaut, puis recommencez.");
        return out;
    }
    PrintPage built;
    if (!buildPage(ws, r, options, text, built, out)) return out;
    const std::string failure = sendToPrinter(built.page);
    if (!failure.empty()) {
        out.message = trappedErrorMessage(kPrinterError, failure);
        return out;
    }
    out.done = true;
    return out;
}

std::string printTitle(const std::string& printerName) {
    return "Imprimer sur " +
           (printerName.empty() ? std::string("(aucune imprimante)") : printerName);
}

}  // namespace tess
