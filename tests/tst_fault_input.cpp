// dir.vlm and the ping fields holding what nobody meant to put there: binary bytes, a megabyte of
// text, NUL bytes, only blanks, zeros; numbers of 400 digits, only dots, blanks everywhere.

#include "base/textcodec.h"
#include "config/generator.h"
#include "gamefiles/pathfile.h"
#include "literalbytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cfloat>
#include <cmath>

using namespace velmora;

Q_DECLARE_METATYPE(PathFileRead::Status)

class FaultInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pathFile_data();
    void pathFile();
    void pingFields_data();
    void pingFields();
};

void FaultInput::pathFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<PathFileRead::Status>("status");
    QTest::addColumn<QByteArray>("folder"); ///< the folder's bytes, as the file holds them
    QTest::addColumn<bool>("noFolder");

    QByteArray binary;
    for (int b = 0; b < 256; ++b)
        binary += char(b);
    // Lines end at LF (10) and CR (13): the last line is the bytes 14..255.
    QTest::newRow("binary") << binary << PathFileRead::Status::Folder << binary.sliced(14) << false;

    QByteArray manyLines;
    while (manyLines.size() < kPathFileMaxBytes - 100)
        manyLines += "/home/player/games/old half-life\r\n";
    QTest::newRow("lines up to the largest file")
        << manyLines + "/home/player/Half-Life\r\n"
        << PathFileRead::Status::Folder << QByteArray("/home/player/Half-Life") << false;
    // A dir.vlm past its bound holds no folder a player named: it is refused unread.
    const QByteArray oneLine = '/' + QByteArray(kPathFileMaxBytes, 'h');
    QTest::newRow("one line past the largest file")
        << oneLine << PathFileRead::Status::Failed << QByteArray() << true;
    QTest::newRow("256 MiB, sparse")
        << QByteArray("sparse:268435456") << PathFileRead::Status::Failed << QByteArray() << true;

    QTest::newRow("NUL inside the folder")
        << bytes("/a\0b\r\n") << PathFileRead::Status::Folder << bytes("/a\0b") << false;
    QTest::newRow("only NUL bytes")
        << bytes("\0\0\r\n") << PathFileRead::Status::Folder << bytes("\0\0") << false;
    QTest::newRow("only blank lines") << QByteArray(" \r\n\t\r\n\r\n  \t \n\r")
                                      << PathFileRead::Status::Nothing << QByteArray() << true;
    QTest::newRow("empty") << QByteArray() << PathFileRead::Status::Nothing << QByteArray() << true;
    QTest::newRow("0") << QByteArray("0") << PathFileRead::Status::Folder << QByteArray("0")
                       << true;
    QTest::newRow("0 CR LF") << QByteArray("0\r\n") << PathFileRead::Status::Folder
                             << QByteArray("0") << true;
    QTest::newRow("00") << QByteArray("00") << PathFileRead::Status::Folder << QByteArray("00")
                        << true;
    QTest::newRow(" 0") << QByteArray(" 0") << PathFileRead::Status::Folder << QByteArray("0")
                        << true;
    QTest::newRow("0 then blank lines")
        << QByteArray("0\r\n \r\n\r\n") << PathFileRead::Status::Folder << QByteArray("0") << true;
    QTest::newRow("folder named 0x0")
        << QByteArray("0x0\r\n") << PathFileRead::Status::Folder << QByteArray("0x0") << false;
    QTest::newRow("folder named 01")
        << QByteArray("01\r\n") << PathFileRead::Status::Folder << QByteArray("01") << false;
}

