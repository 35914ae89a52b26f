// Save when things go wrong: the disk fills, the process dies half-way, the file is protected, a
// link or a folder stands where autoexec.cfg should be. Whatever happens, the player's previous
// autoexec.cfg is either left whole or replaced whole, and so are its backup and userconfig.cfg.

#include "fakedevices.h"
#include "gamefiles/autoexec.h"
#include "gamefiles/configfiles.h"
#include "gamefiles/fileerror.h"
#include "gamefiles/pathfile.h"
#include "gamefiles/savepipeline.h"
#include "gamefiles/userconfig.h"
#include "testfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#endif

using namespace velmora;

namespace {

const char *const kChildFlag = "--save-child";
const QStringList kBoth{QStringLiteral("autoexec.cfg"), QStringLiteral("autoexec.cfg.bak")};

/// A box of `lines` generated lines, all alike but numbered, with the given mark in each, so two
/// contents of the same size still differ everywhere.
QString boxText(int lines, char mark)
{
    QString text;
    text.reserve(lines * 40);
    for (int i = 0; i < lines; ++i) {
        text += QStringLiteral("bind \"") + QChar::fromLatin1(mark) + QString::number(i) +
                QStringLiteral("\" \"say сохранение, номер ") + QString::number(i) +
                QStringLiteral("\"\n");
    }
    return text;
}

/// The child process: "hang" saves through HangingSaveFile; "loop" saves the two big contents
/// 'a' and 'b' in turn for ever, announcing each save before it starts.
int childMain(int argc, char **argv)
{
    if (argc < 4)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const QByteArray mode = argv[3];
    if (mode == "hang") {
        // Never returns: the new backup is written whole, then the parent kills the process
        // half-way through the write of the new autoexec.cfg.
        const QString error = saveAutoexec(
            folder, autoexecBytes(boxText(100000, 'a')), nullptr,
            hangingDisk([](const QString &path) { return !path.endsWith(u".bak"_qs); }));
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        return 1;
    }
    const QString contents[2] = {boxText(100000, 'a'), boxText(100000, 'b')};
    for (int round = 0;; ++round) {
        std::printf("saving %d\n", round);
        std::fflush(stdout);
        const QString error = saveAutoexec(folder, contents[round % 2]);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
            return 1;
        }
    }
}

} // namespace

class FaultSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void diskFullOnSmallFilesystem();
    void deviceFailsPartWay_data();
    void deviceFailsPartWay();
    void backupFailsPartWay_data();
    void backupFailsPartWay();
    void userconfigFailsPartWay();
    void diskFillsNearTheEnd_data();
    void diskFillsNearTheEnd();
    void killedWhileHalfWritten();
    void killedDuringSaves_data();
    void killedDuringSaves();
    void readOnlyFileRefused_data();
    void readOnlyFileRefused();
    void symbolicLinkFollowed_data();
    void symbolicLinkFollowed();
    void linksAsRootOrPlayer_data();
    void linksAsRootOrPlayer();
    void placeTakenWhileWriting_data();
    void placeTakenWhileWriting();
    void chainPastTheLinkLimit();
    void modesAndOwnersKept_data();
    void modesAndOwnersKept();
    void folderInItsPlace();
    void nothingTheGameWouldMisread_data();
    void nothingTheGameWouldMisread();
    void reasonsInRussian_data();
    void reasonsInRussian();

private:
    QString cstrike() const { return m_dir->path() + QStringLiteral("/cstrike"); }
    QString autoexec() const { return cstrike() + QStringLiteral("/autoexec.cfg"); }
    QString backup() const { return autoexec() + QStringLiteral(".bak"); }
    QString userconfig() const { return cstrike() + QStringLiteral("/userconfig.cfg"); }
    QStringList cstrikeEntries() const { return folderEntries(cstrike()); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_mounted;
};

void FaultSave::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("cstrike")));
}

