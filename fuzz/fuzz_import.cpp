// The start-up import on arbitrary config.cfg bytes (up to 1 MiB: scripts/fuzz.sh lets long lines
// in): it never crashes, it carries exactly the alias/bind lines before the first NUL byte that a
// plain reference splitter finds, none holds a NUL byte, and every carried line comes back byte for
// byte through the encoding Save uses and through the bytes Save writes for the box.

#include "base/textcodec.h"
#include "gamefiles/autoexec.h"
#include "gamefiles/bindimport.h"

#include <QByteArray>
#include <QIODevice>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

/// A device that hands the bytes out in small pieces, like a pipe or a slow disk, so the
/// import's handling of lines, CR LF pairs and the byte-order mark across reads is exercised.
class PieceDevice : public QIODevice
{
public:
    PieceDevice(QByteArray data, int piece)
        : m_data(std::move(data))
        , m_piece(piece)
    {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *out, qint64 maxSize) override
    {
        qint64 n = std::min<qint64>(maxSize, m_data.size() - m_pos);
        if (m_piece > 0)
            n = std::min<qint64>(n, m_piece + (m_reads++ % 3)); // uneven pieces
        std::memcpy(out, m_data.constData() + m_pos, size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_data;
    int m_piece;
    qint64 m_pos = 0;
    int m_reads = 0;
};

bool startsWithNoCase(const QByteArray &line, const char *keyword)
{
    const size_t n = std::strlen(keyword);
    if (size_t(line.size()) < n)
        return false;
    for (size_t i = 0; i < n; ++i) {
        const char c = line[qsizetype(i)];
        if (c != keyword[i] && c != keyword[i] - 'a' + 'A')
            return false;
    }
    return true;
}

/// The rule written out the slow way: the file ends at its first NUL byte, where the game stops
/// reading a script; CR LF, LF and a lone CR end a line, a leading UTF-8 BOM is no part of the
/// first line, spaces and tabs at a line's start go.
std::vector<QByteArray> referenceLines(const QByteArray &whole)
{
    const QByteArray file = whole.contains('\0') ? whole.first(whole.indexOf('\0')) : whole;
    std::vector<QByteArray> carried;
    qsizetype i = file.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    QByteArray line;
    auto finish = [&] {
        qsizetype k = 0;
        while (k < line.size() && (line[k] == ' ' || line[k] == '\t'))
            ++k;
        const QByteArray candidate = line.mid(k);
        if (startsWithNoCase(candidate, "alias") || startsWithNoCase(candidate, "bind"))
            carried.push_back(candidate);
        line.clear();
    };
    for (; i < file.size(); ++i) {
        const char c = file[i];
        if (c == '\n') {
            finish();
        } else if (c == '\r') {
            finish();
            if (i + 1 < file.size() && file[i + 1] == '\n')
                ++i;
        } else {
            line.append(c);
        }
    }
    if (!line.isEmpty())
        finish();
    return carried;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks how the device hands the rest out: whole, or in uneven pieces of 1 to
    // about 500 bytes (each read costs the import a chunk buffer, so not too many of them).
    const int piece = data[0] & 0x80 ? (data[0] & 0x3F) * 8 + 1 : 0;
    const QByteArray file(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));

    PieceDevice device(file, piece);
    const velmora::ImportResult result = velmora::importBinds(device);
    if (!result.ok())
        std::abort();

    const std::vector<QByteArray> expected = referenceLines(file);
    if (size_t(result.count()) != expected.size())
        std::abort();
    const QStringList lines = result.lines();
    if (size_t(lines.size()) != expected.size())
        std::abort();
    for (size_t k = 0; k < expected.size(); ++k) {
        if (velmora::encodeLossless(lines.at(qsizetype(k))) != expected[k])
            std::abort();
        if (!velmora::isCarriedLine(expected[k]) || expected[k].contains('\0'))
            std::abort();
    }
    // The box's text as Save writes it: the same bytes, each line followed by CR LF.
    QByteArray joined;
    for (const QByteArray &line : expected)
        joined += line + "\r\n";
    if (velmora::encodeLossless(result.text()) != joined)
        std::abort();
    if (velmora::autoexecBytes(result.text()) != joined + "\r\n")
        std::abort();
    return 0;
}