void FaultInput::pathFile()
{
    QFETCH(QByteArray, content);
    QFETCH(PathFileRead::Status, status);
    QFETCH(QByteArray, folder);
    QFETCH(bool, noFolder);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(pathFileLocation(dir.path()));
    QVERIFY(file.open(QIODevice::WriteOnly));
    if (content.startsWith("sparse:"))
        QVERIFY(file.resize(content.sliced(7).toLongLong()));
    else
        QCOMPARE(file.write(content), content.size());
    file.close();

    const PathFileRead read = readPathFile(dir.path());
    QCOMPARE(read.status, status);
    QCOMPARE(read.error.isEmpty(), status != PathFileRead::Status::Failed);
    QVERIFY(encodeLossless(read.folder) == folder);
    QCOMPARE(namesNoFolder(read.folder), noFolder);
}

void FaultInput::pingFields_data()
{
    QTest::addColumn<QString>("lowest");
    QTest::addColumn<QString>("highest");
    QTest::addColumn<double>("lowestValue");
    QTest::addColumn<double>("highestValue");
    QTest::addColumn<QString>(
        "latencyText"); ///< as the cl_latency line writes it, minus sign aside

    const QString nines = QString(400, u'9');
    // Beyond a double: the largest double of the sign; the mean of two of them does not overflow.
    // Three quarters of it, 1.3482698511467367E+308, rounds up in the 15th digit.
    QTest::newRow("400 nines twice")
        << nines << nines << DBL_MAX << DBL_MAX << QStringLiteral("1.34826985114674E+308");
    QTest::newRow("400 nines and 0") << nines << QStringLiteral("0") << DBL_MAX << 0.0
                                     << QStringLiteral("6.74134925573368E+307");
    QTest::newRow("400 nines of both signs")
        << nines << u'-' + nines << DBL_MAX << -DBL_MAX << QStringLiteral("0");
    QTest::newRow("400 digits with a point")
        << QString(200, u'1') + u'.' + QString(199, u'5') << QStringLiteral("0")
        << 1.11111111111111e199 << 0.0 << QStringLiteral("4.16666666666667E+198");
    QTest::newRow("400 digits after the point")
        << QStringLiteral("0.") + QString(398, u'0') + u'7' << QStringLiteral("1e-400") << 0.0
        << 0.0 << QStringLiteral("0");
    QTest::newRow("exponent beyond a double")
        << QStringLiteral("1e400") << QStringLiteral("1E+99999999999999999999") << DBL_MAX
        << DBL_MAX << QStringLiteral("1.34826985114674E+308");
    QTest::newRow("only dots") << QStringLiteral(".") << QStringLiteral("....") << 0.0 << 0.0
                               << QStringLiteral("0");
    QTest::newRow("dots around a number") << QStringLiteral(".5.") << QStringLiteral("1..5") << 0.5
                                          << 1.0 << QStringLiteral("0.5625");
    QTest::newRow("mixed blanks") << QStringLiteral(" 4 0 ") << QStringLiteral("\t6\n0 ") << 40.0
                                  << 60.0 << QStringLiteral("37.5");
    QTest::newRow("blanks only") << QStringLiteral(" \t\n ") << QStringLiteral("") << 0.0 << 0.0
                                 << QStringLiteral("0");
    QTest::newRow("CR and no-break space end the number")
        << QStringLiteral("4\r0") << QStringLiteral("6\u00a00") << 4.0 << 6.0
        << QStringLiteral("3.75");
}

void FaultInput::pingFields()
{
    QFETCH(QString, lowest);
    QFETCH(QString, highest);
    QFETCH(double, lowestValue);
    QFETCH(double, highestValue);
    QFETCH(QString, latencyText);

    const double low = parsePing(lowest);
    const double high = parsePing(highest);
    QCOMPARE(low, lowestValue);
    QCOMPARE(high, highestValue);
    const double latency = latencyOf(low, high);
    QVERIFY(std::isfinite(latency));
    QCOMPARE(numberText(latency), latencyText);

    OptionSnapshot options;
    options.text(1) = lowest;
    options.text(2) = highest;
    QVERIFY(generateText(options).startsWith(QStringLiteral("cl_latency \"-") + latencyText +
                                             QStringLiteral("\"\r\n")));
}

QTEST_GUILESS_MAIN(FaultInput)

#include "tst_fault_input.moc"
