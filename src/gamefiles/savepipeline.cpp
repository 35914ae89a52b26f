#include "gamefiles/savepipeline.h"

#include "gamefiles/fileerror.h"
#include "gamefiles/scriptfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <tuple>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace {

/// The links a save follows in a row before it gives up, as the kernel does (MAXSYMLINKS).
constexpr int kMostLinks = 40;
/// Folders between a file and the root of the file system, more than any real path has.
constexpr int kMostFolderLevels = 4096;

int openFolder(int base, const QByteArray &path)
{
    int fd;
    do {
        fd = ::openat(base, path.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

/// Whether the folder `folder` is `trusted` or lies below it, following its parents upwards: the
/// folders themselves are compared, so no spelling of a path can deceive the test.
bool liesInside(int folder, int trusted)
{
    struct stat want;
    struct stat here;
    if (::fstat(trusted, &want) != 0 || ::fstat(folder, &here) != 0)
        return false;
    FileDescriptor current(::openat(folder, ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    for (int level = 0; current.isOpen() && level < kMostFolderLevels; ++level) {
        if (sameFile(here, want))
            return true;
        FileDescriptor parent(openFolder(current.get(), ".."));
        struct stat above;
        if (!parent.isOpen() || ::fstat(parent.get(), &above) != 0 || sameFile(above, here))
            return false; // the root of the file system, or a folder one may not climb out of
        current = std::move(parent);
        here = above;
    }
    return false;
}

QString gameFilesText(const char *text)
{
    return QCoreApplication::translate("GameFiles", text);
}

QString outsideTheGameFolder(const QString &path)
{
    return fileErrorText(gameFilesText(QT_TRANSLATE_NOOP(
                             "GameFiles", "Запись по ссылке за пределы папки игры запрещена")),
                         path);
}

QString anotherUsersFile(const QString &path)
{
    return fileErrorText(
        gameFilesText(QT_TRANSLATE_NOOP("GameFiles",
                                        "Запись по ссылке в файл другого пользователя запрещена")),
        path);
}

QString changedMeanwhile(const QString &path)
{
    return fileErrorText(
        gameFilesText(QT_TRANSLATE_NOOP("GameFiles", "Файл заменили другим, пока шло сохранение")),
        path);
}

/// The stamp of a new file in `folder`: its owner and group, the umask's mode.
FileStamp folderStamp(int folder)
{
    struct stat info;
    if (::fstat(folder, &info) != 0)
        return {};
    return {true, 0, info.st_uid, info.st_gid};
}

QString notRegular(const QString &path)
{
    return QCoreApplication::translate("GameFiles", "Это не обычный файл: %1")
        .arg(QDir::toNativeSeparators(path));
}

/// The text a link holds, or nothing with errno set.
QByteArray linkText(int folder, const QByteArray &name, qint64 sizeHint)
{
    QByteArray text(qsizetype(std::max<qint64>(sizeHint, 64)) + 1, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::readlinkat(folder, name.constData(), text.data(), size_t(text.size()));
        if (n < 0)
            return {};
        if (n < text.size()) {
            text.resize(n);
            if (text.isEmpty())
                errno = ENOENT;
            return text;
        }
        text.resize(text.size() * 2); // the link grew since it was looked at
    }
}

qint64 writeToDisk(const QString &, int fd, QByteArrayView bytes)
{
    ssize_t n;
    do {
        n = ::write(fd, bytes.data(), size_t(bytes.size()));
    } while (n < 0 && errno == EINTR);
    return n;
}

} // namespace

SaveSystem SaveSystem::real()
{
    return {::geteuid() == 0, writeToDisk};
}

FileDescriptor &FileDescriptor::operator=(FileDescriptor &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

FileDescriptor::~FileDescriptor()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

SaveTarget::SaveTarget(const QString &path, const QString &trustedFolder, LinkRule rule,
                       const SaveSystem &system, bool readOld)
    : m_path(path)
{
    const QFileInfo info(m_path);
    m_folder = FileDescriptor(openFolder(AT_FDCWD, QFile::encodeName(info.absolutePath())));
    m_name = QFile::encodeName(info.fileName());
    if (!m_folder.isOpen()) {
        m_error = fileError(m_path, errno);
        return;
    }
    // What stands in the place itself: the rename must still find it there.
    struct stat place;
    m_placeTaken = ::fstatat(m_folder.get(), m_name.constData(), &place, AT_SYMLINK_NOFOLLOW) == 0;
    if (!m_placeTaken && errno != ENOENT) {
        m_error = fileError(m_path, errno);
        return;
    }
    m_device = m_placeTaken ? place.st_dev : 0;
    m_inode = m_placeTaken ? place.st_ino : 0;
    // Velmora's own file is written in its own place; what a link there names is looked at only
    // when it is to be read, under the same rules as the player's files.
    if (rule == LinkRule::Replace && m_placeTaken && S_ISLNK(place.st_mode) && !readOld) {
        m_stamp = folderStamp(m_folder.get());
        return;
    }
    const QString trusted = trustedFolder.isEmpty() ? info.absolutePath() : trustedFolder;
    FileDescriptor folder(::fcntl(m_folder.get(), F_DUPFD_CLOEXEC, 0));
    QByteArray name = m_name;
    std::pair<quint64, quint64> identity{0, 0};
    m_error = resolve(trusted, system, folder, name);
    if (m_error.isEmpty())
        m_error = inspect(system, folder.get(), name, readOld, &identity);
    if (m_error.isEmpty() && rule == LinkRule::Follow) {
        // The player's file is replaced where its links lead.
        m_folder = std::move(folder);
        m_name = name;
        m_placeTaken = m_exists;
        std::tie(m_device, m_inode) = identity;
    }
    if (m_error.isEmpty())
        m_error = holdPlace();
}

QString SaveTarget::holdPlace()
{
    if (!m_placeTaken)
        return {};
    // Held open until the rename, what stands in the place keeps its inode number: a file put
    // there meanwhile can never pass for it by taking over a freed number.
    m_held = FileDescriptor(
        ::openat(m_folder.get(), m_name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct stat held;
    if (!m_held.isOpen() || ::fstat(m_held.get(), &held) != 0 || held.st_dev != m_device ||
        held.st_ino != m_inode)
        return changedMeanwhile(m_path);
    return {};
}

QString SaveTarget::resolve(const QString &trustedFolder, const SaveSystem &system,
                            FileDescriptor &folder, QByteArray &name) const
{
    // The links are followed here, one at a time, so each can be judged; the kernel is never
    // asked to follow the last part of a path.
    QList<uint> linkOwners;
    for (;;) {
        struct stat entry;
        if (::fstatat(folder.get(), name.constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT)
                break; // nothing there yet: a new file
            return fileError(m_path, errno);
        }
        if (!S_ISLNK(entry.st_mode))
            break;
        if (linkOwners.size() == kMostLinks)
            return fileError(m_path, ELOOP);
        linkOwners.append(entry.st_uid);
        const QByteArray target = linkText(folder.get(), name, entry.st_size);
        if (target.isEmpty())
            return fileError(m_path, errno);
        const qsizetype slash = target.lastIndexOf('/');
        const QByteArray targetName = target.mid(slash + 1);
        if (targetName.isEmpty() || targetName == "." || targetName == "..")
            return fileError(m_path, EISDIR);
        if (slash >= 0) {
            const QByteArray targetFolder = slash == 0 ? QByteArray("/") : target.left(slash);
            FileDescriptor next(openFolder(folder.get(), targetFolder));
            if (!next.isOpen())
                return fileError(m_path, errno);
            folder = std::move(next);
        }
        name = targetName;
    }
    if (!system.asRoot)
        return {};
    // Root writes nowhere a player could not: the file's folder must lie in the game folder,
    // and every link on the way must belong to the owner of the file it leads to.
    const FileDescriptor trusted(openFolder(AT_FDCWD, QFile::encodeName(trustedFolder)));
    if (!trusted.isOpen() || !liesInside(folder.get(), trusted.get()))
        return outsideTheGameFolder(m_path);
    struct stat owner;
    if (::fstatat(folder.get(), name.constData(), &owner, AT_SYMLINK_NOFOLLOW) != 0 &&
        ::fstat(folder.get(), &owner) != 0)
        return fileError(m_path, errno);
    for (uint linkOwner : std::as_const(linkOwners)) {
        if (linkOwner != owner.st_uid)
            return anotherUsersFile(m_path);
    }
    return {};
}

QString SaveTarget::inspect(const SaveSystem &system, int folder, const QByteArray &name,
                            bool readOld, std::pair<quint64, quint64> *identity)
{
    struct stat entry;
    if (::fstatat(folder, name.constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT)
            return fileError(m_path, errno);
        m_stamp = folderStamp(folder);
        return {};
    }
    if (S_ISDIR(entry.st_mode))
        return fileError(m_path, EISDIR);
    if (!S_ISREG(entry.st_mode))
        return notRegular(m_path);
    m_exists = true;
    *identity = {quint64(entry.st_dev), quint64(entry.st_ino)};
    m_stamp = {true, uint(entry.st_mode & 07777), entry.st_uid, entry.st_gid};
    // A read-only file is read but never replaced: a new file moved over it would bypass its
    // protection. Root may write anything, so for root the owner's write bit is the player's word.
    if (system.asRoot ? !(entry.st_mode & S_IWUSR)
                      : ::faccessat(folder, name.constData(), W_OK, AT_EACCESS) != 0)
        m_writeRefusal = fileError(m_path, system.asRoot ? EACCES : errno);
    if (!readOld)
        return {};
    const FileDescriptor file(::openat(folder, name.constData(),
                                       O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat opened;
    if (!file.isOpen() || ::fstat(file.get(), &opened) != 0)
        return errno == ELOOP ? changedMeanwhile(m_path) : fileError(m_path, errno);
    if (!sameFile(opened, entry))
        return changedMeanwhile(m_path);
    return readScriptFile(file.get(), m_path, &m_bytes);
}

SaveCommit::~SaveCommit()
{
    for (const Pending &pending : m_pending) {
        if (!pending.temporary.isEmpty())
            ::unlinkat(pending.folder.get(), pending.temporary.constData(), 0);
    }
}

QString SaveCommit::add(const SaveTarget &target, QByteArrayView bytes, const FileStamp &like)
{
    const QString &path = target.path();
    if (!target.m_writeRefusal.isEmpty())
        return target.m_writeRefusal;
    FileDescriptor folder(::fcntl(target.m_folder.get(), F_DUPFD_CLOEXEC, 0));
    if (!folder.isOpen())
        return fileError(path, errno);
    const QByteArray temporary = '.' + target.m_name + ".velmora-" +
                                 QByteArray::number(QRandomGenerator::global()->generate64(), 36);
    // A file that takes a known mode is created private and opened up afterwards, so no one can
    // open a backup of a private script while it is being written.
    const bool keepsMode = like.known && like.mode != 0;
    FileDescriptor file(::openat(folder.get(), temporary.constData(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                 keepsMode ? 0600 : 0666));
    if (!file.isOpen())
        return fileError(path, errno);
    FileDescriptor held(target.m_held.isOpen() ? ::fcntl(target.m_held.get(), F_DUPFD_CLOEXEC, 0)
                                               : -1);
    m_pending.push_back({std::move(folder), std::move(held), target.m_name, temporary, path,
                         target.m_placeTaken, target.m_device, target.m_inode});
    if (keepsMode && ::fchmod(file.get(), like.mode) != 0)
        return fileError(path, errno);
    // A save by root leaves the player's files the player's.
    if (m_system.asRoot && like.known && ::fchown(file.get(), like.owner, like.group) != 0)
        return fileError(path, errno);
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 n = m_system.write(path, file.get(), bytes.sliced(written));
        if (n <= 0)
            return fileError(path, n < 0 ? errno : ENOSPC);
        written += n;
    }
    // Every byte on the disk before any name moves: a disk that fails to store them fails here,
    // while the old files are still whole.
    if (::fdatasync(file.get()) != 0)
        return fileError(path, errno);
    return {};
}

QString SaveCommit::finish()
{
    // The places are looked at again: whatever was put there since the check is refused (an empty
    // place has no inode to match), and since a rename replaces the name itself, a link swapped in
    // later is replaced, not followed. A file removed meanwhile is simply written anew.
    for (const Pending &pending : m_pending) {
        struct stat now;
        if (::fstatat(pending.folder.get(), pending.name.constData(), &now, AT_SYMLINK_NOFOLLOW) !=
            0) {
            if (errno == ENOENT)
                continue;
            return fileError(pending.path, errno);
        }
        if (!pending.placeTaken || now.st_dev != pending.device || now.st_ino != pending.inode)
            return changedMeanwhile(pending.path);
    }
    for (Pending &pending : m_pending) {
        const int folder = pending.folder.get();
        if (::renameat(folder, pending.temporary.constData(), folder, pending.name.constData()) !=
            0)
            return fileError(pending.path, errno);
        pending.temporary.clear();
    }
    // The new names on the disk too, once for the folder of the last file (Save's two files share
    // cstrike); a folder that cannot be synced still holds them.
    if (!m_pending.empty()) {
        const FileDescriptor sync(
            ::openat(m_pending.back().folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (sync.isOpen())
            ::fsync(sync.get());
    }
    return {};
}

QString writeFileAtomically(const QString &path, QByteArrayView bytes, const QString &trustedFolder,
                            const SaveSystem &system)
{
    const SaveTarget target(path, trustedFolder, LinkRule::Follow, system, false);
    if (!target.error().isEmpty())
        return target.error();
    SaveCommit commit(system);
    if (QString error = commit.add(target, bytes, target.stamp()); !error.isEmpty())
        return error;
    return commit.finish();
}

} // namespace velmora
