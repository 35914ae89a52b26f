// What the main window does for the game's console: the offer to chain autoexec.cfg from
// userconfig.cfg after a Save, and the free-text fields that keep to what a quoted value carries.

#include "windowfixture.h"

#include "config/consolevalue.h"

#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTextCursor>

#include <cerrno>
#include <cstring>

using velmora::ui::Answer;
using velmora::ui::MessageBox;
using velmora::ui::MessageStyle;
using velmora::ui::Tone;

namespace {

const QString kSaveQuestion = QStringLiteral("Вы уверены что хотите сохранить конфиг?");
const QString kChainQuestion = QStringLiteral(
    "Игра выполняет config.cfg после autoexec.cfg и возвращает прежние значения.\r\nДобавить в "
    "userconfig.cfg строку \"exec autoexec.cfg\", чтобы ваш конфиг применялся при каждом запуске?");
const QByteArray kChained = "// Velmora: config.cfg runs after autoexec.cfg and brings the old "
                            "values back, so run autoexec.cfg again\r\nexec autoexec.cfg\r\n";

void save(velmora::IndexRus *window, QList<Answer> answers)
{
    MessageBox::clearHistory();
    MessageBox::setNextAnswers(std::move(answers));
    window->findChild<QAction *>(QStringLiteral("popMenu1Save"))->trigger();
}

/// Adds text at the end of the config box, as typed there.
void appendToBox(const QWidget *window, const QString &text)
{
    QTextCursor cursor(configBox(window)->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
}

/// Types the text a character (or surrogate pair) at a time, Cyrillic included.
void typeText(QWidget *field, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype width = text.at(i).isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text.mid(i, width),
                            Qt::NoModifier);
        i += width - 1;
    }
}

/// Styles of the boxes since the last save began, the save's own question left out.
QList<MessageStyle> stylesAfterTheQuestion()
{
    QList<MessageStyle> styles;
    const QList<MessageBox::Record> boxes = MessageBox::history();
    for (qsizetype i = 1; i < boxes.size(); ++i)
        styles << boxes[i].style;
    return styles;
}

} // namespace

