// Valve's KeyValues text as Steam writes it, and every way a file can be no such text: each bad
// file reads as absent, quickly, without a crash.

#include "testfiles.h"

#include "gamefiles/keyvalues.h"

#include <QElapsedTimer>
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
    void limits_data();
    void limits();
    void lookupIgnoresLetterCase();
    void filesThatAreNoText();
};

void TestKeyValues::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("new library form")
        << QByteArray("\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"/home/p/.local/share/"
                      "Steam\"\n\t\t\"apps\"\n\t\t{\n\t\t\t\"70\"\t\t\"1\"\n\t\t}\n\t}\n}\n")
        << QStringLiteral("libraryfolders{0{path=/home/p/.local/share/Steam;apps{70=1;};};};");
    QTest::newRow("old library form, CR LF")
        << QByteArray("\"LibraryFolders\"\r\n{\r\n\t\"TimeNextStatsReport\"\t\t\"1\"\r\n\t\"1\"\t\t"
                      "\"/mnt/games\"\r\n}\r\n")
        << QStringLiteral("LibraryFolders{TimeNextStatsReport=1;1=/mnt/games;};");
    QTest::newRow("escapes") << QByteArray(R"("p" "C:\\Steam \"x\"\ty\n" "q" "a\zb")")
                             << QStringLiteral("p=C:\\Steam \"x\"\ty\n;q=a\\zb;");
    QTest::newRow("comments") << QByteArray("// head\n\"a\" // between\n\"b\"//end")
                              << QStringLiteral("a=b;");
    QTest::newRow("a slash is no comment")
        << QByteArray("\"a\" \"/x/y\"") << QStringLiteral("a=/x/y;");
    QTest::newRow("bare texts") << QByteArray("AppState{installdir Half-Life}")
                                << QStringLiteral("AppState{installdir=Half-Life;};");
    QTest::newRow("platform condition skipped")
        << QByteArray("\"a\" \"1\" [$WIN32]\n\"b\" { } [!$X360]") << QStringLiteral("a=1;b{};");
    QTest::newRow("empty strings") << QByteArray("\"\" \"\"") << QStringLiteral("=;");
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("UTF-8") << QByteArray("\"label\" \"Игры\"") << QStringLiteral("label=Игры;");

    QTest::newRow("truncated in a block") << QByteArray("\"a\" { \"b\" \"c\"") << kAbsent;
    QTest::newRow("truncated in a string") << QByteArray("\"a\" \"/mnt/ga") << kAbsent;
    QTest::newRow("truncated after an escape") << QByteArray("\"a\" \"x\\") << kAbsent;
    QTest::newRow("key without value") << QByteArray("\"a\" { \"b\" }") << kAbsent;
    QTest::newRow("key at the end") << QByteArray("\"a\"") << kAbsent;
    QTest::newRow("closing brace too many") << QByteArray("\"a\" { } }") << kAbsent;
    QTest::newRow("block without key") << QByteArray("{ \"a\" \"b\" }") << kAbsent;
    const char binary[] = "\0libraryfolders\0\x01path\0/x\0\b\b";
    QTest::newRow("binary") << QByteArray(binary, sizeof binary - 1) << kAbsent;
    QTest::newRow("NUL inside a string") << QByteArray("\"a\" \"b\0c\"", 9) << kAbsent;
}

void TestKeyValues::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(parsed(bytes), expected);
}

void TestKeyValues::limits_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("readable");

    auto nested = [](int depth) -> QByteArray {
        return QByteArray("\"k\" {").repeated(depth) + QByteArray("}").repeated(depth);
    };
    QTest::newRow("nested as deep as allowed") << nested(velmora::kKeyValuesMaxDepth - 1) << true;
    QTest::newRow("nested one deeper") << nested(velmora::kKeyValuesMaxDepth) << false;
    QTest::newRow("a million open blocks") << QByteArray("\"k\" {").repeated(1'000'000) << false;
    QTest::newRow("a million braces") << QByteArray("{").repeated(1'000'000) << false;

    const QByteArray pair("\"k\" \"v\"\n");
    const qsizetype fits = velmora::kKeyValuesMaxBytes / pair.size();
    QTest::newRow("largest allowed") << pair.repeated(fits) << true;
    QTest::newRow("a byte too large")
        << pair.repeated(fits) +
               QByteArray(velmora::kKeyValuesMaxBytes - fits * pair.size() + 1, ' ')
        << false;
}

void TestKeyValues::limits()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readable);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(velmora::parseKeyValues(bytes).has_value(), readable);
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
}

void TestKeyValues::lookupIgnoresLetterCase()
{
    const std::optional<KeyValues> document =
        velmora::parseKeyValues("\"AppState\" { \"InstallDir\" { } \"installdir\" \"HL\" }");
    QVERIFY(document);
    const KeyValue *state = document->top().find("appstate");
    QVERIFY(state);
    QVERIFY(state->find("INSTALLDIR")->isBlock());
    // text() passes over a block of the same name.
    QCOMPARE(state->text("INSTALLDIR"), QStringLiteral("HL"));
    QCOMPARE(state->text("missing"), QString());
    QVERIFY(!document->top().find("missing"));
}

void TestKeyValues::filesThatAreNoText()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString good = tmp.filePath(QStringLiteral("good.vdf"));
    const QString full = tmp.filePath(QStringLiteral("full.vdf"));
    const QString big = tmp.filePath(QStringLiteral("big.vdf"));
    const QString fifo = tmp.filePath(QStringLiteral("fifo.vdf"));
    const QString link = tmp.filePath(QStringLiteral("link.vdf"));
    writeBytes(good, "\"a\" \"b\"");
    // Good text as long as allowed, and a byte longer.
    const QByteArray longest = "\"a\" \"b\"" + QByteArray(velmora::kKeyValuesMaxBytes - 7, ' ');
    writeBytes(full, longest);
    writeBytes(big, longest + ' ');
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(QFile::link(good, link));

    QElapsedTimer timer;
    timer.start();
    QVERIFY(velmora::readKeyValuesFile(good));
    QVERIFY(velmora::readKeyValuesFile(link));
    QVERIFY(velmora::readKeyValuesFile(full));
    QVERIFY(!velmora::readKeyValuesFile(big));
    QVERIFY(!velmora::readKeyValuesFile(fifo)); // no writer: opening it would wait for ever
    QVERIFY(!velmora::readKeyValuesFile(tmp.path()));
    QVERIFY(!velmora::readKeyValuesFile(tmp.filePath(QStringLiteral("missing.vdf"))));
    QVERIFY(!velmora::readKeyValuesFile(QStringLiteral("/dev/zero")));
    QVERIFY(timer.elapsed() < 2000);
}

QTEST_GUILESS_MAIN(TestKeyValues)
#include "tst_keyvalues.moc"
