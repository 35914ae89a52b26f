#include "gamefiles/savetarget.h"

#include "gamefiles/fileerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velmora {

namespace {

std::optional<bool> g_rootForTests;

/// The absolute, link-free location a path leads to, also when its last part is not there yet;
/// empty when its folder cannot be resolved.
QString resolvedLocation(const QString &path)
{
    QFileInfo info(path);
    // The links of the last part first (each relative to its own folder), then the folders.
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    if (info.isSymLink())
        return {};
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + info.fileName();
}

} // namespace

bool runsAsRoot()
{
    if (g_rootForTests)
        return *g_rootForTests;
#ifdef Q_OS_UNIX
    return ::geteuid() == 0;
#else
    return false;
#endif
}

void setRunsAsRootForTests(std::optional<bool> answer)
{
    g_rootForTests = answer;
}

QString checkWriteTarget(const QString &path, const QString &trustedFolder)
{
#ifdef Q_OS_UNIX
    if (!runsAsRoot())
        return {};
    const QString location = resolvedLocation(path);
    const QString trusted = QFileInfo(trustedFolder).canonicalFilePath();
    // A place that cannot be resolved (a missing folder, a link loop) is left to the save, which
    // fails there with the system's reason and writes nothing.
    if (location.isEmpty() || trusted.isEmpty())
        return {};
    if (!location.startsWith(trusted + QLatin1Char('/'))) {
        return fileErrorText(QCoreApplication::translate(
                                 "GameFiles", "Запись по ссылке за пределы папки игры запрещена"),
                             path);
    }
    struct stat link;
    if (::lstat(QFile::encodeName(path).constData(), &link) != 0 || !S_ISLNK(link.st_mode))
        return {};
    const FileStamp target = stampOf(location);
    if (!target.known || target.owner != link.st_uid) {
        return fileErrorText(
            QCoreApplication::translate("GameFiles",
                                        "Запись по ссылке в файл другого пользователя запрещена"),
            path);
    }
    return {};
#else
    Q_UNUSED(path);
    Q_UNUSED(trustedFolder);
    return {};
#endif
}

FileStamp stampOf(const QString &path)
{
    FileStamp stamp;
#ifdef Q_OS_UNIX
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) == 0) {
        stamp.mode = info.st_mode & 0777;
    } else if (::stat(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &info) != 0) {
        return stamp;
    }
    stamp.known = true;
    stamp.owner = info.st_uid;
    stamp.group = info.st_gid;
#else
    Q_UNUSED(path);
#endif
    return stamp;
}

QString applyStamp(int fd, const FileStamp &mode, const FileStamp &owner, const QString &path)
{
#ifdef Q_OS_UNIX
    if (mode.known && mode.mode != 0 && ::fchmod(fd, mode.mode) != 0)
        return fileError(path, errno);
    struct stat now;
    if (runsAsRoot() && owner.known && ::fstat(fd, &now) == 0 &&
        (now.st_uid != owner.owner || now.st_gid != owner.group) &&
        ::fchown(fd, owner.owner, owner.group) != 0)
        return fileError(path, errno);
#else
    Q_UNUSED(fd);
    Q_UNUSED(mode);
    Q_UNUSED(owner);
    Q_UNUSED(path);
#endif
    return {};
}

} // namespace velmora