void FaultSave::cleanup()
{
#ifdef Q_OS_LINUX
    if (!m_mounted.isEmpty())
        ::umount2(QFile::encodeName(m_mounted).constData(), MNT_DETACH);
#endif
    m_mounted.clear();
    if (QFileInfo(autoexec()).exists())
        QFile::setPermissions(autoexec(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    m_dir.reset();
}

void FaultSave::diskFullOnSmallFilesystem()
{
#ifdef Q_OS_LINUX
    // A 128 KiB filesystem as the cstrike folder: room for the old file and its backup, not for
    // a big new one.
    const QByteArray where = QFile::encodeName(cstrike());
    if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=128k,mode=0755") != 0)
        QSKIP(qPrintable(QStringLiteral("cannot mount a small filesystem here: ") +
                         systemText(errno)));
    m_mounted = cstrike();

    // Two saves: an older backup and the current script.
    QCOMPARE(saveAutoexec(m_dir->path(), boxText(600, 'o')), QString());
    const QByteArray older = readBytes(autoexec());
    QCOMPARE(saveAutoexec(m_dir->path(), boxText(600, 'p')), QString());
    const QByteArray previous = readBytes(autoexec());
    QVERIFY2(previous.size() > 20000 && readBytes(backup()) == older,
             "the old files could not be written");

    // A save that fails changes no file: the older backup is not replaced either.
    const QString error = saveAutoexec(m_dir->path(), boxText(20000, 'n'));
    QCOMPARE(error, fileError(autoexec(), ENOSPC));
    QCOMPARE(readBytes(autoexec()), previous);
    QCOMPARE(readBytes(backup()), older);
    QCOMPARE(cstrikeEntries(), kBoth);

    // The space the failed save took is given back: a small save fits beside the old file.
    const QString small = boxText(100, 's');
    QCOMPARE(saveAutoexec(m_dir->path(), small), QString());
    QCOMPARE(readBytes(autoexec()), autoexecBytes(small));
#else
    QSKIP("small filesystems are mounted on Linux only");
#endif
}

void FaultSave::deviceFailsPartWay_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("hadFile");
    QTest::addColumn<qint64>("budget");

    const qint64 size = autoexecBytes(boxText(20000, 'n')).size();
    for (const char *command : {"save", "save as", "restore"}) {
        for (bool hadFile : {true, false}) {
            // A restore without autoexec.cfg writes only the small backup's copy.
            if (!hadFile && command == std::string_view("restore"))
                continue;
            const char *which = hadFile ? "replacing" : "creating";
            for (const auto &[name, budget] : {std::pair{"nothing fits", qint64(0)},
                                               {"one byte fits", 1},
                                               {"half fits", size / 2},
                                               {"all but the last byte fit", size - 1}}) {
                QTest::addRow("%s, %s, %s", command, which, name)
                    << QString::fromLatin1(command) << hadFile << budget;
            }
        }
    }
}

void FaultSave::deviceFailsPartWay()
{
    QFETCH(QString, command);
    QFETCH(bool, hadFile);
    QFETCH(qint64, budget);

    const QByteArray previous = "bind \"w\" \"+forward\"\r\n\r\n";
    const QByteArray next = autoexecBytes(boxText(20000, 'n'));
    QString error;
    QStringList entries;
    if (command == u"save as") {
        // A profile of the player's: the same bytes, the same way, under a name of their own.
        const QString profile = cstrike() + QStringLiteral("/profile.cfg");
        if (hadFile)
            QVERIFY(writeFile(profile, previous));
        error = saveConfigFile(m_dir->path(), profile, next, fullDisk(budget));
        if (hadFile) {
            QCOMPARE(readBytes(profile), previous);
            entries << QStringLiteral("profile.cfg");
        }
    } else if (command == u"restore") {
        // The big autoexec.cfg fails to become the backup, or the small backup to come back.
        const QByteArray current = autoexecBytes(boxText(20000, 'n'));
        QVERIFY(writeFile(autoexec(), current));
        QVERIFY(writeFile(backup(), previous));
        error = restoreAutoexec(m_dir->path(), fullDisk(budget));
        QCOMPARE(readBytes(autoexec()), current);
        QCOMPARE(readBytes(backup()), previous);
        entries = kBoth;
    } else {
        if (hadFile)
            QVERIFY(writeFile(autoexec(), previous));
        // The new backup is written; the new autoexec.cfg fails, and neither takes a name.
        error = saveAutoexec(
            m_dir->path(), next, nullptr,
            fullDisk(budget, [](const QString &path) { return !path.endsWith(u".bak"_qs); }));
        if (hadFile) {
            QCOMPARE(readBytes(autoexec()), previous);
            entries << QStringLiteral("autoexec.cfg");
        }
    }
    QVERIFY2(error.startsWith(errorReason(ENOSPC) + u": "_qs), qPrintable(error));
    QCOMPARE(cstrikeEntries(), entries);
}

void FaultSave::backupFailsPartWay_data()
{
    QTest::addColumn<bool>("hadBackup");
    QTest::newRow("first backup") << false;
    QTest::newRow("replacing a backup") << true;
}

void FaultSave::backupFailsPartWay()
{
    QFETCH(bool, hadBackup);

    // The backup fails half-way: Save stops there, autoexec.cfg and any older backup stay.
    const QByteArray previous = autoexecBytes(boxText(50, 'o'));
    QVERIFY(writeFile(autoexec(), previous));
    if (hadBackup)
        QVERIFY(writeFile(backup(), "older"));
    const QString error =
        saveAutoexec(m_dir->path(), autoexecBytes(boxText(20, 'n')), nullptr, fullDisk(1000));
    QCOMPARE(error, fileError(backup(), ENOSPC));
    QCOMPARE(readBytes(autoexec()), previous);
    if (hadBackup)
        QCOMPARE(readBytes(backup()), QByteArray("older"));
    QCOMPARE(cstrikeEntries(), hadBackup ? kBoth : QStringList{QStringLiteral("autoexec.cfg")});
}

void FaultSave::userconfigFailsPartWay()
{
    // The old bytes fit, the chain does not: userconfig.cfg stays as it was.
    const QString userconfig = cstrike() + QStringLiteral("/userconfig.cfg");
    const QByteArray previous = "bind \"w\" \"+forward\"\r\n\r\nname \"x\"\r\n";
    QVERIFY(writeFile(userconfig, previous));
    const QString error = addUserconfigChain(m_dir->path(), fullDisk(30));
    QCOMPARE(error, fileError(userconfig, ENOSPC));
    QCOMPARE(readBytes(userconfig), previous);
    QCOMPARE(cstrikeEntries(), QStringList{QStringLiteral("userconfig.cfg")});
}

void FaultSave::diskFillsNearTheEnd_data()
{
    QTest::addColumn<QString>("failing");      ///< the file the disk fills up in
    QTest::addColumn<bool>("smallFilesystem"); ///< a 64 KiB tmpfs, else a file size limit
    for (bool small : {false, true}) {
        for (const char *file : {"autoexec.cfg", "autoexec.cfg.bak", "userconfig.cfg"})
            QTest::addRow("%s, %s", file, small ? "tmpfs" : "size limit") << file << small;
    }
}

void FaultSave::diskFillsNearTheEnd()
{
    QFETCH(QString, failing);
    QFETCH(bool, smallFilesystem);
#ifdef Q_OS_LINUX
    const QByteArray where = QFile::encodeName(cstrike());
    if (smallFilesystem && ::mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP(qPrintable(u"cannot mount a small filesystem here: "_qs + systemText(errno)));
    m_mounted = smallFilesystem ? cstrike() : QString();
    const bool chain = failing == u"userconfig.cfg";
    const QByteArray old =
        chain ? QByteArray(31000, 'x') + "\r\n" : autoexecBytes(boxText(300, 'o'));
    const QString box = boxText(500, 'n');
    QVERIFY(writeFile(chain ? userconfig() : autoexec(), old));
    // What the save writes first fits; the failing file has room for all but its last 6,000
    // bytes: a short write, then a refusal, of less than the 16 KiB a buffer would hide.
    const qint64 first = failing == u"autoexec.cfg" ? old.size() : 0;
    const qint64 room = (first ? autoexecBytes(box).size() : old.size() + 120 * chain) - 6000;
    struct rlimit unlimited, limit;
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    if (smallFilesystem) {
        struct statvfs fs;
        QCOMPARE(::statvfs(where.constData(), &fs), 0);
        const qint64 page = qint64(fs.f_frsize), pages = qint64(fs.f_bavail);
        const qint64 fill = pages - (first + page - 1) / page - room / page;
        QVERIFY(fill > 0 && writeFile(cstrike() + u"/filler"_qs, QByteArray(fill * page, 'f')));
    } else {
        std::signal(SIGXFSZ, SIG_IGN);
        limit = {rlim_t(room), unlimited.rlim_max};
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    QStringList after = cstrikeEntries();
    const QString error =
        chain ? addUserconfigChain(m_dir->path()) : saveAutoexec(m_dir->path(), box);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &unlimited), 0);

    QCOMPARE(error, fileError(cstrike() + u'/' + failing, smallFilesystem ? ENOSPC : EFBIG));
    // Nothing changed: not even the backup the save would have written first.
    QCOMPARE(readBytes(chain ? userconfig() : autoexec()), old);
    QCOMPARE(cstrikeEntries(), after);
#else
    QSKIP("short writes are made on Linux only");
#endif
}

void FaultSave::killedWhileHalfWritten()
{
    const QByteArray previous = "alias old \"say I survive\"\r\n\r\n";
    QVERIFY(writeFile(autoexec(), previous));

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(kChildFlag), m_dir->path(), QStringLiteral("hang")});
    QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
    // The child says "half" once the new content is half on disk, then waits to be killed.
    QByteArray said;
    while (!said.contains("half\n") && child.state() == QProcess::Running) {
        child.waitForReadyRead(1000);
        said += child.readAllStandardOutput();
    }
    QVERIFY2(said.contains("half\n"), child.readAllStandardError().constData());
    child.kill();
    QVERIFY(child.waitForFinished());

    // The save was killed before its renames: no file took a new content, the backup included.
    QCOMPARE(readBytes(autoexec()), previous);
    QVERIFY(!QFile::exists(backup()));
    // Whatever the child left of its new content (an unnamed or a temporary file) took no name
    // of the player's.
    for (const QString &name : cstrikeEntries()) {
        if (!kBoth.contains(name))
            qInfo("left behind by the killed save: %s", qPrintable(name));
    }
    // And the next save replaces the file as usual.
    QCOMPARE(saveAutoexec(m_dir->path(), boxText(3, 'z')), QString());
    QCOMPARE(readBytes(autoexec()), autoexecBytes(boxText(3, 'z')));
}

