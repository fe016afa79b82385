#pragma once

#include <array>

#include "model/partitions.h"
#include "model/records.h"
#include "platform/colour.h"

namespace tess {

struct Workspace;
class Renderer;
struct RowRuns;

// Sets the part count and seeds of the partition, queues the warnings of
// neighbouring parts of one class, and leaves on partitionWork (365 x 440,
// shield at (50, 50)) the partition's lines with each part flooded in its key
// colour: the field's key map, drawn again only when the partition or its
// lines' style changed. An unknown code is drawn as the plain field.
void DrawFieldPartition(Workspace& ws, Renderer& r);

// Row y (0..339) of the field's key map where the shield lies: 265 pixels.
const Colour* fieldKeyRow(const Renderer& r, int y);
// The same map as runs of one key colour, found after each drawing of it.
const RowRuns& fieldKeyRuns(Renderer& r);

// Stretches the coat of arms inserted in `part` into that part's quarter or
// half of the canvas. Parts other than 1..4, and parts 2 and 3 of a partition
// that gives them no quarter or half, draw nothing.
void DrawBlazonInPart(Workspace& ws, Renderer& r, int part);

}  // namespace tess
