#pragma once

#include <memory>
#include <string>

#include "platform/colour.h"
#include "platform/surface.h"

namespace tess {

// The font the printed page writes its blazon in, and in which the wrapping
// measures it. Texts are UTF-8; sizes are whole pixels.
class PageText {
  public:
    virtual ~PageText() = default;
    virtual int width(const std::string& text) const = 0;
    // The height of one line: each line of a text written at y starts at
    // y + n * lineHeight().
    virtual int lineHeight() const = 0;
    // Writes one line with the top of its first character cell at (x, y),
    // clipped to the surface.
    virtual void draw(Surface& surface, int x, int y, const std::string& line,
                      Colour colour) const = 0;
};

// The program's page font (a small sans-serif, drawn without smoothing so the
// printed text stays as sharp as the shield). Needs the application's font
// database, so a QGuiApplication must exist.
std::unique_ptr<PageText> makePageText();

}  // namespace tess
