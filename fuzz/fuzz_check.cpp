// --check on arbitrary file bytes: reading never crashes, every finding names a line of the file
// and carries a message, a NUL byte gives exactly one error, on the line where it stands, and a
// leading byte-order mark one warning, first.

#include "console/scriptcheck.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<velmora::Finding> findings = velmora::checkScript(file);
    const int lines = int(file.count('\n')) + 1;
    int nulErrors = 0;
    int previous = 1;
    for (const velmora::Finding &finding : findings) {
        if (finding.line < previous || finding.line > lines || finding.message.isEmpty())
            std::abort();
        previous = finding.line;
        if (finding.message.startsWith(QLatin1StringView("NUL")))
            ++nulErrors;
    }
    const qsizetype nul = file.indexOf('\0');
    if (nulErrors != (nul >= 0 ? 1 : 0))
        std::abort();
    if (nul >= 0 && findings.last().line != int(file.first(nul).count('\n')) + 1)
        std::abort(); // the NUL is the last thing read, so its error comes last
    // A byte-order mark is said once, first.
    const bool bom = file.startsWith("\xEF\xBB\xBF");
    if (bom != (!findings.isEmpty() && findings.first().message.contains(u"byte-order mark")))
        std::abort();
    // The import's question reads the same lines: it must not crash either.
    velmora::plantedLines(QString::fromLatin1(file));
    return 0;
}
