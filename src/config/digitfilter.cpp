#include "config/digitfilter.h"

namespace velmora {

qint16 FilterDigitKey(qint16 keyCode)
{
    // Compared by character code: no locale can make another character a digit.
    if (keyCode >= '0' && keyCode <= '9')
        return keyCode;
    if (keyCode == kBackspaceCode)
        return kBackspaceCode;
    return 0;
}

} // namespace velmora
