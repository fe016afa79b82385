#include "editor/partition_keys.h"

#include <array>

#include <QGuiApplication>
#include <QKeyEvent>

#include "model/partitions.h"

namespace tess {

namespace {

// The partition of each key of the digit row, by position: "1".."9", "0",
// then the two keys after it.
constexpr std::array<Long, 12> kDigitRowPartitions = {
    kPlainField,        kParti,         kCoupe,
    kTranche,           kTaille,        kEcartele,
    kEcarteleEnSautoir, kTierceEnPal,   kTierceEnFasce,
    kTierceEnBande,     kTierceEnBarre, kTierceEnPairle};

// The digit row's position (0 for "1" .. 9 for "0", 10 and 11 the two keys
// after it) from the key's place on the keyboard when the platform tells it
// (X keycodes 10..21), else from the key's symbol: the digits, the unshifted
// symbols of a French keyboard's row, and "-", ")", "=".
int digitRowPosition(const QKeyEvent& e) {
    const QString platform = QGuiApplication::platformName();
    const quint32 scan = e.nativeScanCode();
    if ((platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"))) &&
        scan >= 10 && scan <= 21)
        return int(scan) - 10;
    const int key = e.key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9) return key - Qt::Key_1;
    switch (key) {
        case Qt::Key_0:
        case Qt::Key_Agrave:
            return 9;
        case Qt::Key_Ampersand:
            return 0;
        case Qt::Key_Eacute:
            return 1;
        case Qt::Key_QuoteDbl:
            return 2;
        case Qt::Key_Apostrophe:
            return 3;
        case Qt::Key_ParenLeft:
            return 4;
        case Qt::Key_Egrave:
            return 6;
        case Qt::Key_Underscore:
            return 7;
        case Qt::Key_Ccedilla:
            return 8;
        // Without the key's place a "-" is read as the key after "0" (its
        // place on most keyboards), not as the French row's "6".
        case Qt::Key_Minus:
        case Qt::Key_ParenRight:
            return 10;
        case Qt::Key_Equal:
            return 11;
        default:
            return -1;
    }
}

}  // namespace

Long partitionOfKey(const QKeyEvent& e) {
    if (e.modifiers() & Qt::KeypadModifier) return 0;
    switch (e.key()) {
        case Qt::Key_Backspace:
            return kPartiMiCoupeSenestre;
        case Qt::Key_Insert:
            return kPartiMiCoupeDextre;
        case Qt::Key_Home:
            return kCoupeMiPartiChef;
        case Qt::Key_PageUp:
            return kCoupeMiPartiPointe;
        default:
            break;
    }
    const int position = digitRowPosition(e);
    return position < 0 ? 0 : kDigitRowPartitions[std::size_t(position)];
}

}  // namespace tess
