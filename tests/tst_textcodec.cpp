#include "base/textcodec.h"

#include <QTest>

using namespace velmora;

namespace {

/// Text from UTF-16 code units, lone surrogates included.
QString units(std::initializer_list<char16_t> codeUnits)
{
    QString text;
    for (char16_t unit : codeUnits)
        text.append(QChar(unit));
    return text;
}

} // namespace

class TestTextCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("bind \"w\" \"+forward\"")
                               << u"bind \"w\" \"+forward\""_qs;
        QTest::newRow("cyrillic") << QByteArray("bind k \"say Привет\"")
                                  << u"bind k \"say Привет\""_qs;
        QTest::newRow("astral") << QByteArray("alias \xF0\x9F\x98\x80") << u"alias 😀"_qs;
        QTest::newRow("nbsp") << QByteArray("a\xC2\xA0"
                                            "b")
                              << u"a\u00A0b"_qs;
        QTest::newRow("cp1251 byte") << QByteArray("say \xEF\xF0\xE8")
                                     << units({u's', u'a', u'y', u' ', 0xDCEF, 0xDCF0, 0xDCE8});
        QTest::newRow("lone continuation") << QByteArray("\x80") << units({0xDC80});
        QTest::newRow("truncated sequence") << QByteArray("\xE2\x82") << units({0xDCE2, 0xDC82});
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << units({0xDCC0, 0xDCAF});
        QTest::newRow("encoded surrogate")
            << QByteArray("\xED\xB2\x80") << units({0xDCED, 0xDCB2, 0xDC80});
        QTest::newRow("above U+10FFFF")
            << QByteArray("\xF4\x90\x80\x80") << units({0xDCF4, 0xDC90, 0xDC80, 0xDC80});
        QTest::newRow("NUL") << QByteArray("a\0b", 3) << units({u'a', 0, u'b'});
        QTest::newRow("FF FE") << QByteArray("\xFF\xFE") << units({0xDCFF, 0xDCFE});
        QTest::newRow("U+0800") << QByteArray("\xE0\xA0\x80") << u"\u0800"_qs;
        QTest::newRow("U+07FF") << QByteArray("\xDF\xBF") << u"\u07FF"_qs;
        // Characters the config box would take for line breaks travel as their bytes.
        QTest::newRow("line separator")
            << QByteArray("\xE2\x80\xA8") << units({0xDCE2, 0xDC80, 0xDCA8});
        QTest::newRow("paragraph separator")
            << QByteArray("\xE2\x80\xA9") << units({0xDCE2, 0xDC80, 0xDCA9});
        QTest::newRow("noncharacters") << QByteArray("\xEF\xB7\x90\xEF\xB7\x91")
                                       << units({0xDCEF, 0xDCB7, 0xDC90, 0xDCEF, 0xDCB7, 0xDC91});
    }

    void roundTrip()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeLossless(bytes), text);
        QCOMPARE(encodeLossless(text), bytes);
    }

    void everyByteSurvives()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(encodeLossless(decodeLossless(all)), all);
        QByteArray pairs;
        for (int a = 0x80; a < 256; ++a) {
            for (int b = 0x80; b < 256; b += 7)
                pairs.append(char(a)).append(char(b)).append('x');
        }
        QCOMPARE(encodeLossless(decodeLossless(pairs)), pairs);
    }

    void asciiRunsOfAnyLengthAroundOtherBytes()
    {
        // The decoder takes ASCII eight bytes at a time; a multibyte character or an escaped byte
        // may sit at any place in such a block.
        for (int before = 0; before <= 17; ++before) {
            const QByteArray bytes = QByteArray(before, 'a') + "\xD0\xBF" +
                                     QByteArray(17 - before, 'b') + "\xFF" + QByteArray(9, 'c');
            const QString text = QString(before, u'a') + u"п"_qs + QString(17 - before, u'b') +
                                 units({0xDCFF}) + QString(9, u'c');
            QCOMPARE(decodeLossless(bytes), text);
            QString appended = u"bind "_qs;
            appendDecodedLossless(bytes, appended);
            QCOMPARE(appended, u"bind "_qs + text);
            QCOMPARE(encodeLossless(appended), "bind " + bytes);
        }
    }

    void loneSurrogateThatNoDecodingMakesIsReplaced()
    {
        QCOMPARE(encodeLossless(units({u'a', 0xD800, u'b'})), QByteArray("a?b"));
        QCOMPARE(encodeLossless(units({0xDC7F})), QByteArray("?"));
    }
};

QTEST_GUILESS_MAIN(TestTextCodec)
#include "tst_textcodec.moc"
