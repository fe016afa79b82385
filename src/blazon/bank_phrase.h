#pragma once

#include <string>

#include "model/workspace.h"

namespace tess {

// The blazon expression of charge `charge`'s bank picture, or null when the
// charge number is out of range or its picture is no longer in the bank (a
// freed slot may still hold an old phrase, which must not be read).
const std::string* chargeBankPhrase(const Workspace& ws, int charge);

}  // namespace tess
