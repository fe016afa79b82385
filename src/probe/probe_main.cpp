// tessaline-probe: opens a document as the program does when it is given one
// on its command line, redraws it and prints its blazon and warnings, so that
// scripts can check documents without a display.
//
//   tessaline-probe DOC.bls [--canvas OUT.bmp] [--partmap OUT.bmp] [--save OUT.bls]
//
// Prints "blazon: " and "warnings: " lines (UTF-8). With --save, saves the
// document as the save command does (OUT may be DOC itself). Exits 1 with the
// program's own message on standard error when the document cannot be opened
// or saved, 2 on a wrong command line or a picture that cannot be written.
// Paths are taken as the bytes given, whatever their encoding. The program
// folder is only read (the adjusted colours): its recent list is not changed.

#include <cstdio>
#include <string>

#include "actions/document_file.h"
#include "actions/graphics_session.h"
#include "actions/opening.h"
#include "model/workspace.h"
#include "platform/paths.h"
#include "platform/picture_file.h"
#include "render/document_surfaces.h"
#include "render/renderer.h"

namespace {

int usage() {
    std::fputs(
        "usage: tessaline-probe DOC.bls [--canvas OUT.bmp] [--partmap OUT.bmp] "
        "[--save OUT.bls]\n",
        stderr);
    return 2;
}

bool writePicture(const tess::Surface& picture, const std::string& path) {
    if (path.empty()) return true;
    const std::string error = tess::savePictureBmp(picture, path);
    if (error.empty()) return true;
    std::fprintf(stderr, "%s\n", error.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    std::string document, canvasPath, partMapPath, savePath;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--canvas" || arg == "--partmap" || arg == "--save") && i + 1 < argc) {
            (arg == "--canvas" ? canvasPath : arg == "--save" ? savePath : partMapPath) = argv[++i];
        } else if (document.empty() && !arg.empty() && arg.rfind("--", 0) != 0) {
            document = arg;
        } else {
            return usage();
        }
    }
    if (document.empty()) return usage();

    // A probe is no run of the program: the person's recent list and colours
    // stay as they are.
    tess::leaveProgramFolderAlone();
    // The start-up of the main window, without a window: the drawing surfaces
    // and tinctures, a blank document, then the document of the command line.
    // Missing side files are skipped: nothing is asked.
    static tess::Workspace ws;
    static tess::Renderer renderer;
    tess::InitGraphics(ws, renderer);
    tess::NewDocument(ws, renderer);
    const tess::OpenOutcome opened = tess::OpenCommandLineDocument(ws, renderer, document, {});
    if (!opened.loaded) {
        std::fprintf(stderr, "%s\n", opened.message.text.c_str());
        return 1;
    }
    // Pictures left out as too large or damaged, a save journal that is not
    // the document's own: the document opened all the same.
    if (!opened.message.empty()) std::fprintf(stderr, "%s\n", opened.message.text.c_str());
    // The open's own redraw: it is the one that takes charges lying off the
    // canvas out and warns of them, so a second one would say nothing of them.
    const tess::RedrawResult& drawn = opened.redraw;
    std::printf("blazon: %s\nwarnings: %s\n", drawn.blazonText.c_str(), drawn.warningText.c_str());
    if (!writePicture(renderer.canvas, canvasPath) || !writePicture(renderer.partMap, partMapPath))
        return 2;
    if (!savePath.empty()) {
        const tess::SaveOutcome saved = tess::SaveDocument(ws, renderer, savePath);
        if (!saved.message.empty()) std::fprintf(stderr, "%s\n", saved.message.text.c_str());
        if (!saved.saved) return 1;
    }
    return 0;
}
