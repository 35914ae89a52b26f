// Valve's KeyValues text as Steam writes it, and every way a file can be no such text: each bad
// file reads as absent, quickly, without a crash.

#include "testfiles.h"

#include "gamefiles/keyvalues.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using velmora::KeyValue;
using velmora::KeyValues;

namespace {

/// A compact picture of a parsed document: key=value; for texts, key{...} for blocks.
QString picture(const KeyValue &block)
{
    QString out;
    for (const KeyValue &entry : block.entries()) {
        out += entry.key();
        if (entry.isBlock())
            out += u'{' + picture(entry) + u'}';
        else
            out += u'=' + entry.value();
        out += u';';
    }
    return out;
}

const QString kAbsent = QStringLiteral("<absent>");

QString parsed(QByteArrayView bytes)
{
    const std::optional<KeyValues> document = velmora::parseKeyValues(bytes.toByteArray());
    return document ? picture(document->top()) : kAbsent;
}

} // namespace

class TestKeyValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void filesThatAreNoText();
};

void TestKeyValues::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("escapes") << QByteArray(R"("p" "C:\\Steam \"x\"\ty\n" "q" "a\zb")")
                             << QStringLiteral("p=C:\\Steam \"x\"\ty\n;q=a\\zb;");
    QTest::newRow("comments") << QByteArray("// head\n\"a\" // between\n\"b\"//end")
                              << QStringLiteral("a=b;");
    QTest::newRow("bare texts") << QByteArray("AppState{installdir Half-Life}")
                                << QStringLiteral("AppState{installdir=Half-Life;};");
    QTest::newRow("platform condition skipped")
        << QByteArray("\"a\" \"1\" [$WIN32]\n\"b\" { } [!$X360]") << QStringLiteral("a=1;b{};");
    QTest::newRow("bare path") << QByteArray("\"path\" /mnt/games\n\"b\" \"c\"")
                               << QStringLiteral("path=/mnt/games;b=c;");
    QTest::newRow("bare text against a quoted one") << QByteArray("a\"b\"") << u"a=b;"_qs;
    QTest::newRow("quoted key like a condition")
        << QByteArray("\"a\" \"1\" \"[b]\" \"2\"") << u"a=1;[b]=2;"_qs;
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("UTF-8") << QByteArray("\"label\" \"Игры\"") << QStringLiteral("label=Игры;");

    QTest::newRow("truncated in a string") << QByteArray("\"a\" \"/mnt/ga") << kAbsent;
    QTest::newRow("truncated after an escape") << QByteArray("\"a\" \"x\\") << kAbsent;
    QTest::newRow("key without value") << QByteArray("\"a\" { \"b\" }") << kAbsent;
    QTest::newRow("key at the end") << QByteArray("\"a\"") << kAbsent;
    QTest::newRow("block without key") << QByteArray("{ \"a\" \"b\" }") << kAbsent;
    QTest::newRow("NUL inside a string") << QByteArray("\"a\" \"b\0c\"", 9) << kAbsent;

    // The limits at their edges, and far beyond them (the largest file is read below).
    const int depth = velmora::kKeyValuesMaxDepth;
    QTest::newRow("nested as deep as allowed")
        << QByteArray("\"k\" {").repeated(depth - 1) + QByteArray("}").repeated(depth - 1)
        << QString(u"k{"_qs.repeated(depth - 1) + u"};"_qs.repeated(depth - 1));
    QTest::newRow("nested one deeper")
        << QByteArray("\"k\" {").repeated(depth) + QByteArray("}").repeated(depth) << kAbsent;
    QTest::newRow("a million open blocks") << QByteArray("\"k\" {").repeated(1'000'000) << kAbsent;
    QTest::newRow("a byte too large")
        << "\"k\" \"v\"" + QByteArray(velmora::kKeyValuesMaxBytes - 6, ' ') << kAbsent;
}

void TestKeyValues::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(parsed(bytes), expected);
}

void TestKeyValues::filesThatAreNoText()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    auto path = [&tmp](const char *name) { return tmp.filePath(QString::fromLatin1(name)); };
    // Good text as long as allowed, and a byte longer.
    const QByteArray longest = "\"a\" \"b\"" + QByteArray(velmora::kKeyValuesMaxBytes - 7, ' ');
    writeBytes(path("full.vdf"), longest);
    writeBytes(path("big.vdf"), longest + ' ');
    QCOMPARE(::mkfifo(QFile::encodeName(path("fifo.vdf")).constData(), 0600), 0);
    QVERIFY(QFile::link(path("full.vdf"), path("link.vdf")));

    // A read that waited (the FIFO) or never ended (/dev/zero) would hang here until the test's
    // watchdog fails it.
    const std::pair<QString, bool> files[] = {
        {path("full.vdf"), true},
        {path("link.vdf"), true},
        {path("big.vdf"), false},
        {path("fifo.vdf"), false}, // no writer: opening it would wait for ever
        {tmp.path(), false},
        {path("missing.vdf"), false},
        {QStringLiteral("/dev/zero"), false},
    };
    for (const auto &[file, readable] : files)
        QVERIFY2(velmora::readKeyValuesFile(file).has_value() == readable, qPrintable(file));
}

QTEST_GUILESS_MAIN(TestKeyValues)
#include "tst_keyvalues.moc"
