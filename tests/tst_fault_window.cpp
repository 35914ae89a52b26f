// The player's odd bytes through the real main window: load carries config.cfg into the config
// box, Save writes the box out, and every alias and bind line arrives in autoexec.cfg unchanged,
// whatever the box makes of its characters on the way.

#include "literalbytes.h"
#include "windowfixture.h"

#include "nonregularfiles.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

using namespace velmora;
using velmora::ui::MessageBox;

class FaultWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void carriedThroughTheBox_data();
    void carriedThroughTheBox();
    void noNulReachesTheScript();
    void fifoRefusedInABox_data();
    void fifoRefusedInABox();
};

void FaultWindow::init()
{
    resetSeams();
}

void FaultWindow::cleanup()
{
    MessageBox::setNextAnswers({});
}

void FaultWindow::carriedThroughTheBox_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QByteArray>("autoexec");

    QTest::newRow("control characters, a NUL ends the line")
        << bytes("bind a \"\x01\x1c\x1d\x1e\x1f\x0b\x0c\"\0\0\r\nname x\r\n")
        << bytes("bind a \"\x01\x1c\x1d\x1e\x1f\x0b\x0c\"\r\n\r\n");
    QTest::newRow("invalid UTF-8 and encoded surrogates")
        << QByteArray("bind k \"\xff\xfe\xc0\xaf\xed\xa0\x80\xed\xbf\xbf\xe2\x82\"\n")
        << QByteArray("bind k \"\xff\xfe\xc0\xaf\xed\xa0\x80\xed\xbf\xbf\xe2\x82\"\r\n\r\n");
    QTest::newRow("line and paragraph separators, frame marks")
        << QByteArray("bind x \"a\xe2\x80\xa8"
                      "b\xe2\x80\xa9"
                      "c\xef\xb7\x90"
                      "d\xef\xb7\x91"
                      "e\"\r")
        << QByteArray("bind x \"a\xe2\x80\xa8"
                      "b\xe2\x80\xa9"
                      "c\xef\xb7\x90"
                      "d\xef\xb7\x91"
                      "e\"\r\n\r\n");
    QTest::newRow("no-break space, next line, object mark, byte-order mark")
        << QByteArray("\xef\xbb\xbf"
                      "alias n \"\xc2\xa0\xc2\x85\xef\xbf\xbc\xef\xbb\xbf\"\r\n")
        << QByteArray("alias n \"\xc2\xa0\xc2\x85\xef\xbf\xbc\xef\xbb\xbf\"\r\n\r\n");
    QTest::newRow("mixed line ends, tabs, commas and quotes")
        << QByteArray("\tbind \",\" \"say a, \"\"b\"\"\"\rBIND 2\n  alias q \"w;w\"\r\n")
        << QByteArray("bind \",\" \"say a, \"\"b\"\"\"\r\nBIND 2\r\nalias q \"w;w\"\r\n\r\n");
}

void FaultWindow::carriedThroughTheBox()
{
    QFETCH(QByteArray, config);
    QFETCH(QByteArray, autoexec);

    GameFolders folders;
    folders.writeConfig(config);
    IndexRus window(folders.store());
    MessageBox::setNextAnswers({ui::Answer::Ok, ui::Answer::Yes}); // the count, Save's question
    window.load();
    window.saveConfig();

    const QList<MessageBox::Record> boxes = MessageBox::history();
    QVERIFY(!boxes.isEmpty());
    QVERIFY2(boxes.first().text.startsWith(QStringLiteral("Найдено ")),
             qPrintable(boxes.first().text));
    for (const MessageBox::Record &box : boxes)
        QVERIFY2(box.style != ui::MessageStyle::Error, qPrintable(box.text));
    QCOMPARE(readBytes(folders.autoexecCfg()).toHex(' '), autoexec.toHex(' '));
}

void FaultWindow::noNulReachesTheScript()
{
    // Open brings a file in up to its first NUL, where the game stops reading, and says so; Show
    // and Save then write no NUL.
    GameFolders folders;
    folders.writeConfig("bind a b\r\n");
    const QString opened = folders.gameFolder() + QStringLiteral("/cstrike/nul.cfg");
    writeBytes(opened, bytes("bind \"c\" \"d\0e\"\r\nfps_max \"99\"\r\n"));
    IndexRus window(folders.store());
    MessageBox::setNextAnswers({ui::Answer::Ok, ui::Answer::Ok, ui::Answer::Yes});
    window.load();
    window.openConfigFile(opened);
    QVERIFY2(MessageBox::history().last().text.contains(QStringLiteral("нулевой символ")),
             qPrintable(MessageBox::history().last().text));
    QCOMPARE(window.configText(), QStringLiteral("bind \"c\" \"d\n"));
    window.saveConfig();
    const QByteArray saved = readBytes(folders.autoexecCfg());
    QVERIFY(saved.startsWith("bind \"c\" \"d\r\n") && !saved.contains('\0'));

    // A NUL put into the box by hand (a paste) is refused before the question, naming its line.
    QPlainTextEdit *box = window.findChild<QPlainTextEdit *>(QStringLiteral("config"));
    box->appendPlainText(QStringLiteral("echo x") + QChar(0));
    MessageBox::clearHistory();
    MessageBox::setNextAnswers({ui::Answer::Ok});
    window.saveConfig();
    QCOMPARE(MessageBox::history().size(), 1);
    QCOMPARE(MessageBox::history().first().style, ui::MessageStyle::Error);
    QVERIFY(MessageBox::history().first().text.startsWith(QStringLiteral("В строке 3 ")));
    QCOMPARE(readBytes(folders.autoexecCfg()), saved);
}

void FaultWindow::fifoRefusedInABox_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("refusals"); ///< dir.vlm is read by the load and again by Save
    QTest::addColumn<QList<ui::Answer>>("answers"); ///< to the boxes of the load and of Save
    using ui::Answer;
    QTest::newRow("dir.vlm") << QStringLiteral("dir.vlm") << 2 << QList{Answer::Ok, Answer::Ok};
    QTest::newRow("config.cfg") << QStringLiteral("config.cfg") << 1
                                << QList{Answer::Ok, Answer::Yes};
    QTest::newRow("autoexec.cfg") << QStringLiteral("autoexec.cfg") << 1
                                  << QList{Answer::Ok, Answer::Yes, Answer::Ok};
}

void FaultWindow::fifoRefusedInABox()
{
    QFETCH(QString, file);
    QFETCH(int, refusals);
    QFETCH(QList<ui::Answer>, answers);

    GameFolders folders;
    const QString path = file == QStringLiteral("dir.vlm")      ? folders.pathFile()
                         : file == QStringLiteral("config.cfg") ? folders.configCfg()
                                                                : folders.autoexecCfg();
    if (file != QStringLiteral("config.cfg"))
        folders.writeConfig("bind a b\r\n");
    QFile::remove(path);
    QCOMPARE(makeNonRegular(NonRegular::Fifo, path), QString());

    // Load and Save each answer at once, say why in the usual error box, and the window goes on.
    IndexRus window(folders.store());
    MessageBox::setNextAnswers(answers);
    window.load();
    window.saveConfig();
    QStringList errors;
    for (const MessageBox::Record &box : MessageBox::history()) {
        if (box.style == ui::MessageStyle::Error)
            errors << box.text;
    }
    QCOMPARE(errors, QStringList(refusals, QStringLiteral("Это не обычный файл: ") + path));
    QVERIFY(S_ISFIFO(Standing::at(path).mode));
}

QTEST_MAIN(FaultWindow)

#include "tst_fault_window.moc"
