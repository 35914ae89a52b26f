#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace velmora {

/// Decodes bytes of the system's 8-bit encoding without losing any: a byte that is not valid there
/// becomes a lone surrogate U+DC80..U+DCFF, which EncodeLossless() turns back into that byte. So a
/// player's config.cfg reaches autoexec.cfg byte for byte, whatever it holds.
QString DecodeLossless(QByteArrayView bytes);

/// The inverse of DecodeLossless(): text in the system encoding, lone surrogates U+DC80..U+DCFF
/// written back as the bytes 0x80..0xFF.
QByteArray EncodeLossless(QStringView text);

} // namespace velmora