void FaultSave::killedDuringSaves_data()
{
    QTest::addColumn<int>("announcements");
    QTest::addColumn<int>("delayMs");
    // The kill lands at different points of a save: right at its start, somewhere in the write,
    // near its end or after it, as the child races on.
    QTest::newRow("first save, at once") << 1 << 0;
    QTest::newRow("first save, 2 ms in") << 1 << 2;
    QTest::newRow("second save, 7 ms in") << 2 << 7;
    QTest::newRow("third save, 15 ms in") << 3 << 15;
    QTest::newRow("fourth save, 30 ms in") << 4 << 30;
}

void FaultSave::killedDuringSaves()
{
    QFETCH(int, announcements);
    QFETCH(int, delayMs);

    const QByteArray previous = "alias old \"say I survive\"\r\n\r\n";
    QVERIFY(writeFile(autoexec(), previous));
    const QList<QByteArray> whole = {previous, autoexecBytes(boxText(100000, 'a')),
                                     autoexecBytes(boxText(100000, 'b'))};

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(kChildFlag), m_dir->path(), QStringLiteral("loop")});
    QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
    QByteArray said;
    while (said.count("saving") < announcements && child.state() == QProcess::Running) {
        child.waitForReadyRead(1000);
        said += child.readAllStandardOutput();
    }
    QVERIFY2(said.count("saving") >= announcements, child.readAllStandardError().constData());
    if (delayMs > 0)
        QThread::msleep(delayMs);
    child.kill();
    QVERIFY(child.waitForFinished());

    const QByteArray now = readBytes(autoexec());
    const qsizetype which = whole.indexOf(now);
    QVERIFY2(which >= 0,
             qPrintable(QStringLiteral("autoexec.cfg is not whole: %1 bytes").arg(now.size())));
    // The backup, once there, is always one whole earlier content.
    if (QFile::exists(backup())) {
        const QByteArray bak = readBytes(backup());
        QVERIFY2(whole.contains(bak),
                 qPrintable(QStringLiteral("the backup is not whole: %1 bytes").arg(bak.size())));
    }
}

