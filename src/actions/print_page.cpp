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
    // Hatching is one-pixel lines: a hatched page keeps them when it shrinks.
    const PageShrink shrink = options.blackWhite ? PageShrink::KeepBlack : PageShrink::Nearest;
    if (!options.withBlazon) {
        Surface page(area.width, area.height, kWhite);
        layShieldOnWhite(page, area.width, area.height, r.canvas, r.shapeMask(), shrink);
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
    layShieldOnWhite(page, area.width, area.height, r.canvas, r.shapeMask(), shrink);
    int x = kPageTextIndent;
    int y = CInt(shieldHeight + float(kPageTextGap));
    for (const std::string& line : lines) {
        text.draw(page, x, y, line, kBlack);
        x = 0;
        y += text.lineHeight();
    }
    return page;
}

// The shield on white at one canvas pixel: the copy, ANDed with the mask, then
// XORed with the inverted mask.
inline Colour shieldOnWhite(Colour canvas, Colour mask) {
    return (canvas & mask) ^ (mask ^ kWhite);
}

// Where each page column or row starts on its canvas side (`to` + 1 entries,
// the last the side's end): the nearest-neighbour pick by the exact integer
// ratio, as the stretching copies pick their pixels.
std::vector<int> sourceStarts(int to, int from) {
    std::vector<int> starts(std::size_t(to) + 1);
    for (int i = 0; i <= to; ++i) starts[std::size_t(i)] = int(std::int64_t(i) * from / to);
    return starts;
}

// The canvas pixels that page pixel `i` stands for: all those merged into it
// when the side shrinks and the merge keeps black, else its one picked pixel.
struct SourceSpan {
    int from;
    int to;
};
SourceSpan spanOf(const std::vector<int>& starts, std::size_t i, bool merge) {
    return {starts[i], merge ? starts[i + 1] : starts[i] + 1};
}

}  // namespace

void layShieldOnWhite(Surface& page, int width, int height, const Surface& canvas,
                      const Surface& mask, PageShrink shrink) {
    const int sw = std::min(canvas.width(), mask.width());
    const int sh = std::min(canvas.height(), mask.height());
    if (width <= 0 || height <= 0 || sw <= 0 || sh <= 0) return;
    const int cols = std::min(width, page.width());
    const int rows = std::min(height, page.height());
    const std::vector<int> column = sourceStarts(width, sw);
    const std::vector<int> line = sourceStarts(height, sh);
    const bool mergeColumns = shrink == PageShrink::KeepBlack && width < sw;
    const bool mergeRows = shrink == PageShrink::KeepBlack && height < sh;
    if (!mergeColumns && !mergeRows) {
        // So the page matches a stretched canvas pixel for pixel.
        for (int y = 0; y < rows; ++y) {
            const Colour* c = canvas.row(line[std::size_t(y)]);
            const Colour* m = mask.row(line[std::size_t(y)]);
            Colour* out = page.row(y);
            for (int x = 0; x < cols; ++x) {
                const int sx = column[std::size_t(x)];
                out[x] = shieldOnWhite(c[sx], m[sx]);
            }
        }
        return;
    }
    // Every canvas pixel of the box is read once, whatever the zoom: at most
    // the canvas's 90,100 pixels for a page smaller than it.
    for (int y = 0; y < rows; ++y) {
        Colour* out = page.row(y);
        std::fill(out, out + cols, ~Colour(0));
        const SourceSpan band = spanOf(line, std::size_t(y), mergeRows);
        for (int sy = band.from; sy < band.to; ++sy) {
            const Colour* c = canvas.row(sy);
            const Colour* m = mask.row(sy);
            for (int x = 0; x < cols; ++x) {
                const SourceSpan span = spanOf(column, std::size_t(x), mergeColumns);
                Colour merged = out[x];
                for (int sx = span.from; sx < span.to; ++sx) merged &= shieldOnWhite(c[sx], m[sx]);
                out[x] = merged;
            }
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
