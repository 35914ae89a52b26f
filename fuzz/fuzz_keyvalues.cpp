// Steam's KeyValues files as a broken disk or a hostile home folder might hold them: whatever the
// bytes, reading never crashes and ends quickly; what it reads, written out again, reads back as
// the same entries; and a library file made of the bytes yields the root first and at most
// kSteamMaxLibraries libraries.

#include "gamefiles/keyvalues.h"
#include "gamefiles/steamgame.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QString scratchRoot()
{
    // Memory-backed when the machine has one: every run writes the file.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/velmora-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/velmora-fuzz-XXXXXX"));
    if (!dir.isValid() || !QDir().mkpath(dir.path() + QStringLiteral("/steamapps")))
        std::abort();
    return QFileInfo(dir.path()).canonicalFilePath();
}

QByteArray quoted(const QString &text)
{
    QByteArray out("\"");
    for (char c : text.toUtf8()) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out + '"';
}

void write(const velmora::KeyValue &block, QByteArray &out)
{
    for (const velmora::KeyValue &entry : block.entries()) {
        out += quoted(entry.key());
        if (entry.isBlock()) {
            out += " {\n";
            write(entry, out);
            out += "}\n";
        } else {
            out += ' ' + quoted(entry.value()) + '\n';
        }
    }
}

bool same(const velmora::KeyValue &a, const velmora::KeyValue &b)
{
    if (a.key() != b.key() || a.isBlock() != b.isBlock() || a.value() != b.value() ||
        a.entries().size() != b.entries().size())
        return false;
    for (size_t i = 0; i < a.entries().size(); ++i) {
        if (!same(a.entries()[i], b.entries()[i]))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<velmora::KeyValues> document =
            velmora::parseKeyValues(bytes.toByteArray())) {
        const velmora::KeyValue &top = document->top();
        if (!top.isBlock() || !top.key().isEmpty())
            std::abort();
        QByteArray again;
        write(top, again);
        if (again.size() <= velmora::kKeyValuesMaxBytes) {
            const std::optional<velmora::KeyValues> reread = velmora::parseKeyValues(again);
            if (!reread || !same(top, reread->top()))
                std::abort();
        }
    }

    const QString root = scratchRoot();
    {
        QFile file(root + QStringLiteral("/steamapps/libraryfolders.vdf"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        if (file.write(bytes.data(), bytes.size()) != bytes.size())
            std::abort();
    }
    const QStringList libraries = velmora::steamLibraries(root);
    if (libraries.isEmpty() || libraries.first() != root ||
        libraries.size() > velmora::kSteamMaxLibraries)
        std::abort();
    return 0;
}