void FaultSave::readOnlyFileRefused_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("protectedFile");
    QTest::newRow("save") << u"save"_qs << u"autoexec.cfg"_qs;
    QTest::newRow("save as") << u"save as"_qs << u"profile.cfg"_qs;
    QTest::newRow("restore, autoexec.cfg read-only") << u"restore"_qs << u"autoexec.cfg"_qs;
    QTest::newRow("restore, backup read-only") << u"restore"_qs << u"autoexec.cfg.bak"_qs;
}

void FaultSave::readOnlyFileRefused()
{
    QFETCH(QString, command);
    QFETCH(QString, protectedFile);

    const QString path = cstrike() + u'/' + protectedFile;
    const QByteArray previous = "bind \"w\" \"+forward\"\r\n\r\n";
    QVERIFY(writeFile(path, previous));
    if (command == u"restore")
        QVERIFY(writeFile(protectedFile == u"autoexec.cfg" ? backup() : autoexec(), "other"));
    const QStringList entries = cstrikeEntries();
    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QVERIFY(QFile::setPermissions(path, readOnly));

    // Refused for every user, root included: the file's own write bit is the player's word.
    const QString error = command == u"save" ? saveAutoexec(m_dir->path(), boxText(10, 'n'))
                          : command == u"save as"
                              ? saveConfigFile(m_dir->path(), path, autoexecBytes(boxText(10, 'n')))
                              : restoreAutoexec(m_dir->path());
    QCOMPARE(error, fileError(path, EACCES));
    QCOMPARE(readBytes(path), previous);
    QCOMPARE(QFile::permissions(path) & ~QFileDevice::ReadUser & ~QFileDevice::WriteUser &
                 ~QFileDevice::ExeUser,
             readOnly);
    QCOMPARE(cstrikeEntries(), entries);
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
}

