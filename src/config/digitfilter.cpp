#include "config/digitfilter.h"

#include "config/options.h"

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

NumberForm numberForm(int textField)
{
    switch (textField) {
    case field::kNetGraphPosition:
        return NumberForm::Whole;
    case field::kVolume:
        return NumberForm::Decimal;
    default:
        return NumberForm::Text;
    }
}

bool keepsToForm(QStringView text, NumberForm form)
{
    if (form == NumberForm::Text)
        return true;
    int separators = 0;
    for (const QChar c : text) {
        if (form == NumberForm::Decimal && (c == u'.' || c == u','))
            ++separators;
        else if (c < u'0' || c > u'9')
            return false;
    }
    return separators <= 1;
}

} // namespace velmora
