#pragma once

namespace tess {

class DocumentSession;
class DialogHost;
class TincturePalettePanel;

// "Ajuster cette couleur" for tincture 1..11: the colour dialog opens on the
// tincture's screen colour; its "Ok" repaints the palette and the shield with
// the new colour and keeps it for the next runs (the document is untouched).
void adjustTinctureColour(DocumentSession& session, DialogHost& dialogs,
                          TincturePalettePanel& palette, int tincture);

}  // namespace tess