void FaultSave::symbolicLinkFollowed_data()
{
    QTest::addColumn<bool>("relative");
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("absolute link") << false << true;
    QTest::newRow("relative link") << true << true;
    QTest::newRow("link to a file not yet there") << false << false;
}

void FaultSave::symbolicLinkFollowed()
{
    QFETCH(bool, relative);
    QFETCH(bool, targetExists);

    // A player keeping autoexec.cfg with their other settings, linked into the game.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("settings")));
    const QString target = m_dir->path() + QStringLiteral("/settings/autoexec.cfg");
    if (targetExists)
        QVERIFY(writeFile(target, "alias old \"say old\"\r\n\r\n"));
    const QString linkText = relative ? QStringLiteral("../settings/autoexec.cfg") : target;
    QVERIFY(QFile::link(linkText, autoexec()));

    const QString box = boxText(50, 'n');
    QCOMPARE(saveAutoexec(m_dir->path(), box), QString());

    const QFileInfo link(autoexec());
    QVERIFY(link.isSymLink());
    QCOMPARE(link.symLinkTarget(), QFileInfo(target).absoluteFilePath());
    QCOMPARE(
        QString::fromStdString(
            std::filesystem::read_symlink(QFile::encodeName(autoexec()).toStdString()).string()),
        linkText);
    QCOMPARE(readBytes(target), autoexecBytes(box));
    // The file the link led to is kept beside the link.
    QStringList entries{QStringLiteral("autoexec.cfg")};
    if (targetExists) {
        entries << QStringLiteral("autoexec.cfg.bak");
        QCOMPARE(readBytes(backup()), QByteArray("alias old \"say old\"\r\n\r\n"));
    }
    QCOMPARE(cstrikeEntries(), entries);
    QCOMPARE(QDir(m_dir->path() + QStringLiteral("/settings")).entryList(QDir::Files),
             QStringList{QStringLiteral("autoexec.cfg")});
}

void FaultSave::linksAsRootOrPlayer_data()
{
    QTest::addColumn<QString>("file");    ///< the link in cstrike
    QTest::addColumn<QString>("command"); ///< save, restore or the userconfig.cfg chain
    QTest::addColumn<bool>("outside");    ///< to a file out of the game folder, else another user's
    QTest::addColumn<bool>("root");       ///< refused as root, followed for a player
    QTest::addColumn<int>("links");       ///< links in the chain, each beside the game's files
    for (const char *file : {"autoexec.cfg", "userconfig.cfg"}) {
        const char *command = file == std::string_view("autoexec.cfg") ? "save" : "chain";
        QTest::addRow("%s as root, out of the game folder", file)
            << file << command << true << true << 1;
        QTest::addRow("%s as root, another user's file", file)
            << file << command << false << true << 1;
        QTest::addRow("%s as a player, out of the folder", file)
            << file << command << true << false << 1;
        // Past the 40 links a look-up follows: the chain cannot be resolved, so it is refused.
        QTest::addRow("%s as root, 50 links out", file) << file << command << true << true << 50;
    }
    QTest::addRow("as root, two links out")
        << u"autoexec.cfg"_qs << u"save"_qs << true << true << 2;
    QTest::addRow("restore as root, 50 links out")
        << u"autoexec.cfg"_qs << u"restore"_qs << true << true << 50;
    QTest::addRow("restore as a player, out of the folder")
        << u"autoexec.cfg"_qs << u"restore"_qs << true << false << 1;
    // The backup is Velmora's own file: a link there is replaced, whoever saves.
    for (bool root : {true, false}) {
        QTest::addRow("backup, root: %d", root)
            << u"autoexec.cfg.bak"_qs << u"save"_qs << true << root << 1;
    }
}

