// dir.vlm as a player might leave it: whatever its bytes, reading never crashes; a folder read
// is non-blank, holds no line break and does not start with a space; and what the chooser would
// write back for it reads again as the same folder.

#include "gamefiles/pathfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

QString scratchFolder()
{
    // Memory-backed when the machine has one: every run writes the file.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/velmora-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/velmora-fuzz-XXXXXX"));
    if (!dir.isValid())
        std::abort();
    return dir.path();
}

bool isBlankChar(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString folder = scratchFolder();
    {
        QFile file(velmora::pathFileLocation(folder));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        if (file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            std::abort();
    }

    const velmora::PathFileRead read = velmora::readPathFile(folder);
    switch (read.status) {
    case velmora::PathFileRead::Status::Failed:
        std::abort(); // the file is there and readable
    case velmora::PathFileRead::Status::Nothing:
        if (!read.folder.isEmpty())
            std::abort();
        break;
    case velmora::PathFileRead::Status::Folder: {
        const QString &text = read.folder;
        if (text.isEmpty() || text.front() == u' ')
            std::abort();
        if (text.contains(u'\r') || text.contains(u'\n'))
            std::abort();
        if (std::all_of(text.begin(), text.end(), isBlankChar))
            std::abort();
        (void)velmora::namesNoFolder(text);
        if (!velmora::writePathFile(folder, text).isEmpty())
            std::abort();
        const velmora::PathFileRead again = velmora::readPathFile(folder);
        if (again.status != velmora::PathFileRead::Status::Folder || again.folder != text)
            std::abort();
        break;
    }
    }
    return 0;
}
