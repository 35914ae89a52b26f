#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace velmora {

/// Decodes bytes of the system's 8-bit encoding without losing any: a byte that is not valid there
/// becomes a lone surrogate U+DC80..U+DCFF, which encodeLossless() turns back into that byte. So a
/// player's config.cfg reaches autoexec.cfg byte for byte, whatever it holds.
QString decodeLossless(QByteArrayView bytes);

/// decodeLossless() appended to `text`, without a string of its own in between.
void appendDecodedLossless(QByteArrayView bytes, QString &text);

/// The inverse of decodeLossless(): text in the system encoding, lone surrogates U+DC80..U+DCFF
/// written back as the bytes 0x80..0xFF.
QByteArray encodeLossless(QStringView text);

enum class LineBreaks {
    Keep,
    CrLf, ///< CR LF, LF, a lone CR, U+2028 and U+2029 are each written as CR LF
};

/// encodeLossless() appended to `bytes`.
void appendEncodedLossless(QStringView text, QByteArray &bytes,
                           LineBreaks lineBreaks = LineBreaks::Keep);

/// encodeLossless() a slice at a time, so a large text can be written out without a copy of all
/// its bytes. The text must outlive the encoder.
class LosslessEncoder
{
public:
    explicit LosslessEncoder(QStringView text, LineBreaks lineBreaks = LineBreaks::Keep);

    /// The bytes of the next slice, valid until the next call; empty once the text is done.
    QByteArrayView next();

private:
    QStringView m_text;
    bool m_crLf;
    qsizetype m_done = 0;
    QByteArray m_bytes;
};

} // namespace velmora
