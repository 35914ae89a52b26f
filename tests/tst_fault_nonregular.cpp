// dir.vlm, config.cfg and autoexec.cfg that are not regular files: a FIFO (whose open would wait
// for a writer or a reader for ever), a socket, a device node, a link to a device node (a script
// switched off as a link to /dev/null). And lines without end streamed into the import.

#include "base/textcodec.h"
#include "gamefiles/autoexec.h"
#include "gamefiles/bindimport.h"
#include "gamefiles/configfiles.h"
#include "gamefiles/pathfile.h"
#include "nonregularfiles.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace velmora;

Q_DECLARE_METATYPE(NonRegular)

namespace {

/// A line as a pipe would bring it: `head`, `count` times `filler`, then `tail`; the filler is
/// never held in memory, so the line can be far longer than the test could afford to write.
class LongLineDevice : public QIODevice
{
public:
    LongLineDevice(QByteArray head, char filler, qint64 count, QByteArray tail)
        : m_head(std::move(head))
        , m_tail(std::move(tail))
        , m_filler(filler)
        , m_count(count)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *out, qint64 maxSize) override
    {
        const qint64 tailAt = m_head.size() + m_count;
        const qint64 n = std::min(maxSize, tailAt + m_tail.size() - m_pos);
        for (qint64 i = 0; i < n; ++i, ++m_pos)
            out[i] = m_pos < m_head.size() ? m_head[m_pos]
                     : m_pos < tailAt      ? m_filler
                                           : m_tail[m_pos - tailAt];
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_head;
    QByteArray m_tail;
    char m_filler;
    qint64 m_count;
    qint64 m_pos = 0;
};

} // namespace

class FaultNonRegular : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusedAndLeftAlone_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<NonRegular>("kind");
        const std::pair<NonRegular, const char *> kinds[] = {
            {NonRegular::Fifo, "FIFO"},
            {NonRegular::Socket, "socket"},
            {NonRegular::Device, "device node"},
            {NonRegular::LinkToDevice, "link to a device"}};
        // profile.cfg stands for a file named to Open and Save as, autoexec.cfg.bak for Restore.
        for (const char *file :
             {"dir.vlm", "config.cfg", "autoexec.cfg", "profile.cfg", "autoexec.cfg.bak"})
            for (const auto &[kind, name] : kinds)
                QTest::addRow("%s: %s", file, name) << QString::fromLatin1(file) << kind;
    }

    void refusedAndLeftAlone()
    {
        QFETCH(QString, file);
        QFETCH(NonRegular, kind);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("cstrike")));
        const bool pathFile = file == QStringLiteral("dir.vlm");
        const QString path = pathFile ? pathFileLocation(dir.path()) : gameFile(dir.path(), file);
        if (const QString why = makeNonRegular(kind, path); !why.isEmpty()) {
            if (kind == NonRegular::Device || kind == NonRegular::LinkToDevice)
                QSKIP(qPrintable(QStringLiteral("no device node can be made here: ") + why));
            QFAIL(qPrintable(why));
        }
        const Standing before = Standing::at(path);
        const QStringList around = folderEntries(QFileInfo(path).path());

        // Each answers at once: a FIFO's open would otherwise wait here until the test's time ran
        // out.
        QString error;
        if (pathFile) {
            const PathFileRead read = readPathFile(dir.path());
            QCOMPARE(read.status, PathFileRead::Status::Failed);
            error = read.error;
            // Nor is it replaced when the chooser stores a folder, or passed over for a copy per
            // user, after which it would be removed as stale.
            const PathFileStore store(dir.path(), dir.path() + QStringLiteral("/user"));
            QCOMPARE(store.write(QStringLiteral("/games/Half-Life")), error);
        } else if (file == QStringLiteral("config.cfg")) {
            const ImportResult result = importBindsFromGame(dir.path());
            QCOMPARE(result.count(), 0);
            error = result.error;
        } else if (file == QStringLiteral("profile.cfg")) {
            error = saveConfigFile(dir.path(), path, "bind \"w\" \"+forward\"\r\n\r\n");
            QCOMPARE(readConfigFile(path).error, error); // Open reads it no more than Save writes
        } else if (file == QStringLiteral("autoexec.cfg.bak")) {
            error = restoreAutoexec(dir.path());
        } else {
            error = saveAutoexec(dir.path(), u"bind \"w\" \"+forward\"\n");
            // Nor does Restore swap a backup into its place.
            QVERIFY(writeFile(gameFile(dir.path(), file + QStringLiteral(".bak")), "bind a b"));
            QCOMPARE(restoreAutoexec(dir.path()), error);
            QVERIFY(QFile::remove(gameFile(dir.path(), file + QStringLiteral(".bak"))));
        }
        QCOMPARE(error, QStringLiteral("Это не обычный файл: ") + QDir::toNativeSeparators(path));
        QVERIFY2(Standing::at(path) == before, "what stood there was replaced or changed");
        QCOMPARE(folderEntries(QFileInfo(path).path()), around); // no file of a save left beside it
    }

    void longLinesStreamed_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<char>("filler");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<QList<QByteArray>>("carried");

        // Lines of 64 MiB that are not carried: none of them is held, and the line after each is
        // still found. Blanks start a line and are dropped as they come.
        const qint64 huge = qint64(64) << 20;
        QTest::newRow("one long line")
            << QByteArray() << 'x' << huge << QByteArray("\r\nbind after\r\n")
            << QList<QByteArray>{"bind after"};
        QTest::newRow("a keyword's first bytes")
            << QByteArray("\tBIN") << 'x' << huge << QByteArray("\rbind after")
            << QList<QByteArray>{"bind after"};
        QTest::newRow("blanks, then a bind")
            << QByteArray() << ' ' << huge << QByteArray("bind after\n")
            << QList<QByteArray>{"bind after"};
        // A crash-zeroed tail: the game stops reading at the first NUL, so the bind before it is
        // carried up to it and nothing after it.
        QTest::newRow("a bind, then NUL bytes")
            << QByteArray("bind x y") << '\0' << huge << QByteArray("\nbind after")
            << QList<QByteArray>{"bind x y"};
        // A carried line is carried whole, however long.
        const qint64 big = qint64(8) << 20;
        QTest::newRow("a long bind")
            << QByteArray("Bind k \"say ") << 'y' << big << QByteArray("\"\r\nbind after")
            << QList<QByteArray>{"Bind k \"say " + QByteArray(big, 'y') + '"', "bind after"};
    }

    void longLinesStreamed()
    {
        QFETCH(QByteArray, head);
        QFETCH(char, filler);
        QFETCH(qint64, count);
        QFETCH(QByteArray, tail);
        QFETCH(QList<QByteArray>, carried);

        LongLineDevice device(head, filler, count, tail);
        const ImportResult result = importBinds(device);
        QCOMPARE(result.error, QString());
        QList<QByteArray> lines;
        for (const QString &line : result.lines())
            lines << encodeLossless(line);
        QCOMPARE(lines, carried);
        if (carried.first().size() > count) // the long bind
            QVERIFY(result.mostKept > count / 2);
        else
            QVERIFY2(result.mostKept < 16, qPrintable(QString::number(result.mostKept)));
    }
};

QTEST_GUILESS_MAIN(FaultNonRegular)

#include "tst_fault_nonregular.moc"
