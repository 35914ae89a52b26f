// The import of config.cfg on files no well-behaved game writes: huge files, huge lines, NUL
// bytes, broken UTF-8, every kind of line end, a byte-order mark, line separators. Every alias
// and bind line reaches autoexec.cfg through Save byte for byte.

#include "base/textcodec.h"
#include "gamefiles/autoexec.h"
#include "gamefiles/bindimport.h"
#include "literalbytes.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;

namespace {

/// What Save writes after the import: each carried line, CR LF, and the final CR LF.
QByteArray savedBytes(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes + "\r\n";
}

} // namespace

class FaultImport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void oddFiles_data();
    void oddFiles();
    void hundredMegabytes();
    void tenMegabyteLines();

private:
    QString configPath() const { return m_dir->path() + QStringLiteral("/cstrike/config.cfg"); }
    QString autoexecPath() const { return m_dir->path() + QStringLiteral("/cstrike/autoexec.cfg"); }
    /// Imports config.cfg, checks the carried lines against `expected` and saves them; returns
    /// what Save wrote, or fails the test.
    void importAndSave(const QList<QByteArray> &expected);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void FaultImport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("cstrike")));
}

void FaultImport::cleanup()
{
    m_dir.reset(); // the big files go at once
}

void FaultImport::importAndSave(const QList<QByteArray> &expected)
{
    const ImportResult result = importBindsFromGame(m_dir->path());
    QCOMPARE(result.error, QString());
    QCOMPARE(result.count(), expected.size());
    const QStringList lines = result.lines();
    QCOMPARE(lines.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const QByteArray line = encodeLossless(lines.at(i));
        if (line != expected.at(i)) {
            QFAIL(qPrintable(QStringLiteral("line %1 is %2 bytes, not the %3 of config.cfg")
                                 .arg(i)
                                 .arg(line.size())
                                 .arg(expected.at(i).size())));
        }
    }
    QCOMPARE(saveAutoexec(m_dir->path(), result.text()), QString());
    QVERIFY(readBytes(autoexecPath()) == savedBytes(expected));
}

void FaultImport::oddFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<QByteArray>>("carried");

    QTest::newRow("empty file") << QByteArray() << QList<QByteArray>{};
    QTest::newRow("NUL bytes") << bytes("bind \"x\" \"say a\0b\"\r\n\0bind y\r\nbind\0\0\r\n")
                               << QList<QByteArray>{"bind \"x\" \"say a"};
    QTest::newRow("invalid UTF-8")
        << QByteArray("bind k \"say \xff\xfe\"\r\n"       // bytes never in UTF-8
                      "alias a \"\xc0\xaf\"\r\n"          // an overlong slash
                      "bind s \xed\xa0\x80\r\n"           // an encoded surrogate
                      "bind t \xe2\x82\r\n"               // a sequence cut short by the line end
                      "bind u \x80\x80\xf5\x80\x80\x80\n" // lone continuations, beyond U+10FFFF
                      "bind \xd0\xb9 \"say \xd0\xbf\xd1\x80\xd0\xb8\"\n") // valid Cyrillic
        << QList<QByteArray>{"bind k \"say \xff\xfe\"",
                             "alias a \"\xc0\xaf\"",
                             "bind s \xed\xa0\x80",
                             "bind t \xe2\x82",
                             "bind u \x80\x80\xf5\x80\x80\x80",
                             "bind \xd0\xb9 \"say \xd0\xbf\xd1\x80\xd0\xb8\""};
    QTest::newRow("CR only") << QByteArray("bind a b\rname x\r  alias c d\rbind e f")
                             << QList<QByteArray>{"bind a b", "alias c d", "bind e f"};
    QTest::newRow("LF only") << QByteArray("bind a b\nname x\n\talias c d\nbind e f\n")
                             << QList<QByteArray>{"bind a b", "alias c d", "bind e f"};
    QTest::newRow("mixed line ends")
        << QByteArray("bind 1\r\nbind 2\nbind 3\rbind 4\n\rbind 5\r\r\nbind 6\r")
        << QList<QByteArray>{"bind 1", "bind 2", "bind 3", "bind 4", "bind 5", "bind 6"};
    QTest::newRow("byte-order mark")
        << QByteArray("\xef\xbb\xbf"
                      "bind \"w\" \"+forward\"\r\n\xef\xbb\xbf"
                      "bind x\r\n")
        << QList<QByteArray>{"bind \"w\" \"+forward\""}; // a second mark is part of its line
    QTest::newRow("byte-order mark alone") << QByteArray("\xef\xbb\xbf") << QList<QByteArray>{};
    QTest::newRow("commas and quotes")
        << QByteArray("bind \",\" \"say a, b, c\"\r\nbind \"'\" \"say \"\"quoted\"\"\"\r\n"
                      "alias \"x,y\" \"say ;;; \\\"\"\r\nBIND \";\" \"+jump; wait; -jump\"\r\n")
        << QList<QByteArray>{"bind \",\" \"say a, b, c\"", "bind \"'\" \"say \"\"quoted\"\"\"",
                             "alias \"x,y\" \"say ;;; \\\"\"", "BIND \";\" \"+jump; wait; -jump\""};
    QTest::newRow("blanks and words")
        << QByteArray(" \t bind a\r\nunbindall\r\n// bind b\r\nbindings\r\naliases x\r\nali\r\n"
                      "\vbind c\r\n  \r\nbin\r\n")
        << QList<QByteArray>{"bind a", "bindings", "aliases x"};
    // Characters the config box shows as line breaks, and the no-break space it turns into a
    // plain space on the way out: the player's bytes still come back unchanged.
    QTest::newRow("line separators and no-break space")
        << QByteArray("bind x \"say a\xe2\x80\xa8"
                      "b\xe2\x80\xa9"
                      "c\xef\xb7\x90"
                      "d\xef\xb7\x91"
                      "e\xc2\xa0"
                      "f\xc2\x85\"\r\n")
        << QList<QByteArray>{"bind x \"say a\xe2\x80\xa8"
                             "b\xe2\x80\xa9"
                             "c\xef\xb7\x90"
                             "d\xef\xb7\x91"
                             "e\xc2\xa0"
                             "f\xc2\x85\""};
}

