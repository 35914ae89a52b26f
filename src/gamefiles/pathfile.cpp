#include "gamefiles/pathfile.h"

#include "base/textcodec.h"
#include "gamefiles/fileerror.h"
#include "gamefiles/regularfile.h"
#include "gamefiles/savepipeline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace {

bool isBlank(QByteArrayView line)
{
    for (char c : line) {
        if (c != ' ' && c != '\t')
            return false;
    }
    return true;
}

} // namespace

QString gameFile(const QString &gameFolder, const QString &fileName)
{
    return gameFolder + QDir::separator() + QStringLiteral("cstrike") + QDir::separator() +
           fileName;
}

QString pathFileLocation(const QString &folder)
{
    return folder + QStringLiteral("/dir.vlm");
}

PathFileRead readPathFile(const QString &folder)
{
    const FileBytes file = readRegularFile(pathFileLocation(folder), kPathFileMaxBytes);
    if (!file.error.isEmpty())
        return {PathFileRead::Status::Failed, {}, file.error};
    const QByteArray &content = file.bytes;

    // The folder is the last line. A blank line after it (a hand-edited file) does not hide it.
    QByteArrayView last;
    bool found = false;
    qsizetype start = 0;
    const qsizetype size = content.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && content[end] != '\r' && content[end] != '\n')
            ++end;
        const QByteArrayView line(content.constData() + start, end - start);
        if (!isBlank(line)) {
            last = line;
            found = true;
        }
        // CR LF, LF and a lone CR all end a line.
        start =
            end + ((end + 1 < size && content[end] == '\r' && content[end + 1] == '\n') ? 2 : 1);
    }
    if (!found)
        return {PathFileRead::Status::Nothing, {}, {}};
    while (last.startsWith(' '))
        last = last.sliced(1);
    return {PathFileRead::Status::Folder, decodeLossless(last), {}};
}

QString writePathFile(const QString &folder, const QString &gameFolder)
{
    // Like every game file: never moved over a FIFO, a device or a read-only file.
    const QByteArray bytes = encodeLossless(gameFolder) + QByteArrayLiteral("\r\n");
    return writeFileAtomically(pathFileLocation(folder), bytes);
}

QString deletePathFile(const QString &folder)
{
    // The name goes, whatever it names: a link is removed, never what it leads to.
    const QString path = pathFileLocation(folder);
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
        return fileError(path, errno);
    return {};
}

bool namesNoFolder(const QString &storedFolder)
{
    const QString text = storedFolder.trimmed();
    if (text.isEmpty())
        return true;
    bool isNumber = false;
    const double value = QLocale::c().toDouble(text, &isNumber);
    return isNumber && value == 0.0;
}

bool isSystemFolder(const QString &folder)
{
    // The folders a package or an administrator installs programs into: a file there belongs to
    // no package, outlives the program's removal, and is shared by every user.
    static const char *const kSystemPrefixes[] = {"/usr",  "/opt",   "/bin",   "/sbin",
                                                  "/lib",  "/lib32", "/lib64", "/libx32",
                                                  "/snap", "/nix",   "/gnu"};
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    const QString path = canonical.isEmpty() ? QDir::cleanPath(folder) : canonical;
    for (const char *prefix : kSystemPrefixes) {
        const QString system = QString::fromLatin1(prefix);
        if (path == system || path.startsWith(system + QLatin1Char('/')))
            return true;
    }
    // Anywhere else, a folder of root's that the player does not own is an installation too.
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && info.st_uid == 0 &&
           !SaveSystem::real().asRoot;
}

PathFileStore::PathFileStore(QString programFolder, QString userFolder)
    : m_programFolder(std::move(programFolder))
    , m_userFolder(std::move(userFolder))
    , m_installed(!m_userFolder.isEmpty() && isSystemFolder(m_programFolder))
{
}

QString PathFileStore::activeFolder() const
{
    if (m_installed)
        return m_userFolder;
    if (m_userFolder.isEmpty() || QFileInfo::exists(pathFileLocation(m_programFolder)))
        return m_programFolder;
    return m_userFolder;
}

PathFileRead PathFileStore::read() const
{
    return readPathFile(activeFolder());
}

QString PathFileStore::write(const QString &gameFolder) const
{
    if (m_installed) {
        QDir().mkpath(m_userFolder);
        return writePathFile(m_userFolder, gameFolder);
    }
    const QString error = writePathFile(m_programFolder, gameFolder);
    if (error.isEmpty() || m_userFolder.isEmpty())
        return error;
    // Something other than a file in dir.vlm's place is refused, not passed over for a copy per
    // user: the stale-file removal below would delete it.
    const QFileInfo standing(pathFileLocation(m_programFolder));
    if (standing.exists() && !standing.isFile())
        return error;
    // The program's folder is read-only (an installed program): keep the file per user instead.
    QDir().mkpath(m_userFolder);
    if (!writePathFile(m_userFolder, gameFolder).isEmpty())
        return error;
    // A stale file beside the executable would still win over the new one.
    if (QFileInfo::exists(pathFileLocation(m_programFolder)) &&
        !deletePathFile(m_programFolder).isEmpty())
        return error;
    return {};
}

QString PathFileStore::remove() const
{
    // An installed program never reads a file beside it, so leaves it to the system's owner.
    if (m_installed)
        return deletePathFile(m_userFolder);
    const QString programError = deletePathFile(m_programFolder);
    const QString userError = m_userFolder.isEmpty() ? QString() : deletePathFile(m_userFolder);
    return programError.isEmpty() ? userError : programError;
}

} // namespace velmora
