#pragma once

#include <functional>
#include <optional>
#include <string>

#include "actions/redraw_result.h"
#include "platform/page_text.h"
#include "platform/surface.h"
#include "storage/file_message.h"

namespace tess {

struct Workspace;
class Renderer;

// The zoom of a page, in percent of the canvas.
inline constexpr int kMinPageZoom = 1;
inline constexpr int kMaxPageZoom = 200;
inline constexpr int kStartPageZoom = 85;
// Below this zoom a page with the blazon is asked about first: the text would
// be cut into very many short lines.
inline constexpr int kSmallestQuietTextZoom = 15;

// Space between the shield and the blazon, and under the blazon's last line.
inline constexpr int kPageTextGap = 5;
// Left edge of the blazon's first line; the next lines start at the page's edge.
inline constexpr int kPageTextIndent = 2;

// What a page holds, as the print and export dialog chose it.
struct PageOptions {
    int zoom = kStartPageZoom;
    bool withBlazon = false;
    bool blackWhite = false;  // heraldic hatching instead of colours
};

// The page's width and the height of its shield area: each side of the canvas
// divided by 100, then multiplied by the zoom, in single precision as the
// page has always been sized, then rounded half to even (zoom 50: 132 x 170).
struct PageSize {
    int width = 0;
    int height = 0;
};
PageSize shieldAreaOfPage(int zoom);
// The page width before rounding: what the blazon is wrapped to.
float pageWidthAt(int zoom);

// What becomes of the canvas pixels that fall together on one page pixel when
// the page is smaller than the canvas.
enum class PageShrink {
    // One pixel of each merged block is kept and the others dropped: colours
    // stay pure, but a one-pixel line may vanish.
    Nearest,
    // The merged pixels are ANDed, as a printer's black-on-white stretch does:
    // black wins over white, so one-pixel hatch lines survive any shrink.
    KeepBlack,
};

// The canvas stretched onto the top-left `width` x `height` of `page` with the
// outside of the shield white: the copy, the shape mask's AND and the
// inverted mask's XOR of the stretching copies, in one pass over the box.
// Pixels of the page beyond the box stay as they are. An enlarged side always
// repeats its pixels; a shrunk side merges them as `shrink` says.
void layShieldOnWhite(Surface& page, int width, int height, const Surface& canvas,
                      const Surface& mask, PageShrink shrink = PageShrink::Nearest);

struct PrintPage {
    Surface page;
    // The canvas after the page: drawn again in colour, with the grid as it was.
    RedrawResult redraw;
};

// Composes the page on a surface of its own: the shield redrawn without the
// grid (hatched when asked), scaled to the zoom, white outside the shield;
// with the blazon, a white band under it holding the blazon wrapped to the
// page width. Then the shield is drawn again as the window shows it. The grid
// and the hatching flag come back on every path, an exception included, so a
// failure can never leave the window drawing hatched. Costs two redraws and
// one pass over the page.
PrintPage BuildPrintImage(Workspace& ws, Renderer& r, const PageOptions& options,
                          const PageText& text);

struct PageOutcome {
    bool done = false;
    FileMessage message;  // empty when done
    // The shield drawn again after the page; none when nothing was drawn.
    std::optional<RedrawResult> redraw;
};

// Writes the page as a Windows bitmap at `path` (the name as chosen, no
// extension added). The bitmap is written beside it under a temporary name and
// renamed over it, so an old file stays whole until the new one is.
PageOutcome ExportPicture(Workspace& ws, Renderer& r, const PageOptions& options,
                          const std::string& path, const PageText& text);

// Hands the page to `sendToPrinter`, which gives the empty text once the page
// is sent, else the reason. `printerName` empty: no printer, nothing built.
PageOutcome PrintPicture(Workspace& ws, Renderer& r, const PageOptions& options,
                         const std::string& printerName, const PageText& text,
                         const std::function<std::string(const Surface&)>& sendToPrinter);

// The dialog's title when printing: "Imprimer sur " and the printer, or
// "(aucune imprimante)" when there is none.
std::string printTitle(const std::string& printerName);

}  // namespace tess
