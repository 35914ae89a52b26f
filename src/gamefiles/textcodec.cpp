#include "gamefiles/textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace velmora {

namespace {

#ifdef Q_OS_WIN
constexpr bool kSystemIsUtf8 = false; // the ANSI code page
#else
constexpr bool kSystemIsUtf8 = true; // Qt 6 takes every Unix system as UTF-8
#endif

constexpr char16_t kEscapeBase = 0xDC00; // a byte b >= 0x80 that cannot be decoded is U+DC00 + b

bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (uchar(c) >= 0x80)
            return false;
    }
    return true;
}

bool isEscape(char16_t c)
{
    return c >= 0xDC80 && c <= 0xDCFF;
}

/// Length of the well-formed UTF-8 sequence at p (at most `left` bytes), or 0 when it is not one.
/// Overlong forms, surrogates and code points above U+10FFFF are not well formed.
int utf8SequenceLength(const uchar *p, qsizetype left, char32_t *codePoint)
{
    const uchar b0 = p[0];
    auto continuation = [&](int i) { return i < left && (p[i] & 0xC0) == 0x80; };
    if (b0 >= 0xC2 && b0 <= 0xDF && continuation(1)) {
        *codePoint = char32_t(b0 & 0x1F) << 6 | (p[1] & 0x3F);
        return 2;
    }
    if (b0 >= 0xE0 && b0 <= 0xEF && continuation(1) && continuation(2)) {
        const char32_t cp = char32_t(b0 & 0x0F) << 12 | char32_t(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
        if (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))
            return 0;
        *codePoint = cp;
        return 3;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4 && continuation(1) && continuation(2) && continuation(3)) {
        const char32_t cp = char32_t(b0 & 0x07) << 18 | char32_t(p[1] & 0x3F) << 12 |
                            char32_t(p[2] & 0x3F) << 6 | (p[3] & 0x3F);
        if (cp < 0x10000 || cp > 0x10FFFF)
            return 0;
        *codePoint = cp;
        return 4;
    }
    return 0;
}

QString decodeUtf8(QByteArrayView bytes)
{
    // No byte gives more than one UTF-16 unit (four bytes give two), so the text fits in as many
    // units as there are bytes; writing through a pointer keeps the import of a large config.cfg
    // from spending its time in per-character appends.
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *const begin = reinterpret_cast<char16_t *>(text.data());
    char16_t *out = begin;
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        if (p[i] < 0x80) {
            *out++ = p[i++];
            continue;
        }
        char32_t cp = 0;
        int length = utf8SequenceLength(p + i, size - i, &cp);
        // The config box takes these characters for line breaks: decoded as themselves they
        // would split the player's line in two on Save. Their bytes travel as escapes instead.
        if (cp == 0x2028 || cp == 0x2029 || cp == 0xFDD0 || cp == 0xFDD1)
            length = 0;
        if (length == 0) {
            *out++ = char16_t(kEscapeBase + p[i++]);
            continue;
        }
        if (cp > 0xFFFF) {
            *out++ = QChar::highSurrogate(cp);
            *out++ = QChar::lowSurrogate(cp);
        } else {
            *out++ = char16_t(cp);
        }
        i += length;
    }
    text.truncate(out - begin);
    return text;
}

void encodeUtf8(QStringView text, QByteArray &out)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        char32_t cp = c;
        if (QChar::isHighSurrogate(c) && i + 1 < size &&
            QChar::isLowSurrogate(text[i + 1].unicode())) {
            cp = QChar::surrogateToUcs4(c, text[++i].unicode());
        } else if (isEscape(c)) {
            out.append(char(c - kEscapeBase));
            continue;
        } else if (QChar::isSurrogate(c)) {
            out.append('?'); // a lone surrogate that no decoding produced: nothing to give back
            continue;
        }
        if (cp < 0x80) {
            out.append(char(cp));
        } else if (cp < 0x800) {
            out.append(char(0xC0 | (cp >> 6)));
            out.append(char(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.append(char(0xE0 | (cp >> 12)));
            out.append(char(0x80 | ((cp >> 6) & 0x3F)));
            out.append(char(0x80 | (cp & 0x3F)));
        } else {
            out.append(char(0xF0 | (cp >> 18)));
            out.append(char(0x80 | ((cp >> 12) & 0x3F)));
            out.append(char(0x80 | ((cp >> 6) & 0x3F)));
            out.append(char(0x80 | (cp & 0x3F)));
        }
    }
}

/// For an 8-bit code page: decode with the system's codec, and escape each byte that does not come
/// back unchanged through it.
QString decodeCodePage(QByteArrayView bytes)
{
    QString text = QStringDecoder(QStringConverter::System).decode(bytes);
    if (QByteArray(QStringEncoder(QStringConverter::System).encode(text)) == bytes)
        return text;
    text.clear();
    for (char byte : bytes) {
        const QByteArrayView one(&byte, 1);
        const QString decoded = QStringDecoder(QStringConverter::System).decode(one);
        if (decoded.size() == 1 &&
            QByteArray(QStringEncoder(QStringConverter::System).encode(decoded)) == one)
            text.append(decoded);
        else
            text.append(QChar(char16_t(kEscapeBase + uchar(byte))));
    }
    return text;
}

void encodeCodePage(QStringView text, QByteArray &out)
{
    QStringEncoder encoder(QStringConverter::System);
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isEscape(text[i].unicode()))
            continue;
        out.append(encoder.encode(text.mid(runStart, i - runStart)));
        if (i < text.size())
            out.append(char(text[i].unicode() - kEscapeBase));
        runStart = i + 1;
    }
}

bool hasSurrogates(QStringView text)
{
    for (QChar c : text) {
        if (c.isSurrogate())
            return true;
    }
    return false;
}

} // namespace

QString DecodeLossless(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    return kSystemIsUtf8 ? decodeUtf8(bytes) : decodeCodePage(bytes);
}

QByteArray EncodeLossless(QStringView text)
{
    if (kSystemIsUtf8 && !hasSurrogates(text))
        return text.toUtf8();
    QByteArray out;
    out.reserve(text.size() * (kSystemIsUtf8 ? 3 : 1));
    if (kSystemIsUtf8)
        encodeUtf8(text, out);
    else
        encodeCodePage(text, out);
    return out;
}

} // namespace velmora