void FaultSave::linksAsRootOrPlayer()
{
    QFETCH(QString, file);
    QFETCH(QString, command);
    QFETCH(bool, outside);
    QFETCH(bool, root);
    QFETCH(int, links);
    const bool refused = root && file != u"autoexec.cfg.bak";

    // Beside the game folder, its name beginning with the game folder's.
    QTemporaryDir elsewhere(m_dir->path() + u"-XXXXXX"_qs);
    const QString target = (outside ? elsewhere.path() : m_dir->path()) + u"/target.cfg"_qs;
    const QByteArray theirs = "theirs\r\n";
    QVERIFY(writeFile(target, theirs));
    if (!outside && ::chown(QFile::encodeName(target).constData(), 4321, 4321) != 0)
        QSKIP("another user's file can be made by root only");
    // cstrike/<file> -> chain/1 -> chain/2 -> ... -> the target, all made by the player.
    QVERIFY(QDir(cstrike()).mkdir(u"chain"_qs));
    const QString link = cstrike() + u'/' + file;
    for (int i = 1; i <= links; ++i) {
        const QString from = i == 1 ? link : cstrike() + u"/chain/"_qs + QString::number(i - 1);
        QVERIFY(QFile::link(i == links ? target : cstrike() + u"/chain/"_qs + QString::number(i),
                            from));
    }
    const QByteArray old = "bind \"w\" \"+forward\"\r\n\r\n";
    if (file == u"autoexec.cfg.bak" || command == u"restore")
        QVERIFY(writeFile(file == u"autoexec.cfg.bak" ? autoexec() : backup(), old));
    const QStringList before = cstrikeEntries();

    SaveSystem system = SaveSystem::real();
    system.asRoot = root;
    const QString error =
        command == u"chain" ? addUserconfigChain(m_dir->path(), system)
        : command == u"restore"
            ? restoreAutoexec(m_dir->path(), system)
            : saveAutoexec(m_dir->path(), autoexecBytes(boxText(5, 'n')), nullptr, system);
    QVERIFY2(error.isEmpty() != refused, qPrintable(error));
    if (refused) {
        QVERIFY2(error.endsWith(QDir::toNativeSeparators(link)), qPrintable(error));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(cstrikeEntries(), before);
    } else if (file == u"autoexec.cfg.bak") {
        QVERIFY(!QFileInfo(link).isSymLink());
        QCOMPARE(readBytes(backup()), old);
    }
    QCOMPARE(readBytes(target) == theirs, refused || file == u"autoexec.cfg.bak");
}

void FaultSave::placeTakenWhileWriting_data()
{
    QTest::addColumn<bool>("hadFile"); ///< autoexec.cfg was there: a link takes its place
    QTest::newRow("a link swapped in") << true;
    QTest::newRow("a file made meanwhile") << false;
}

void FaultSave::placeTakenWhileWriting()
{
    QFETCH(bool, hadFile);
    // The check is done, the bytes are being written, and something else takes autoexec.cfg's
    // place: the save is refused, and a link to a file elsewhere is not written through.
    QTemporaryDir elsewhere(m_dir->path() + u"-XXXXXX"_qs);
    const QString target = elsewhere.path() + u"/target.cfg"_qs;
    QVERIFY(writeFile(target, "theirs"));
    if (hadFile)
        QVERIFY(writeFile(autoexec(), "bind \"w\" \"+forward\"\r\n"));
    SaveSystem system = SaveSystem::real();
    system.asRoot = true;
    const auto plain = system.write;
    bool taken = false;
    system.write = [&](const QString &path, int fd, QByteArrayView bytes) {
        if (!taken && path == autoexec()) {
            taken = hadFile ? QFile::remove(autoexec()) && QFile::link(target, autoexec())
                            : writeFile(autoexec(), "mine");
        }
        return plain(path, fd, bytes);
    };
    const QString error =
        saveAutoexec(m_dir->path(), autoexecBytes(boxText(5, 'n')), nullptr, system);
    QVERIFY(taken);
    QVERIFY2(error.endsWith(QDir::toNativeSeparators(autoexec())), qPrintable(error));
    QCOMPARE(readBytes(target), QByteArray("theirs"));
    QCOMPARE(QFileInfo(autoexec()).isSymLink(), hadFile);
    if (!hadFile)
        QCOMPARE(readBytes(autoexec()), QByteArray("mine"));
    QCOMPARE(cstrikeEntries(), QStringList{u"autoexec.cfg"_qs});
}