class TestIndexRusConsole : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { resetSeams(); }

    void chainOffer_data()
    {
        QTest::addColumn<QByteArray>("userconfig"); ///< "<missing>": no file
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("typed");              ///< added to the box before the save
        QTest::addColumn<QList<Answer>>("answers");      ///< the save's question first
        QTest::addColumn<QList<MessageStyle>>("styles"); ///< the boxes that follow the question
        QTest::addColumn<QByteArray>("after");           ///< userconfig.cfg after the save
        const QByteArray none = "<missing>";
        const QByteArray chained = "Exec \"AUTOEXEC.CFG\"\n";
        const QByteArray bind = "bind x y\r\n";
        QTest::newRow("missing, Yes")
            << none << false << QString() << QList{Answer::Yes, Answer::Yes}
            << QList{MessageStyle::Question} << kChained;
        QTest::newRow("missing, No") << none << false << QString() << QList{Answer::Yes, Answer::No}
                                     << QList{MessageStyle::Question} << none;
        QTest::newRow("chained") << chained << false << QString() << QList{Answer::Yes}
                                 << QList<MessageStyle>{} << chained;
        QTest::newRow("loop") << bind << false << u"exec userconfig.cfg\n"_qs
                              << QList{Answer::Yes, Answer::Ok} << QList{MessageStyle::Information}
                              << bind;
        QTest::newRow("read-only")
            << bind << true << QString() << QList{Answer::Yes, Answer::Yes, Answer::Ok}
            << QList{MessageStyle::Question, MessageStyle::Error} << bind;
    }
    void chainOffer()
    {
        QFETCH(QByteArray, userconfig);
        QFETCH(bool, readOnly);
        QFETCH(QString, typed);
        QFETCH(QList<Answer>, answers);
        QFETCH(QList<MessageStyle>, styles);
        QFETCH(QByteArray, after);
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        QFile::remove(folders.userconfigCfg());
        if (userconfig != "<missing>")
            writeBytes(folders.userconfigCfg(), userconfig);
        if (readOnly)
            QFile::setPermissions(folders.userconfigCfg(), QFileDevice::ReadOwner);
        const auto window = loadedWindow(folders);
        appendToBox(window.get(), typed);

        save(window.get(), answers);
        QCOMPARE(MessageBox::history().value(0).text, kSaveQuestion);
        QCOMPARE(stylesAfterTheQuestion(), styles);
        if (styles.value(0) == MessageStyle::Question)
            QCOMPARE(MessageBox::history()[1].text, kChainQuestion);
        if (styles == QList{MessageStyle::Information})
            QVERIFY(MessageBox::history()[1].text.contains(u"\"exec userconfig.cfg\""_qs));
        if (readOnly)
            QCOMPARE(MessageBox::history()[2].text,
                     u"Отказано в доступе: "_qs +
                         QDir::toNativeSeparators(folders.userconfigCfg()));
        for (const MessageBox::Record &box : MessageBox::history())
            QCOMPARE(box.title, QStringLiteral("Velmora"));
        QCOMPARE(QFile::exists(folders.userconfigCfg()) ? readBytes(folders.userconfigCfg())
                                                        : QByteArray("<missing>"),
                 after);
    }

    void unchangedSaveWritesAndAsksNothing()
    {
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        QFile::remove(folders.userconfigCfg());
        const auto window = loadedWindow(folders);
        const QString bak = folders.autoexecCfg() + QStringLiteral(".bak");

        save(window.get(), {Answer::Yes, Answer::No}); // the offer declined
        QCOMPARE(stylesAfterTheQuestion(), QList{MessageStyle::Question});
        QVERIFY(!QFile::exists(bak));
        // The same box again: autoexec.cfg already holds it, nothing is written or asked.
        save(window.get(), {Answer::Yes});
        QCOMPARE(stylesAfterTheQuestion(), QList<MessageStyle>{});
        QVERIFY(!QFile::exists(bak));
        QVERIFY(!QFile::exists(folders.userconfigCfg()));
    }

    // --- the free-text fields ---------------------------------------------------------------

    void fieldsKeepToAQuotedValue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("put");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("refused"); ///< characters refused, a tone each when typed
        QTest::newRow("Text4") << "Text4"
                               << "a\"b\\c"
                               << "abc" << 2;
        QTest::newRow("Text5") << "Text5"
                               << "x\";quit;\""
                               << "x;quit;" << 2;
        QTest::newRow("Text11") << "Text11"
                                << "0\\,\"5"
                                << "0,5" << 2;
        // The box would save them as line breaks, splitting the nick's line.
        QTest::newRow("Text5, line separators") << "Text5" << u"a\u2028b\u2029c"_qs << "abc" << 2;
        // Byte caps: cut without a tone.
        QTest::newRow("nick, Cyrillic") << "Text5" << QString(20, u'ж') << QString(15, u'ж') << 0;
        QTest::newRow("nick, Cyrillic and one more byte")
            << "Text5" << QString(15, u'ж') + u"xy"_qs << QString(15, u'ж') + u'x' << 0;
        QTest::newRow("nick, astral characters")
            << "Text5" << QString(11, u'a') + u"😀😀😀😀😀😀"_qs << QString(11, u'a') + u"😀😀😀😀😀"_qs << 0;
        QTest::newRow("contact") << "Text4" << QString(200, u'c') << QString(127, u'c') << 0;
    }
    void fieldsKeepToAQuotedValue()
    {
        QFETCH(QString, name);
        QFETCH(QString, put);
        QFETCH(QString, kept);
        QFETCH(int, refused);
        GameFolders folders;
        folders.writeConfig({});
        const auto window = loadedWindow(folders);
        auto *edit = window->findChild<QLineEdit *>(name);
        edit->clear();
        typeText(edit, put);
        QCOMPARE(edit->text(), kept);
        QCOMPARE(Tone::count(), refused);

        // Pasted: refused characters left out with one tone for the whole paste. By the shortcut
        // they go before the field's length limit cuts the paste; the context menu's paste is cut
        // first.
        QGuiApplication::clipboard()->setText(put);
        for (bool shortcut : {true, false}) {
            if (!shortcut && refused > 0 && edit->maxLength() < put.size())
                continue;
            edit->clear();
            Tone::resetCount();
            if (shortcut)
                QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            else
                edit->paste();
            QCOMPARE(edit->text(), kept);
            QCOMPARE(Tone::count(), refused > 0 ? 1 : 0);
        }
        if (refused > 0 && edit->maxLength() > 2) {
            // Typed amid the text, a refused character leaves the cursor where it was.
            edit->setText(u"12"_qs);
            edit->setCursorPosition(1);
            typeText(edit, u"\"3"_qs);
            QCOMPARE(edit->text(), u"132"_qs);
        }
        if (refused == 0) {
            // A letter of two bytes typed in the middle of the full field is refused.
            edit->setCursorPosition(2);
            typeText(edit, u"ю"_qs);
            QCOMPARE(edit->text(), kept);
        }
        if (refused == 0 && edit->maxLength() > 2) {
            // Pasted after the field's own text, past the cap: the paste loses its end, never
            // the text that was there.
            edit->setText(u"ab"_qs);
            edit->end(false);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QVERIFY2(edit->text().startsWith(u"ab"_qs), qPrintable(edit->text()));
        }
    }

    // A paste (the context menu, a middle click) or a drop into a digit field keeps its digits:
    // the window never holds a value that --print-config refuses.
    void digitFieldsKeepDigitsOfAPaste_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("put");
        for (const char *name : {"Text1", "Text2", "Text3", "Text6", "Text7", "Text8", "Text9"})
            QTest::newRow(name) << QString::fromLatin1(name) << u"1\";quit;\"\u0663"_qs;
        QTest::newRow("Text3, past a console word") << u"Text3"_qs << QString(600, u'1');
    }
    void digitFieldsKeepDigitsOfAPaste()
    {
        QFETCH(QString, name);
        QFETCH(QString, put);
        GameFolders folders;
        folders.writeConfig({});
        const auto window = loadedWindow(folders);
        auto *edit = window->findChild<QLineEdit *>(name);
        QGuiApplication::clipboard()->setText(put);
        QMimeData dragged;
        dragged.setText(put);
        QDragEnterEvent enter({2, 2}, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop({2, 2}, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        for (bool dropped : {false, true}) {
            edit->clear();
            if (!dropped)
                edit->paste();
            else if (QApplication::sendEvent(edit, &enter))
                QApplication::sendEvent(edit, &drop);
            QCOMPARE(edit->text(), QString(std::min(put.count(u'1'), qsizetype(514)), u'1'));
            QCOMPARE(velmora::unsafeValue(window->snapshot()), QString());
        }
    }

    void volumeCommaShownAndWrittenAsAPoint()
    {
        GameFolders folders;
        folders.writeConfig({});
        const auto window = loadedWindow(folders);
        auto *volume = window->findChild<QLineEdit *>(QStringLiteral("Text11"));
        volume->clear();
        QTest::keyClicks(volume, QStringLiteral("0,5"));
        MessageBox::setNextAnswers({Answer::Yes});
        window->showConfig();
        QCOMPARE(volume->text(), QStringLiteral("0,5"));
        QVERIFY(window->configText().contains(u"\nvolume \"0.5\"\n"_qs));
    }
};

QTEST_MAIN(TestIndexRusConsole)
#include "tst_index_rus_console.moc"
