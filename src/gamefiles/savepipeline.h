#pragma once

// The one way Velmora writes a file: Save, Save as, Restore, the userconfig.cfg chain and dir.vlm
// all resolve their places once, read what stands there through the descriptor they checked, write
// every new file beside the one it replaces, and rename the new files over the old ones only when
// all of them are written and synced.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

namespace velmora {

/// What a save asks of the system. Tests put in their own: root or a player whoever runs them, a
/// disk that fills part-way.
struct SaveSystem
{
    /// Whether Velmora runs with root's rights (as a desktop tool started with sudo may).
    bool asRoot = false;
    /// Writes some of `bytes` to the new file `fd` that will take the name `path`: the count
    /// written, or -1 with errno set.
    std::function<qint64(const QString &path, int fd, QByteArrayView bytes)> write;

    /// The running system: root when the effective user is, every byte through write(2).
    static SaveSystem real();
};

/// An open file descriptor, closed with its owner.
class FileDescriptor
{
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    FileDescriptor(FileDescriptor &&other) noexcept
        : m_fd(std::exchange(other.m_fd, -1))
    {
    }
    FileDescriptor &operator=(FileDescriptor &&other) noexcept;
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    ~FileDescriptor();

    int get() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

/// What a save gives the file it writes, read from what it replaces.
struct FileStamp
{
    bool known = false;
    uint mode = 0; ///< permission bits; 0 for a new file, which takes the umask's
    uint owner = 0;
    uint group = 0;
};

/// How a save treats a link in the place it writes.
enum class LinkRule {
    /// A link is followed to the file it names, which is read and replaced (the player's own
    /// scripts). Run as root, every link of the chain must stay in the trusted folder and belong
    /// to the owner of the file it leads to; otherwise whoever may put a link in the game folder
    /// could have root replace or create any file.
    Follow,
    /// Velmora's own file (the backup): the file is read through its link as under Follow, but the
    /// new file replaces the link itself, never what it names.
    Replace,
};

/// A place a save writes, resolved once. The file read and the file replaced are the ones
/// checked: everything goes through the folder descriptors held here, so a link put in place
/// after the check is replaced, never written through.
class SaveTarget
{
public:
    /// Resolves `path`, links followed by `rule`, and, when `readOld`, reads the regular file that
    /// stands there (no more than kScriptMaxBytes). `trustedFolder`: where a link may lead when
    /// running as root. A FIFO, a device or a folder in its place is refused; a file the user may
    /// not write (for root: one without the owner's write bit, the player's word) is read, but
    /// SaveCommit::add() refuses to replace it.
    SaveTarget(const QString &path, const QString &trustedFolder, LinkRule rule,
               const SaveSystem &system, bool readOld = true);

    const QString &path() const { return m_path; }
    /// Why the place cannot be written (naming the path), or nothing.
    const QString &error() const { return m_error; }
    /// Whether a regular file stands there now.
    bool exists() const { return m_exists; }
    /// Its bytes (read only when asked for).
    const QByteArray &bytes() const { return m_bytes; }
    /// Its mode and owner; for a place where nothing stands, the owner of its folder.
    const FileStamp &stamp() const { return m_stamp; }

private:
    friend class SaveCommit;

    /// Follows the links from `name` in `folder` to the file they lead to, judging each as root.
    QString resolve(const QString &trustedFolder, const SaveSystem &system, FileDescriptor &folder,
                    QByteArray &name) const;
    /// Looks at the file the links led to, and reads it when asked.
    QString inspect(const SaveSystem &system, int folder, const QByteArray &name, bool readOld,
                    std::pair<quint64, quint64> *identity);
    /// Opens what stands in the place, checking it is what was judged.
    QString holdPlace();

    QString m_path;
    QString m_error;
    QString m_writeRefusal;    ///< why the file may be read but not replaced
    FileDescriptor m_folder;   ///< the folder the new file is written into
    QByteArray m_name;         ///< its name there
    bool m_exists = false;     ///< a regular file stands there, links followed
    bool m_placeTaken = false; ///< anything stands at m_name: what the rename must still find
    quint64 m_device = 0;
    quint64 m_inode = 0;
    FileDescriptor m_held; ///< what stands at m_name, held so its inode number stays its own
    QByteArray m_bytes;
    FileStamp m_stamp;
};

/// New files written completely beside the files they replace, then given their names together:
/// a failure anywhere before the renames leaves every old file as it was and no new file behind.
class SaveCommit
{
public:
    explicit SaveCommit(const SaveSystem &system)
        : m_system(system)
    {
    }
    SaveCommit(const SaveCommit &) = delete;
    SaveCommit &operator=(const SaveCommit &) = delete;
    ~SaveCommit(); ///< removes every new file that has not taken its name

    /// Writes `bytes` into a new file beside `target`'s file, synced, with the mode of `like`
    /// (a new file: the umask's) and, as root, its owner and group. Returns the error text.
    [[nodiscard]] QString add(const SaveTarget &target, QByteArrayView bytes,
                              const FileStamp &like);

    /// Checks that every place still holds what was checked, then renames each new file over its
    /// place, in the order added. Returns the error text; nothing is renamed after a failure.
    [[nodiscard]] QString finish();

private:
    /// A new file and the place it takes, held apart from the target, which may go first.
    struct Pending
    {
        FileDescriptor folder;
        FileDescriptor held; ///< what stood in the place when it was checked
        QByteArray name;
        QByteArray temporary; ///< the new file's name in the folder; empty once renamed
        QString path;
        bool placeTaken;
        quint64 device;
        quint64 inode;
    };

    const SaveSystem &m_system;
    std::vector<Pending> m_pending;
};

/// Replaces (or creates) one file with `bytes` through the pipeline, links followed by the rules
/// (root: inside `trustedFolder`; empty: the file's own folder). Returns the error text.
[[nodiscard]] QString writeFileAtomically(const QString &path, QByteArrayView bytes,
                                          const QString &trustedFolder = {},
                                          const SaveSystem &system = SaveSystem::real());

} // namespace velmora
