#pragma once

namespace tess {

struct Workspace;
class Renderer;

// Makes every surface (and the fur patterns), sets up the tincture table's
// factory values and the colours of the previous run. Runs once at start-up.
void InitGraphics(Workspace& ws, Renderer& r);
// Drops every surface and deletes the temporary picture copies "PicN.tmp" of
// the image bank from the program folder. Nothing is saved.
void ReleaseResources(Workspace& ws, Renderer& r);

}  // namespace tess
