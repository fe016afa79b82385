#pragma once

#include "model/records.h"

namespace tess {

struct Workspace;
struct ImageBankEntry;

// The bank entry a charge shows, or null when it has none (no slot, a slot out
// of range, or a picture no longer in the bank). Drawing, hit tests and the
// blazon skip such charges instead of reading a freed entry.
const ImageBankEntry* chargePicture(const Workspace& ws, int charge);

// The first charge number whose record is not in use; 0 when all fifty are.
int firstFreeCharge(const BlazonRecord& blazon);

// The charge under the shield point (x, y), 0 when none: among charges in use
// whose box holds the point strictly inside, the smallest box (areas compared
// exactly), the lower number on equal areas. A record marked in use without a
// picture is freed on the way.
Byte ChargeAtPoint(Workspace& ws, int x, int y);

// Frees every record marked in use without a picture. A placing takes its
// undo copy once the record is marked in use and before its picture is set,
// so undoing it brings back such a record: left taken, it would hold one of
// the fifty places with nothing on the shield.
void FreeChargesWithoutPicture(BlazonRecord& blazon);

}  // namespace tess
