#include "base/textcodec.h"

#include <QtAlgorithms>

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace velmora {

namespace {

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

/// Decodes into `out`, which has room for bytes.size() units: no byte gives more than one UTF-16
/// unit (four bytes give two). Returns the units written.
qsizetype decodeUtf8Into(QByteArrayView bytes, char16_t *out)
{
    char16_t *const begin = out;
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        // A config.cfg is nearly all ASCII: it is taken eight bytes at a time while it lasts. The
        // import's scan figure needs it (1.9 against its goal of 1.5 without it).
        while (size - i >= 8) {
            quint64 block;
            std::memcpy(&block, p + i, 8);
            if (block & 0x8080808080808080u)
                break;
            for (int k = 0; k < 8; ++k)
                out[k] = p[i + k];
            out += 8;
            i += 8;
        }
        if (i == size)
            break;
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
    return out - begin;
}

bool isLineBreak(char16_t c)
{
    return c == u'\n' || c == u'\r' || c == 0x2028 || c == 0x2029;
}

/// The byte an escape stands for; a lone surrogate that no decoding produced has none and
/// becomes '?'.
char escapedByte(char16_t c)
{
    return isEscape(c) ? char(c - kEscapeBase) : '?';
}

/// Writes `text` as UTF-8 from `out` on (room for three bytes per unit); returns the end.
char *encodeUtf8Into(QStringView text, char *out, bool crLf)
{
    const char16_t *const p = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size;) {
#ifdef __SSE2__
        // A box is nearly all ASCII: it is taken eight units at a time while no unit needs a
        // look, that is while none is above 0x7F nor, when line breaks are translated, below
        // 0x0E. Save's figure needs it: the plain loop alone costs four times the instructions.
        const __m128i lowest = _mm_set1_epi16(crLf ? 0x0E : 0);
        const __m128i highest = _mm_set1_epi16(0x7F);
        while (size - i >= 8) {
            const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + i));
            const __m128i outside =
                _mm_or_si128(_mm_subs_epu16(units, highest), _mm_subs_epu16(lowest, units));
            const uint plain =
                uint(_mm_movemask_epi8(_mm_cmpeq_epi16(outside, _mm_setzero_si128())));
            // All eight are stored; past the first unit that needs a look they are overwritten.
            _mm_storel_epi64(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(units, units));
            const int taken = plain == 0xFFFF ? 8 : qCountTrailingZeroBits(~plain) / 2;
            out += taken;
            i += taken;
            if (taken < 8)
                break;
        }
#endif
        if (i == size)
            break;
        const char16_t c = p[i++];
        if (crLf && isLineBreak(c)) {
            *out++ = '\r';
            *out++ = '\n';
            if (c == u'\r' && i < size && p[i] == u'\n')
                ++i;
        } else if (c < 0x80) {
            *out++ = char(c);
        } else if (c < 0x800) {
            *out++ = char(0xC0 | (c >> 6));
            *out++ = char(0x80 | (c & 0x3F));
        } else if (!QChar::isSurrogate(c)) {
            *out++ = char(0xE0 | (c >> 12));
            *out++ = char(0x80 | ((c >> 6) & 0x3F));
            *out++ = char(0x80 | (c & 0x3F));
        } else if (QChar::isHighSurrogate(c) && i < size && QChar::isLowSurrogate(p[i])) {
            const char32_t cp = QChar::surrogateToUcs4(c, p[i++]);
            *out++ = char(0xF0 | (cp >> 18));
            *out++ = char(0x80 | ((cp >> 12) & 0x3F));
            *out++ = char(0x80 | ((cp >> 6) & 0x3F));
            *out++ = char(0x80 | (cp & 0x3F));
        } else {
            *out++ = escapedByte(c);
        }
    }
    return out;
}

} // namespace

QString decodeLossless(QByteArrayView bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    QString text;
    appendDecodedLossless(bytes, text);
    return text;
}

void appendDecodedLossless(QByteArrayView bytes, QString &text)
{
    // resize() grows the string geometrically, so appending line by line stays linear.
    const qsizetype used = text.size();
    text.resize(used + bytes.size());
    const qsizetype written =
        decodeUtf8Into(bytes, reinterpret_cast<char16_t *>(text.data()) + used);
    text.truncate(used + written);
}

QByteArray encodeLossless(QStringView text)
{
    QByteArray out;
    appendEncodedLossless(text, out);
    return out;
}

void appendEncodedLossless(QStringView text, QByteArray &bytes, LineBreaks lineBreaks)
{
    // No UTF-16 unit takes more than three bytes, a line break included.
    const qsizetype used = bytes.size();
    bytes.resize(used + text.size() * 3);
    const char *const end =
        encodeUtf8Into(text, bytes.data() + used, lineBreaks == LineBreaks::CrLf);
    bytes.truncate(end - bytes.constData());
}

} // namespace velmora
