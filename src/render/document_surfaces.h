#pragma once

namespace tess {

struct Workspace;
class Renderer;

// Drops every picture the renderer keeps for one document: the bank pictures
// and their masks, the charges' working pictures and layers, the user furs'
// tiles and pictures, the inserted coats of arms. The shield's own surfaces
// (canvas, maps, work surfaces, built-in furs) stay.
void ReleaseDocumentSurfaces(Renderer& r);

// A new, empty document (ResetDocument) without a picture of the former one
// left in the renderer, so nothing of it can come back into a later drawing.
// Neither redraws nor touches `ws.Modified`, as ResetDocument.
void NewDocument(Workspace& ws, Renderer& r);

}  // namespace tess