void FaultImport::oddFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<QByteArray>, carried);

    QFile config(configPath());
    QVERIFY(config.open(QIODevice::WriteOnly));
    QCOMPARE(config.write(file), file.size());
    config.close();
    importAndSave(carried);
}

void FaultImport::hundredMegabytes()
{
    // 100 MB of a config.cfg: settings, binds, aliases, some bytes that are not UTF-8, lines
    // ended three ways, one in two carried. Fixed seed: the same file every run.
    QRandomGenerator random(20240501);
    QList<QByteArray> expected;
    QFile config(configPath());
    QVERIFY(config.open(QIODevice::WriteOnly));
    QByteArray block;
    qint64 total = 0;
    const QByteArray ends[] = {"\r\n", "\n", "\r"};
    const QByteArray heads[] = {"bind", "BIND", "alias", "Alias"};
    for (qint64 line = 0; total < 100'000'000; ++line) {
        QByteArray text;
        const quint32 r = random.generate();
        if (line % 2 == 0) {
            text = heads[r % 4] + " \"k" + QByteArray::number(line) + "\" \"say ";
            const int extra = int(r >> 8) % 40;
            for (int i = 0; i < extra; ++i)
                text += char(0x20 + (random.bounded(0x60)));
            if (r & 0x10000)
                text += "\xd0\xbf\xd1\x80\xff";
            text += '"';
            expected.append(text);
            if (r & 0x20000)
                text.prepend(" \t");
        } else {
            text = "cl_setting" + QByteArray::number(line) + " \"" + QByteArray::number(r) + '"';
        }
        text += ends[(r >> 20) % 3];
        // A lone CR followed by a line that starts with LF would read as CR LF: keep them apart.
        if (text.endsWith('\r'))
            text.chop(1), text += "\r\n";
        block += text;
        if (block.size() > (1 << 20)) {
            QCOMPARE(config.write(block), block.size());
            total += block.size();
            block.clear();
        }
    }
    QCOMPARE(config.write(block), block.size());
    config.close();

    importAndSave(expected);
}

void FaultImport::tenMegabyteLines()
{
    // One bind of 10 MB and one setting of 10 MB, among ordinary lines; the import reads in
    // pieces much smaller than either.
    QByteArray longBind = "bind \"l\" \"say ";
    while (longBind.size() < 10'000'000)
        longBind += "abcdefghij,\"\xd0\xb9\xff;";
    longBind += '"';
    const QByteArray longSetting = "name \"" + QByteArray(10'000'000, 'x') + "\"";

    QFile config(configPath());
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("bind a b\r\n");
    config.write(longBind + "\r\n");
    config.write(longSetting + "\n");
    config.write("alias z y\r");
    config.write(longBind);
    config.close();

    importAndSave({"bind a b", longBind, "alias z y", longBind});
}

QTEST_GUILESS_MAIN(FaultImport)

#include "tst_fault_import.moc"
