#include "config/consolevalue.h"

#include "base/textcodec.h"

namespace velmora {

bool isRefusedInValue(QChar c)
{
    switch (c.unicode()) {
    case u'"':
    case u'\\':
    case u'\r':
    case u'\n':
    case QChar::LineSeparator:
    case QChar::ParagraphSeparator:
        return true;
    default:
        return false;
    }
}

qsizetype encodedSize(QStringView text)
{
    return encodeLossless(text).size();
}

qsizetype textByteCap(int number)
{
    return textField(number).byteCap;
}

QString unsafeValue(const OptionSnapshot &options)
{
    for (int n = 1; n <= kTextCount; ++n) {
        if (textByteCap(n) == 0)
            continue; // a ping, written as a number
        const QString &text = options.text(n);
        const QString name = QStringLiteral("Text") + QString::number(n);
        for (QChar c : text) {
            if (isRefusedInValue(c)) {
                return name + QStringLiteral(": a double quote, a backslash or a line break "
                                             "would not reach the game as typed");
            }
        }
        const qsizetype bytes = encodedSize(text);
        if (bytes > textByteCap(n)) {
            return name + QStringLiteral(": %1 bytes, the game takes at most %2 here")
                              .arg(bytes)
                              .arg(textByteCap(n));
        }
    }
    return {};
}

QString volumeValue(QStringView text)
{
    QString value = text.toString();
    value.replace(u',', u'.');
    return value;
}

} // namespace velmora
