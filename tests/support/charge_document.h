#pragma once

#include <gtest/gtest.h>

#include "model/document.h"
#include "model/tincture_table.h"
#include "model/workspace.h"
#include "render/renderer.h"
#include "support/charge_pictures.h"

namespace tess::testing {

// The start of the use-case tests that place charges: a blank document in
// the program's own tinctures and surfaces, whose prompts `ui` keeps and
// whose pictures go to `folder`.
class ChargeDocument : public ::testing::Test {
  protected:
    void SetUp() override {
        InitTinctures(ws.Tinctures);
        InitSurfaces(r);
        ResetDocument(ws);
        ws.ui = &ui;
    }

    PictureFolder folder;
    RecordingUi ui;
    Workspace ws;
    Renderer r;
};

}  // namespace tess::testing
