// The commands of the main window's menu: Show, Save, Clear, Exit and the folder reset, and the
// whole way from a game's config.cfg to its autoexec.cfg.

#include "windowfixture.h"

#include "config/configreader.h"
#include "config/generator.h"
#include "console/crosshair.h"
#include "ui/tabcontrol.h"
#include "windows/crosshairdialog.h"
#include "windows/crosshairpreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using velmora::IndexRus;
using velmora::ui::Answer;
using velmora::ui::MessageBox;
using velmora::ui::MessageStyle;

namespace {

const QString kShowQuestion = QStringLiteral("Все поля заполнены??");
const QString kSaveQuestion = QStringLiteral("Вы уверены что хотите сохранить конфиг?");
const QString kClearQuestion = QStringLiteral("Вы уверены что хотите ОЧИСТИТЬ конфиг?");
const QString kExitQuestion = QStringLiteral("Вы действительно хотите выйти?");
const QString kResetQuestion =
    QStringLiteral("Выдействительно хотите обнавить путь к папке с Half-Life?\r\nПослетого как вы "
                   "нажмёте на кнопку ДА надо будет запустипь программу заново!");

void trigger(QWidget *window, const char *action)
{
    auto *a = window->findChild<QAction *>(QLatin1StringView(action));
    QVERIFY2(a, action);
    a->trigger();
}

/// The lines of one run with the controls at their start-up values, '\n' ended as in the box.
QString defaultRun()
{
    return velmora::generateText(velmora::OptionSnapshot())
        .replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
}

QByteArray crlf(QByteArray bytes)
{
    return bytes.replace("\n", "\r\n");
}

} // namespace

class TestIndexRusCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { resetSeams(); }

    // --- Show -------------------------------------------------------------------------------

    void showAnsweredNoGeneratesNothingAndTurnsToTheFirstTab()
    {
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        const auto window = loadedWindow(folders);
        auto *tabs = window->findChild<velmora::ui::TabControl *>(QStringLiteral("SSTab1"));
        QCOMPARE(tabs->currentIndex(), 2);
        MessageBox::clearHistory();
        {
            BoxAnswerer no(QStringLiteral("Нет"));
            trigger(window.get(), "popMenu1Show");
            QCOMPARE(no.texts, QStringList{kShowQuestion});
            QCOMPARE(no.icons, QList<QMessageBox::Icon>{QMessageBox::Warning});
        }
        QCOMPARE(MessageBox::history()[0].style, MessageStyle::Question);
        QCOMPARE(window->configText(), QStringLiteral("bind a b\n"));
        QCOMPARE(tabs->currentIndex(), 0);
    }

    void showAnsweredYesAppendsAfterTheImportedLines()
    {
        GameFolders folders;
        folders.writeConfig("bind a b\r\nalias c d\r\n");
        const auto window = loadedWindow(folders);
        auto *tabs = window->findChild<velmora::ui::TabControl *>(QStringLiteral("SSTab1"));
        {
            BoxAnswerer yes(QStringLiteral("Да"));
            trigger(window.get(), "popMenu1Show");
            QCOMPARE(yes.texts, QStringList{kShowQuestion});
        }
        const QString text = window->configText();
        QCOMPARE(text, QStringLiteral("bind a b\nalias c d\n") + defaultRun());
        QCOMPARE(text.count(QLatin1Char('\n')), 2 + 44);
        QVERIFY(text.contains(QStringLiteral("\nbind a b\nalias c d\ncl_latency \"-0\"\n").mid(1)));
        QCOMPARE(tabs->currentIndex(), 2); // Yes leaves the tab alone
    }

    void showTwiceAppendsTwice()
    {
        GameFolders folders;
        folders.writeConfig({});
        const auto window = loadedWindow(folders);
        MessageBox::setNextAnswers({velmora::ui::Answer::Yes, velmora::ui::Answer::Yes});
        trigger(window.get(), "popMenu1Show");
        trigger(window.get(), "popMenu1Show");
        QCOMPARE(window->configText(), defaultRun() + defaultRun());
    }

    void showReadsTheControlsAsTheyStand()
    {
        GameFolders folders;
        folders.writeConfig({});
        const auto window = loadedWindow(folders);
        window->findChild<QComboBox *>(QStringLiteral("Combo1"))->setCurrentIndex(3);
        window->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("40"));
        window->findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("60"));
        window->findChild<QCheckBox *>(QStringLiteral("Check12"))->setChecked(true);
        MessageBox::setNextAnswers({velmora::ui::Answer::Yes});
        trigger(window.get(), "popMenu1Show");
        const QString text = window->configText();
        QVERIFY(text.startsWith(QStringLiteral(
            "rate \"8500\"\ncl_updaterate \"30\"\ncl_cmdrate \"40\"\ncl_latency \"-37.5\"\n")));
        QCOMPARE(text, velmora::generateText(window->snapshot())
                           .replace(QLatin1StringView("\r\n"), QLatin1StringView("\n")));
        QVERIFY(text != defaultRun());
    }

    void showJoinsTheFirstLineToALastLineWithoutABreak()
    {
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        const auto window = loadedWindow(folders);
        QPlainTextEdit *config = configBox(window.get());
        // The user deletes the last line break.
        config->moveCursor(QTextCursor::End);
        QTest::keyClick(config, Qt::Key_Backspace);
        QCOMPARE(window->configText(), QStringLiteral("bind a b"));
        MessageBox::setNextAnswers({velmora::ui::Answer::Yes});
        trigger(window.get(), "popMenu1Show");
        QCOMPARE(window->configText(), QStringLiteral("bind a b") + defaultRun());
        QVERIFY(window->configText().startsWith(QStringLiteral("bind a bcl_latency \"-0\"\n")));
    }

    void oneShowIsOneUndoStep()
    {
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        const auto window = loadedWindow(folders);
        QTextDocument *document = configBox(window.get())->document();
        QVERIFY(!document->isUndoAvailable()); // the load is not undone into the design text
        MessageBox::setNextAnswers({velmora::ui::Answer::Yes, velmora::ui::Answer::Yes});
        trigger(window.get(), "popMenu1Show");
        trigger(window.get(), "popMenu1Show");
        document->undo();
        QCOMPARE(window->configText(), QStringLiteral("bind a b\n") + defaultRun());
        document->undo();
        QCOMPARE(window->configText(), QStringLiteral("bind a b\n"));
        QVERIFY(!document->isUndoAvailable());
    }

    void showOnALargeBoxAppendsWithoutRewriting()
    {
        GameFolders folders;
        QByteArray bytes;
        for (int i = 0; i < 200000; ++i)
            bytes += "bind k" + QByteArray::number(i) + " x\r\n";
        folders.writeConfig(bytes);
        const auto window = loadedWindow(folders);
        QTextDocument *document = configBox(window.get())->document();
        const QTextBlock firstBlock = document->firstBlock();
        MessageBox::setNextAnswers({velmora::ui::Answer::Yes});
        trigger(window.get(), "popMenu1Show");
        QCOMPARE(document->blockCount(), 200000 + 44 + 1);
        // The blocks that were there stay the same blocks: nothing was set anew.
        QVERIFY(document->firstBlock() == firstBlock);
        QCOMPARE(document->findBlockByNumber(199999).text(), QStringLiteral("bind k199999 x"));
        QCOMPARE(document->findBlockByNumber(200000).text(), QStringLiteral("cl_latency \"-0\""));
    }

    // --- Save -------------------------------------------------------------------------------

    void saveWritesTheBoxAndCrLfByteForByte()
    {
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        const auto window = loadedWindow(folders);
        QPlainTextEdit *config = configBox(window.get());
        config->moveCursor(QTextCursor::End);
        QTest::keyClicks(config, QStringLiteral("echo typed"));
        QTest::keyClick(config, Qt::Key_Return);
        QTest::keyClicks(config, QStringLiteral("last"));
        {
            BoxAnswerer yes(QStringLiteral("Да"));
            trigger(window.get(), "popMenu1Save");
            QCOMPARE(yes.texts, QStringList{kSaveQuestion});
        }
        QCOMPARE(readBytes(folders.autoexecCfg()),
                 QByteArray("bind a b\r\necho typed\r\nlast\r\n"));
        QCOMPARE(MessageBox::history().size(), 2); // the count and the question, nothing after
    }

    void saveKeepsEveryCharacterOfThePlayersLines()
    {
        // A no-break space and a byte that is not valid UTF-8 reach autoexec.cfg unchanged.
        GameFolders folders;
        const QByteArray binds = "bind \"x\" \"say\xC2\xA0hi\"\r\nbind y \x80z\xFF\r\n";
        folders.writeConfig(binds);
        const auto window = loadedWindow(folders);
        QVERIFY(window->configText().contains(QChar(0x00A0)));
        QVERIFY(window->configText().contains(QChar(0xDC80)));
        MessageBox::setNextAnswers({velmora::ui::Answer::Yes});
        trigger(window.get(), "popMenu1Save");
        QCOMPARE(readBytes(folders.autoexecCfg()), binds + "\r\n");
    }

    void saveOfAnEmptyBoxWritesOnlyCrLf()
    {
        GameFolders folders;
        folders.writeConfig({});
        const auto window = loadedWindow(folders);
        MessageBox::setNextAnswers({velmora::ui::Answer::Yes});
        trigger(window.get(), "popMenu1Save");
        QCOMPARE(readBytes(folders.autoexecCfg()), QByteArray("\r\n"));
    }

    void saveAnsweredNoWritesNothing()
    {
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        writeBytes(folders.autoexecCfg(), "old\r\n");
        const auto window = loadedWindow(folders);
        MessageBox::clearHistory();
        {
            BoxAnswerer no(QStringLiteral("Нет"));
            trigger(window.get(), "popMenu1Save");
            QCOMPARE(no.texts, QStringList{kSaveQuestion});
        }
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(readBytes(folders.autoexecCfg()), QByteArray("old\r\n"));
    }

    void saveWithoutPathFileShowsTheErrorAndAsksNothing()
    {
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        const auto window = loadedWindow(folders);
        QFile::remove(folders.pathFile());
        MessageBox::clearHistory();
        {
            BoxAnswerer ok(QStringLiteral("OK"));
            trigger(window.get(), "popMenu1Save");
            QCOMPARE(ok.icons, QList<QMessageBox::Icon>{QMessageBox::Critical});
        }
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].style, MessageStyle::Error);
        QVERIFY(MessageBox::history()[0].text != kSaveQuestion);
        QVERIFY(!QFile::exists(folders.autoexecCfg()));
    }

    void saveWithoutCstrikeFolderShowsTheErrorAndCreatesNothing()
    {
        GameFolders folders;
        const QString other = folders.root.filePath(QStringLiteral("nocstrike"));
        QDir().mkpath(other);
        folders.writePathFile(other);
        const auto window = loadedWindow(folders); // the import fails too, with its own error
        MessageBox::clearHistory();
        MessageBox::setNextAnswers({velmora::ui::Answer::Yes, velmora::ui::Answer::Ok});
        trigger(window.get(), "popMenu1Save");
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(MessageBox::history()[0].text, kSaveQuestion);
        QCOMPARE(MessageBox::history()[1].style, MessageStyle::Error);
        QVERIFY(!MessageBox::history()[1].text.isEmpty());
        QVERIFY(!QFileInfo::exists(other + QStringLiteral("/cstrike")));
    }

    void saveWritesWhereThePathFileNamesNow()
    {
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        const auto window = loadedWindow(folders);
        const QString moved = folders.root.filePath(QStringLiteral("moved"));
        QDir().mkpath(moved + QStringLiteral("/cstrike"));
        folders.writePathFile(moved);
        // The moved folder's userconfig.cfg does not run autoexec.cfg: its offer answered No.
        MessageBox::setNextAnswers({velmora::ui::Answer::Yes, velmora::ui::Answer::No});
        trigger(window.get(), "popMenu1Save");
        QCOMPARE(MessageBox::history().last().style, MessageStyle::Question);
        QVERIFY(!QFile::exists(moved + QStringLiteral("/cstrike/userconfig.cfg")));
        QCOMPARE(readBytes(moved + QStringLiteral("/cstrike/autoexec.cfg")),
                 QByteArray("bind a b\r\n\r\n"));
        QVERIFY(!QFile::exists(folders.autoexecCfg()));
        QCOMPARE(window->gameFolder(), moved);
        QCOMPARE(window->configText(), QStringLiteral("bind a b\n")); // no new import
    }

    void saveAfterAPathFileEmptiedUsesTheLoadsFolder()
    {
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        const auto window = loadedWindow(folders);
        writeBytes(folders.pathFile(), {});
        MessageBox::setNextAnswers({velmora::ui::Answer::Yes});
        trigger(window.get(), "popMenu1Save");
        QCOMPARE(readBytes(folders.autoexecCfg()), QByteArray("bind a b\r\n\r\n"));
    }

    void saveWithNoFolderEverNamedRefusesToGuess()
    {
        // No folder at load and none now: "/cstrike/autoexec.cfg" at the root is not the game's.
        GameFolders folders;
        writeBytes(folders.pathFile(), {});
        IndexRus window(folders.store());
        MessageBox::setNextAnswers({velmora::ui::Answer::Ok});
        window.load();
        MessageBox::clearHistory();
        MessageBox::setNextAnswers({velmora::ui::Answer::Ok});
        trigger(&window, "popMenu1Save");
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].text, QStringLiteral("В файле не указан путь!"));
        QCOMPARE(MessageBox::history()[0].style, MessageStyle::Error);
    }

    void saveOverAReadOnlyFileIsRefused()
    {
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        writeBytes(folders.autoexecCfg(), "old\r\n");
        QFile::setPermissions(folders.autoexecCfg(), QFileDevice::ReadOwner);
        const auto window = loadedWindow(folders);
        MessageBox::clearHistory();
        MessageBox::setNextAnswers({velmora::ui::Answer::Yes, velmora::ui::Answer::Ok});
        trigger(window.get(), "popMenu1Save");
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(MessageBox::history()[1].style, MessageStyle::Error);
        QCOMPARE(readBytes(folders.autoexecCfg()), QByteArray("old\r\n"));
        QFile::setPermissions(folders.autoexecCfg(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void saveQuestionShowsWhatChanges_data()
    {
        QTest::addColumn<QByteArray>("before"); ///< autoexec.cfg; empty: none
        QTest::addColumn<QString>("details");
        const QString list = u"Строки со знаком \"-\" уйдут из autoexec.cfg, строки со знаком "
                             u"\"+\" придут в него; строки без знака останутся, \"@@\" даёт "
                             u"номера строк.\n\n"_qs;
        QTest::newRow("no file") << QByteArray() << list + u"@@ -0,0 +1,2 @@\n+bind a b\n+"_qs;
        QTest::newRow("same bytes") << QByteArray("bind a b\r\n\r\n")
                                    << u"Файл autoexec.cfg не изменится: в нём уже этот конфиг."_qs;
        QTest::newRow("changed, in place")
            << QByteArray("bind a c\r\nold\r\n\r\n")
            << list + u"@@ -1,3 +1,2 @@\n-bind a c\n+bind a b\n-old\n "_qs;
        // A list of thousands of lines is cut short, saying how many more there are.
        QTest::newRow("long") << "bind a b\r\n" + QByteArray("old\r\n").repeated(1002) + "\r\n"
                              << list + u"@@ -1,1004 +1,2 @@\n bind a b\n"_qs +
                                     u"-old\n"_qs.repeated(1000) +
                                     u"... и ещё изменённых строк: 2"_qs;
        QTest::newRow("more after the same start")
            << QByteArray("bind a b\r\n\r\nold\r\n")
            << list + u"@@ -1,3 +1,2 @@\n bind a b\n \n-old"_qs;
        QTest::newRow("line ends besides")
            << QByteArray("bind a c\n\n")
            << list.chopped(2) + u" Кроме того, изменятся концы строк.\n\n"
                                 u"@@ -1,2 +1,2 @@\n-bind a c\n+bind a b\n "_qs;
    }
    void saveQuestionShowsWhatChanges()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, details);
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        if (!before.isEmpty())
            writeBytes(folders.autoexecCfg(), before);
        const auto window = loadedWindow(folders);
        MessageBox::clearHistory();
        {
            BoxAnswerer yes(QStringLiteral("Да"));
            trigger(window.get(), "popMenu1Save");
            QCOMPARE(yes.details, QStringList{details}); // what the real box showed
        }
        QCOMPARE(MessageBox::history().first().details, details);
        QCOMPARE(readBytes(folders.autoexecCfg()), QByteArray("bind a b\r\n\r\n"));
    }

    // --- Open -------------------------------------------------------------------------------

    void openShowSaveHoldsEachSettingOnceAndEveryBindOnce()
    {
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        // A config kept by the player, edited by hand: upper case, `;`, a comment, a setting twice,
        // and the byte-order mark of an editor.
        writeBytes(folders.gameFolder() + u"/cstrike/mine.cfg"_qs,
                   "\xEF\xBB\xBF"
                   "bind \"w\" \"+forward\"\r\nSENSITIVITY 3; fps_max \"100\"\r\n// mine\r\n"
                   "sensitivity \"5\"\r\nbind \"MOUSE1\" \"+attack\"\r\n");
        const auto window = loadedWindow(folders);
        MessageBox::clearHistory();
        MessageBox::setNextAnswers({Answer::Ok, Answer::Yes, Answer::Yes});
        {
            FileDialogAnswerer pick(u"mine.cfg"_qs);
            trigger(window.get(), "popMenu1Open");
            QCOMPARE(pick.folders, QStringList{folders.gameFolder() + u"/cstrike"_qs});
        }
        QCOMPARE(MessageBox::history().first().text,
                 u"Строк перенесено в настройки: 2\r\nСтрок осталось в конфиге: 3"_qs);
        QCOMPARE(window->configText(),
                 u"bind \"w\" \"+forward\"\n// mine\nbind \"MOUSE1\" \"+attack\"\n"_qs);
        trigger(window.get(), "popMenu1Show");
        trigger(window.get(), "popMenu1Save");
        QStringList names;
        for (const QByteArray &line : readBytes(folders.autoexecCfg()).split('\n')) {
            if (!line.trimmed().isEmpty() && !line.startsWith("//"))
                names << QString::fromUtf8(line.trimmed()).toLower();
        }
        for (QString &name : names) {
            if (!name.startsWith(u"bind"))
                name = name.section(u' ', 0, 0); // a setting once, whatever its value
        }
        QCOMPARE(names.removeDuplicates(), 0);
        QVERIFY(names.contains(u"bind \"mouse1\" \"+attack\""_qs));
        const QByteArray saved = readBytes(folders.autoexecCfg());
        QVERIFY(saved.contains("\r\nsensitivity \"5\"\r\n") && saved.contains("fps_max \"100\""));
    }

    // A file of settings no control can hold and rates off every preset: Open, Show, Save keeps
    // every one of them, once; a control moved after Open writes its own value, once.
    void openShowSaveKeepsTheFileAndTheMovedControl()
    {
        GameFolders folders;
        folders.writeConfig({});
        const QByteArray file = "fps_max \"101\"\r\nrate \"25000\"\r\ncl_updaterate \"101\"\r\n"
                                "cl_cmdrate \"101\"\r\nex_interp \"0.01\"\r\nname \"Tester\"\r\n"
                                "sensitivity \"2.5\"\r\nvolume \"0.5\"\r\nvoice_scale \"0.75\"\r\n"
                                "bind \"w\" \"+forward\"; fps_max 101 // mine\r\n";
        writeBytes(folders.gameFolder() + u"/cstrike/mine.cfg"_qs, file);
        const auto window = loadedWindow(folders);
        auto *combo = window->findChild<QComboBox *>(u"Combo1"_qs);
        combo->setCurrentIndex(1); // a connection type chosen before Open
        // Open's count, then Show, Save and two more Shows, each asked.
        MessageBox::setNextAnswers(
            {Answer::Ok, Answer::Yes, Answer::Yes, Answer::Yes, Answer::Yes});
        window->openConfigFile(folders.gameFolder() + u"/cstrike/mine.cfg"_qs);
        // Ten lines: the split one stays in the box with the comment of its taken part.
        QCOMPARE(MessageBox::history().last().text,
                 u"Строк перенесено в настройки: 3\r\nСтрок осталось в конфиге: 7"_qs);
        QVERIFY(window->configText().endsWith(u"bind \"w\" \"+forward\" // mine\n"_qs));
        trigger(window.get(), "popMenu1Show");
        trigger(window.get(), "popMenu1Save");
        // The game, running the saved script, ends with every value of the file, each set once.
        const QStringList saved =
            QString::fromUtf8(readBytes(folders.autoexecCfg())).toLower().split(u"\r\n"_qs);
        const QStringList settings = QString::fromUtf8(file).toLower().split(u"\r\n"_qs).mid(0, 9);
        for (const QString &setting : settings) {
            const QString name = setting.section(u' ', 0, 0) + u' ';
            QCOMPARE(saved.filter(QRegularExpression(u'^' + name)), QStringList{setting});
        }
        // The slider moved: its line comes after the file's, once per Show that follows a move.
        window->findChild<QSlider *>(u"Slider5"_qs)->setValue(9);
        const qsizetype before = window->configText().size();
        trigger(window.get(), "popMenu1Show");
        trigger(window.get(), "popMenu1Show");
        QCOMPARE(window->configText().mid(before), u"sensitivity \"9\"\n"_qs);
    }

    // Velmora's own autoexec.cfg, opened, shown and saved, stays byte for byte, its count too.
    void ownAutoexecComesBackUnchanged()
    {
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        const auto window = loadedWindow(folders);
        MessageBox::setNextAnswers({Answer::Yes, Answer::Yes});
        trigger(window.get(), "popMenu1Show");
        trigger(window.get(), "popMenu1Save");
        const QByteArray first = readBytes(folders.autoexecCfg());
        QStringList counts;
        for (int round = 0; round < 2; ++round) {
            MessageBox::setNextAnswers({Answer::Ok, Answer::Yes, Answer::Yes});
            window->openConfigFile(folders.autoexecCfg());
            counts << MessageBox::history().last().text;
            trigger(window.get(), "popMenu1Show");
            trigger(window.get(), "popMenu1Save");
            QCOMPARE(readBytes(folders.autoexecCfg()), first);
        }
        QCOMPARE(counts[0], counts[1]);
    }

    void saveAsOntoAutoexecIsSave_data()
    {
        QTest::addColumn<bool>("moved");
        QTest::newRow("the folder of the load") << false;
        // dir.vlm names another folder since the load: its autoexec.cfg is the game's now.
        QTest::newRow("the folder named now") << true;
    }

    // "Сохранить как..." onto the game's autoexec.cfg asks as Save asks and keeps the backup.
    void saveAsOntoAutoexecIsSave()
    {
        QFETCH(bool, moved);
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        const QString game = moved ? folders.root.filePath(u"moved"_qs) : folders.gameFolder();
        QDir().mkpath(game + u"/cstrike"_qs);
        const QString autoexec = game + u"/cstrike/autoexec.cfg"_qs;
        writeBytes(autoexec, "old\r\n");
        const auto window = loadedWindow(folders);
        folders.writePathFile(game);
        MessageBox::clearHistory();
        MessageBox::setNextAnswers({Answer::Yes, Answer::Yes, Answer::No});
        {
            FileDialogAnswerer pick(u"autoexec.cfg"_qs);
            BoxAnswerer replace(u"&Yes"_qs); // the dialog's own question about the file there
            trigger(window.get(), "popMenu1SaveAs");
        }
        QCOMPARE(MessageBox::history().first().text, kSaveQuestion);
        QVERIFY(MessageBox::history().first().details.contains(u"-old"));
        QCOMPARE(readBytes(autoexec + u".bak"_qs), QByteArray("old\r\n"));
        QCOMPARE(readBytes(autoexec), QByteArray("bind a b\r\n\r\n"));
    }

    // Without an autoexec.cfg to keep, the question says the backup is copied and stays.
    void restoreAsksTheTruth()
    {
        GameFolders folders;
        folders.writeConfig({});
        writeBytes(folders.autoexecCfg() + u".bak"_qs, "old\r\n");
        const auto window = loadedWindow(folders);
        MessageBox::clearHistory();
        MessageBox::setNextAnswers({Answer::Yes, Answer::Ok});
        trigger(window.get(), "popMenu1Restore");
        QVERIFY(MessageBox::history().first().text.contains(u"Файла autoexec.cfg сейчас нет"));
        QVERIFY(QFile::exists(folders.autoexecCfg() + u".bak"_qs));
    }

    // --- Clear ------------------------------------------------------------------------------

    void clear_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no") << "Нет"
                            << "bind a b\n";
        QTest::newRow("yes") << "Да"
                             << "";
    }
    void clear()
    {
        QFETCH(QString, button);
        QFETCH(QString, expected);
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        const auto window = loadedWindow(folders);
        {
            BoxAnswerer press(button);
            trigger(window.get(), "popMenu1Clear");
            QCOMPARE(press.texts, QStringList{kClearQuestion});
        }
        QCOMPARE(window->configText(), expected);
        // A save afterwards writes what the box holds, only CR LF when it is empty.
        MessageBox::setNextAnswers({velmora::ui::Answer::Yes});
        trigger(window.get(), "popMenu1Save");
        QCOMPARE(readBytes(folders.autoexecCfg()), crlf(expected.toUtf8()) + "\r\n");
    }

    // --- Exit and the folder reset -----------------------------------------------------------

    void endsOnlyOnYes_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("ends");
        QTest::newRow("exit, no") << QByteArray("popMenu2Exit") << kExitQuestion << "Нет" << 0;
        QTest::newRow("exit, yes") << QByteArray("popMenu2Exit") << kExitQuestion << "Да" << 1;
        QTest::newRow("reset, no") << QByteArray("new") << kResetQuestion << "Нет" << 0;
        QTest::newRow("reset, yes") << QByteArray("new") << kResetQuestion << "Да" << 1;
    }
    void endsOnlyOnYes()
    {
        QFETCH(QByteArray, command);
        QFETCH(QString, question);
        QFETCH(QString, button);
        QFETCH(int, ends);
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        const auto window = loadedWindow(folders);
        QSignalSpy quit(window.get(), &IndexRus::quitRequested);
        MessageBox::clearHistory();
        {
            BoxAnswerer press(button);
            trigger(window.get(), command.constData());
            QCOMPARE(press.texts, QStringList{question});
            QCOMPARE(press.icons, QList<QMessageBox::Icon>{QMessageBox::Warning});
        }
        QCOMPARE(MessageBox::history()[0].style, MessageStyle::Question);
        QCOMPARE(quit.count(), ends);
        // Only the reset removes the path file, and only on Yes.
        QCOMPARE(QFile::exists(folders.pathFile()), command != "new" || ends == 0);
        // Unsaved text is neither saved nor asked about.
        QCOMPARE(MessageBox::history().size(), 1);
        QVERIFY(!QFile::exists(folders.autoexecCfg()));
    }

    void resetReportsAPathFileThatCannotBeDeletedThenEnds()
    {
        GameFolders folders;
        folders.writeConfig({});
        const auto window = loadedWindow(folders);
        // A folder in the path file's place cannot be removed as a file.
        QFile::remove(folders.pathFile());
        QDir().mkpath(folders.pathFile() + QStringLiteral("/keep"));
        QSignalSpy quit(window.get(), &IndexRus::quitRequested);
        MessageBox::clearHistory();
        MessageBox::setNextAnswers({velmora::ui::Answer::Yes, velmora::ui::Answer::Ok});
        trigger(window.get(), "new");
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(MessageBox::history()[1].style, MessageStyle::Error);
        QVERIFY(!MessageBox::history()[1].text.isEmpty());
        QCOMPARE(quit.count(), 1);
    }

    void closingByTheTitleBarEndsWithoutAQuestion()
    {
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        const auto window = loadedWindow(folders);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QSignalSpy quit(window.get(), &IndexRus::quitRequested);
        MessageBox::clearHistory();
        QVERIFY(window->close());
        QCOMPARE(quit.count(), 1);
        QCOMPARE(MessageBox::history().size(), 0);
        QVERIFY(!QFile::exists(folders.autoexecCfg()));
    }

    // --- The whole way ------------------------------------------------------------------------

    void threeBindsShowAndSaveGiveTheScript()
    {
        GameFolders folders;
        folders.writeConfig("// written by the game\r\nunbindall\r\nbind \"w\" \"+forward\"\r\n"
                            "bind \"MOUSE1\" \"+attack\"\r\nsensitivity \"3\"\r\n"
                            "bind \",\" \"say hi, all\"\r\n");
        IndexRus window(folders.store());
        {
            BoxAnswerer ok(QStringLiteral("OK"));
            window.load();
            QCOMPARE(ok.texts, QStringList{QStringLiteral("Найдено 3 bind(s) и alias")});
        }
        {
            BoxAnswerer yes(QStringLiteral("Да"));
            trigger(&window, "popMenu1Show");
            trigger(&window, "popMenu1Save");
            QCOMPARE(yes.texts, (QStringList{kShowQuestion, kSaveQuestion}));
        }
        QByteArray bare = readBytes(folders.autoexecCfg());
        bare.replace("\r\n", "");
        QVERIFY(!bare.contains('\n') && !bare.contains('\r')); // no lone LF or CR
        const QByteArray file = readBytes(folders.autoexecCfg());
        const QList<QByteArray> lines = file.split('\n');
        for (qsizetype i = 0; i + 1 < lines.size(); ++i)
            QVERIFY2(lines[i].endsWith('\r'), lines[i].constData()); // CR LF everywhere
        QCOMPARE(lines.size(), 3 + 44 + 1 + 1); // binds, run, the final empty line, after its LF
        QCOMPARE(lines[0], QByteArray("bind \"w\" \"+forward\"\r"));
        QCOMPARE(lines[1], QByteArray("bind \"MOUSE1\" \"+attack\"\r"));
        QCOMPARE(lines[2], QByteArray("bind \",\" \"say hi, all\"\r"));
        QCOMPARE(lines[3], QByteArray("cl_latency \"-0\"\r"));
        QCOMPARE(lines[4], QByteArray("name \"Player\"\r"));
        QCOMPARE(lines[14], QByteArray("sensitivity \"15\"\r"));
        QCOMPARE(lines[47], QByteArray("\r"));
        QCOMPARE(lines[48], QByteArray());
        QCOMPARE(file, "bind \"w\" \"+forward\"\r\nbind \"MOUSE1\" \"+attack\"\r\n"
                       "bind \",\" \"say hi, all\"\r\n" +
                           velmora::generateText(velmora::OptionSnapshot()).toUtf8() + "\r\n");
    }

    // --- Crosshair --------------------------------------------------------------------------

    void crosshairDialogReadsTheBoxAndWritesOnOkOnly_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("after");
        const QString box = u"bind a b\ncl_crosshair_size small\ncl_crosshair_color \"250 50 50\"\n"
                            "fps_max 99\n"_qs;
        QTest::newRow("OK") << u"Command2"_qs
                            << u"bind a b\ncl_crosshair_color \"250 50 50\"\n"
                               "cl_crosshair_size \"large\"\ncl_crosshair_translucent \"1\"\n"
                               "cl_dynamiccrosshair \"0\"\nfps_max 99\n"_qs;
        QTest::newRow("Cancel") << u"Command3"_qs << box;
    }
    void crosshairDialogReadsTheBoxAndWritesOnOkOnly()
    {
        QFETCH(QString, button);
        QFETCH(QString, after);
        GameFolders folders;
        const auto window = loadedWindow(folders);
        const QString box = u"bind a b\ncl_crosshair_size small\ncl_crosshair_color \"250 50 50\"\n"
                            "fps_max 99\n"_qs;
        configBox(window.get())->setPlainText(box);
        bool worked = false;
        const auto hand = whenCrosshairOpens(
            [&](QDialog *dialog) {
                // What the box says, in the controls.
                QCOMPARE(dialog->findChild<QComboBox *>(u"Combo1"_qs)->currentIndex(), 1);
                QCOMPARE(dialog->findChild<QSpinBox *>(u"Spin1"_qs)->value(), 250);
                QCOMPARE(dialog->findChild<QComboBox *>(u"Combo2"_qs)->currentIndex(), 1);
                QVERIFY(dialog->findChild<QCheckBox *>(u"Check2"_qs)->isChecked());
                QVERIFY(!dialog->findChild<QLabel *>(u"Label8"_qs)->isVisibleTo(dialog));
                dialog->findChild<QComboBox *>(u"Combo2"_qs)->setCurrentIndex(3);
                dialog->findChild<QCheckBox *>(u"Check2"_qs)->setChecked(false);
                worked = true;
            },
            button.toLatin1().constData());
        trigger(window.get(), "popMenu1Crosshair");
        QVERIFY(worked);
        QCOMPARE(window->configText(), after);
        if (after != box) { // one edit: one undo brings the box back
            configBox(window.get())->document()->undo();
            QCOMPARE(window->configText(), box);
        }
    }

    void crosshairPreviewMovesOnlyWhileShown()
    {
        velmora::CrosshairDialog dialog(velmora::CrosshairSettings{}, true);
        auto *moving = dialog.findChild<velmora::CrosshairPreview *>(u"Picture2"_qs);
        auto *still = dialog.findChild<velmora::CrosshairPreview *>(u"Picture1"_qs);
        QVERIFY(!moving->timer().isActive());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.findChild<QLabel *>(u"Label8"_qs)->isVisible()); // misread values said
        QVERIFY(moving->timer().isActive());
        QVERIFY(!still->timer().isActive());
        QTRY_VERIFY(moving->frame() > 0);
        dialog.hide();
        QVERIFY(!moving->timer().isActive());
    }
};

QTEST_MAIN(TestIndexRusCommands)
#include "tst_index_rus_commands.moc"