void FaultSave::chainPastTheLinkLimit()
{
    // 41 links, all in the game folder, to the player's own file: past the 40 a look-up follows,
    // for root and player alike, as the system's own open() would say.
    const QString target = cstrike() + u"/target.cfg"_qs;
    QVERIFY(writeFile(target, "mine"));
    QVERIFY(QDir(cstrike()).mkdir(u"chain"_qs));
    QVERIFY(QFile::link(cstrike() + u"/chain/1"_qs, autoexec()));
    for (int i = 1; i <= 40; ++i) {
        QVERIFY(QFile::link(i == 40 ? target : cstrike() + u"/chain/"_qs + QString::number(i + 1),
                            cstrike() + u"/chain/"_qs + QString::number(i)));
    }
    for (bool root : {true, false}) {
        SaveSystem system = SaveSystem::real();
        system.asRoot = root;
        QCOMPARE(saveAutoexec(m_dir->path(), autoexecBytes(boxText(5, 'n')), nullptr, system),
                 fileError(autoexec(), ELOOP));
        QCOMPARE(readBytes(target), QByteArray("mine"));
    }
}

void FaultSave::modesAndOwnersKept_data()
{
    QTest::addColumn<QString>("file"); ///< the file the save writes
    QTest::addColumn<int>("mode");     ///< of the file it replaces or copies; 0: a new file
    QTest::newRow("backup of a private script") << u"autoexec.cfg.bak"_qs << 0600;
    QTest::newRow("backup of a group's script") << u"autoexec.cfg.bak"_qs << 0640;
    QTest::newRow("autoexec.cfg replaced") << u"autoexec.cfg"_qs << 0600;
    QTest::newRow("autoexec.cfg new") << u"autoexec.cfg"_qs << 0;
    QTest::newRow("userconfig.cfg replaced") << u"userconfig.cfg"_qs << 0640;
    QTest::newRow("userconfig.cfg new") << u"userconfig.cfg"_qs << 0;
}

void FaultSave::modesAndOwnersKept()
{
    QFETCH(QString, file);
    QFETCH(int, mode);

    // The player's folder and files, saved in by root when the test may give them to another
    // user; an older backup stays root's, as a save by root used to leave it.
    const QString path = cstrike() + u'/' + file;
    const QString copied = file == u"autoexec.cfg.bak" ? autoexec() : path;
    QStringList players{cstrike()};
    if (mode) {
        players << copied;
        QVERIFY(writeFile(path, "older") && writeFile(copied, "bind \"w\" \"+forward\"\r\n"));
        QCOMPARE(::chmod(QFile::encodeName(copied).constData(), mode_t(mode)), 0);
    }
    const bool owners = ::geteuid() == 0;
    for (const QString &owned : std::as_const(players))
        QVERIFY(!owners || ::chown(QFile::encodeName(owned).constData(), 4321, 4322) == 0);

    QCOMPARE(file == u"userconfig.cfg" ? addUserconfigChain(m_dir->path())
                                       : saveAutoexec(m_dir->path(), boxText(5, 'n')),
             QString());
    struct stat info;
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
    if (mode)
        QCOMPARE(int(info.st_mode & 0777), mode);
    if (!owners)
        QSKIP("owners can be changed by root only");
    QCOMPARE(std::pair(int(info.st_uid), int(info.st_gid)), std::pair(4321, 4322));
}

