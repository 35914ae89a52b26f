#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace velmora {

/// Decodes UTF-8 bytes without losing any: a byte that is not part of a well-formed sequence
/// becomes a lone surrogate U+DC80..U+DCFF, which encodeLossless() turns back into that byte. So a
/// player's config.cfg reaches autoexec.cfg byte for byte, whatever it holds.
QString decodeLossless(QByteArrayView bytes);

/// decodeLossless() appended to `text`, without a string of its own in between.
void appendDecodedLossless(QByteArrayView bytes, QString &text);

/// The inverse of decodeLossless(): text in UTF-8, lone surrogates U+DC80..U+DCFF
/// written back as the bytes 0x80..0xFF.
QByteArray encodeLossless(QStringView text);

enum class LineBreaks {
    Keep,
    CrLf, ///< CR LF, LF, a lone CR, U+2028 and U+2029 are each written as CR LF
};

/// encodeLossless() appended to `bytes`.
void appendEncodedLossless(QStringView text, QByteArray &bytes,
                           LineBreaks lineBreaks = LineBreaks::Keep);

} // namespace velmora
