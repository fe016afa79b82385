// Placeholder fur pictures until the drawn ones land.
#include "resources/pictures.h"

namespace tess {

const Surface& furPicture(int) {
    static const Surface s(kShieldWidth, kShieldHeight, kWhite);
    return s;
}

}  // namespace tess
