#include "windows/appicon.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora;

namespace {

const QList<int> kSizes{16, 32, 48, 64, 128, 256};

QString committedPng(int size)
{
    return QStringLiteral(VELMORA_RESOURCES_DIR "/icons/%1.png").arg(size);
}

/// The largest difference of one colour or alpha channel between two images of the same size.
int largestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest =
                std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

} // namespace

class TestAppIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachSizeIsTheDrawingsRendering_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : kSizes)
            QTest::addRow("%d px", size) << size;
    }

    void eachSizeIsTheDrawingsRendering()
    {
        QFETCH(int, size);
        const QIcon icon = applicationIcon();
        QCOMPARE(icon.availableSizes().size(), kSizes.size());
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        // The window icon shows the committed rendering itself, not a scaled neighbour.
        const QImage committed = QImage(committedPng(size)).convertToFormat(QImage::Format_ARGB32);
        const QImage shown = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(committed.size(), QSize(size, size));
        QCOMPARE(shown.size(), QSize(size, size));
        QVERIFY(largestDifference(shown, committed) <= 2); // premultiplied alpha rounds

        // A changed drawing needs resources/make-icon.sh run again; this notices when it was not.
        const QString renderer = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
        if (renderer.isEmpty())
            QSKIP("rsvg-convert is not installed (Debian: librsvg2-bin)");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString rendered = dir.filePath(QStringLiteral("icon.png"));
        const QString width = QString::number(size);
        QProcess process;
        process.start(renderer, {QStringLiteral("--width"), width, QStringLiteral("--height"),
                                 width, QStringLiteral(VELMORA_RESOURCES_DIR "/velmora.svg"),
                                 QStringLiteral("--output"), rendered});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        const QImage expected = QImage(rendered).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(expected.size(), committed.size());
        // Another librsvg may round an edge pixel differently; a changed drawing moves far more.
        const int difference = largestDifference(expected, committed);
        QVERIFY2(difference <= 8, qPrintable(QStringLiteral("differs by %1").arg(difference)));
    }
};

QTEST_MAIN(TestAppIcon)
#include "tst_appicon.moc"
