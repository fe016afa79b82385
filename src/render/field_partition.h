#pragma once

#include <array>

#include "model/partitions.h"
#include "model/records.h"

namespace tess {

struct Workspace;
class Renderer;

// Draws the partition's lines on partitionWork (365 x 440, shield at (50, 50)),
// floods each part in its key colour, sets the part count and seeds, queues the
// warnings of neighbouring parts of one class, and copies the shield's key map
// to fieldPartMap and ordinaryMap. An unknown code is drawn as the plain field.
void DrawFieldPartition(Workspace& ws, Renderer& r);

// Stretches the coat of arms inserted in `part` into that part's quarter or
// half of the canvas. Parts other than 1..4, and parts 2 and 3 of a partition
// that gives them no quarter or half, draw nothing.
void DrawBlazonInPart(Workspace& ws, Renderer& r, int part);

}  // namespace tess