void FaultSave::folderInItsPlace()
{
    QVERIFY(QDir(cstrike()).mkdir(QStringLiteral("autoexec.cfg")));
    QVERIFY(writeFile(autoexec() + QStringLiteral("/keep.txt"), "mine"));

    QCOMPARE(saveAutoexec(m_dir->path(), boxText(10, 'n')),
             u"Имя файла ссылается на каталог: "_qs + QDir::toNativeSeparators(autoexec()));
    QVERIFY(QFileInfo(autoexec()).isDir());
    QCOMPARE(readBytes(autoexec() + QStringLiteral("/keep.txt")), QByteArray("mine"));
    QCOMPARE(cstrikeEntries(), QStringList{QStringLiteral("autoexec.cfg")});
}

void FaultSave::nothingTheGameWouldMisread_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("name");   ///< the file Save as names
    QTest::addColumn<QByteArray>("box"); ///< the bytes of the box
    QTest::addColumn<QString>("refusal");
    const QString nul = u"В строке 2 конфига есть нулевой символ"_qs;
    QTest::newRow("save, a NUL") << u"save"_qs << QString() << QByteArray("a\r\nb\0c\r\n", 9)
                                 << nul;
    QTest::newRow("save, a NUL first")
        << u"save"_qs << QString() << QByteArray("\0a\r\n", 4) << u"В строке 1 конфига"_qs;
    QTest::newRow("save as, a NUL")
        << u"save as"_qs << u"p.cfg"_qs << QByteArray("a\r\nb\0c\r\n", 9) << nul;
    QTest::newRow("save as, a line feed in the name")
        << u"save as"_qs << u"nl\nname.cfg"_qs << QByteArray("a\r\n")
        << u"В имени файла есть управляющий символ"_qs;
    QTest::newRow("save as, a tab in the name")
        << u"save as"_qs << u"\tp.cfg"_qs << QByteArray("a\r\n")
        << u"В имени файла есть управляющий символ"_qs;
}

void FaultSave::nothingTheGameWouldMisread()
{
    QFETCH(QString, command);
    QFETCH(QString, name);
    QFETCH(QByteArray, box);
    QFETCH(QString, refusal);
    QVERIFY(writeFile(autoexec(), "old\r\n"));
    const QString error = command == u"save"
                              ? saveAutoexec(m_dir->path(), box)
                              : saveConfigFile(m_dir->path(), cstrike() + u'/' + name, box);
    QVERIFY2(error.startsWith(refusal), qPrintable(error));
    QVERIFY(!error.contains(u'\n'));
    QCOMPARE(cstrikeEntries(), QStringList{u"autoexec.cfg"_qs});
    QCOMPARE(readBytes(autoexec()), QByteArray("old\r\n"));

    // Open brings in what the game reads, up to the NUL, and says that it stopped there.
    QVERIFY(writeFile(autoexec(), box));
    const ConfigFileText opened = readConfigFile(autoexec());
    QCOMPARE(opened.cutAtNul, box.contains('\0'));
    QCOMPARE(opened.bytes, opened.cutAtNul ? box.left(box.indexOf('\0')) : box);
}

void FaultSave::reasonsInRussian_data()
{
    QTest::addColumn<QString>("systemText"); ///< what Qt said, in the system's language
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");
    const QString disk = u"На устройстве не осталось свободного места"_qs;
    QTest::newRow("full disk") << QString() << ENOSPC << disk;
    QTest::newRow("read-only") << QString() << EROFS
                               << u"Файловая система доступна только для чтения"_qs;
    QTest::newRow("unknown number") << QString() << 9999 << u"Системная ошибка номер 9999"_qs;
    QTest::newRow("Qt's text, errno lost") << qt_error_string(ENOSPC) << 0 << disk;
    QTest::newRow("Qt's own text, errno known") << u"Odd"_qs << EACCES << u"Отказано в доступе"_qs;
    QTest::newRow("nothing known") << u"Odd"_qs << 0 << u"Системная ошибка (Odd)"_qs;
}

void FaultSave::reasonsInRussian()
{
    QFETCH(QString, systemText);
    QFETCH(int, error);
    QFETCH(QString, reason);
    QCOMPARE(systemText.isEmpty() ? errorReason(error) : errorReasonOf(systemText, error), reason);
}

int main(int argc, char **argv)
{
    if (argc >= 2 && std::strcmp(argv[1], kChildFlag) == 0)
        return childMain(argc, argv);
    QCoreApplication app(argc, argv);
    FaultSave test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fault_save.moc"
