// The program start: the chooser first, then the main window, on every kind of path file; and the
// "?" menu of the main window with the about window and the support page.

#include "boxanswerer.h"
#include "testfiles.h"

#include "gamefiles/pathfile.h"
#include "ui/browser.h"
#include "ui/messagebox.h"
#include "windows/about_rus.h"
#include "windows/dir.h"
#include "windows/index_rus.h"
#include "windows/program.h"
#include "windows/support.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using velmora::PathFileStore;
using velmora::Program;
using velmora::ui::MessageBox;

namespace {

const QString kNoPath = QStringLiteral("В файле не указан путь!");
const QString kFound = QStringLiteral("Найдено 2 bind(s) и alias");

QStringList boxTexts()
{
    QStringList texts;
    for (const MessageBox::Record &record : MessageBox::history())
        texts.append(record.text);
    return texts;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void startPaths_data();
    void startPaths();
    void firstStartWithRealBoxes();
    void firstStartOkStoresTheSteamGame();
    void aboutWindowLifecycle();
    void supportOpensWithoutTouchingTheClipboard();

private:
    PathFileStore store() const { return PathFileStore(m_programFolder, m_userFolder); }
    QAction *menuEntry(Program &program, const char *name) const;

    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_programFolder;
    QString m_userFolder;
    QString m_game;
    QString m_home; // no Steam below it, unless a test puts one there
    QString m_previousCurrent;
    QList<QUrl> m_opened;
};

void TestStartup::initTestCase()
{
    velmora::ui::setBrowserOpener([this](const QUrl &url) {
        m_opened.append(url);
        return true;
    });
}

void TestStartup::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
    m_programFolder = m_tmp->filePath(QStringLiteral("program"));
    m_userFolder = m_tmp->filePath(QStringLiteral("user"));
    m_game = m_tmp->filePath(QStringLiteral("Half-Life"));
    m_home = m_tmp->filePath(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(m_home));
    QVERIFY(QDir().mkpath(m_programFolder));
    writeBytes(m_game + QStringLiteral("/cstrike/config.cfg"),
               "bind \"w\" \"+forward\"\r\nname \"player\"\r\nalias \"+jt\" \"+jump\"\r\n");
    m_previousCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_game));
    m_game = QDir::currentPath();
    m_opened.clear();
    MessageBox::clearHistory();
    // The boxes of a start are notes and errors, at most two; a test that means the real boxes
    // takes these answers back.
    MessageBox::setNextAnswers({velmora::ui::Answer::Ok, velmora::ui::Answer::Ok});
    DialogHand::watchDialogs();
}

void TestStartup::cleanup()
{
    MessageBox::setNextAnswers({});
    QDir::setCurrent(m_previousCurrent);
    m_tmp.reset();
}

QAction *TestStartup::menuEntry(Program &program, const char *name) const
{
    return program.mainWindow() ? program.mainWindow()->findChild<QAction *>(QLatin1String(name))
                                : nullptr;
}

void TestStartup::startPaths_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QByteArray>("content"); // "%GAME%" stands for the game folder
    QTest::addColumn<bool>("straightToMain");

    QTest::newRow("no file") << false << QByteArray() << false;
    QTest::newRow("empty file") << true << QByteArray() << false;
    QTest::newRow("zero") << true << QByteArray("0\r\n") << false;
    QTest::newRow("blank line") << true << QByteArray(" \r\n") << false;
    QTest::newRow("several lines, a folder last")
        << true << QByteArray("/nowhere\r\n%GAME%\r\n") << true;
    QTest::newRow("several lines, zero last") << true << QByteArray("%GAME%\r\n0\r\n") << false;
    QTest::newRow("a folder") << true << QByteArray("%GAME%\r\n") << true;
}

void TestStartup::startPaths()
{
    QFETCH(bool, fileExists);
    QFETCH(QByteArray, content);
    QFETCH(bool, straightToMain);
    const QString dirVlm = velmora::pathFileLocation(m_programFolder);
    if (fileExists)
        writeBytes(dirVlm, content.replace("%GAME%", QDir::toNativeSeparators(m_game).toUtf8()));

    Program program(store(), m_home);
    QSignalSpy quits(&program, &Program::quitRequested);
    program.start();

    if (straightToMain) {
        // No chooser is built, so none of its reading of the disk is paid for.
        QVERIFY(!program.chooser());
        QVERIFY(program.mainWindow());
        QVERIFY(program.mainWindow()->isVisible());
        QCOMPARE(boxTexts(), QStringList{kFound});
        return;
    }
    QVERIFY(program.chooser());
    QCOMPARE(program.chooser()->objectName(), QStringLiteral("dir"));
    QVERIFY(program.chooser()->isVisible());
    QVERIFY(!program.mainWindow());
    QCOMPARE(MessageBox::history().size(), 1);
    QCOMPARE(MessageBox::history()[0].style, velmora::ui::MessageStyle::Error);
    if (fileExists)
        QCOMPARE(MessageBox::history()[0].text, kNoPath);
    else
        QVERIFY(MessageBox::history()[0].text != kNoPath);

    // OK: the working folder is stored, the chooser goes and the main window comes, loaded.
    QTest::mouseClick(program.chooser()->findChild<QPushButton *>(QStringLiteral("Command1")),
                      Qt::LeftButton);
    QFile stored(dirVlm);
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), QDir::toNativeSeparators(m_game).toUtf8() + "\r\n");
    QVERIFY(program.chooser()->isHidden());
    QVERIFY(program.mainWindow());
    QVERIFY(program.mainWindow()->isVisible());
    QCOMPARE(program.mainWindow()->gameFolder(), QDir::toNativeSeparators(m_game));
    QCOMPARE(boxTexts().last(), kFound);
    QCOMPARE(quits.count(), 0);
}

void TestStartup::firstStartWithRealBoxes()
{
    MessageBox::setNextAnswers({});
    BoxAnswerer answerer(QStringLiteral("OK"));
    Program program(store(), m_home);
    program.start();
    QCOMPARE(answerer.texts.size(), 1);
    QCOMPARE(answerer.icons[0], QMessageBox::Critical);
    QVERIFY(program.chooser()->isVisible());

    QTest::mouseClick(program.chooser()->findChild<QPushButton *>(QStringLiteral("Command1")),
                      Qt::LeftButton);
    QCOMPARE(answerer.texts.size(), 2);
    QCOMPARE(answerer.texts[1], kFound);
    QCOMPARE(answerer.icons[1], QMessageBox::Information);
    QVERIFY(program.mainWindow()->isVisible());
    QVERIFY(program.chooser()->isHidden());
}

void TestStartup::firstStartOkStoresTheSteamGame()
{
    // A Flatpak Steam whose old-form library file names a library where the game has a folder
    // name of its own.
    const QString steam =
        m_home + QStringLiteral("/.var/app/com.valvesoftware.Steam/.local/share/Steam");
    const QString library = m_tmp->filePath(QStringLiteral("games"));
    const QString steamGame = library + QStringLiteral("/steamapps/common/HL");
    writeBytes(steam + QStringLiteral("/steamapps/libraryfolders.vdf"),
               "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\"1\"\n\t\"1\"\t\"" +
                   library.toUtf8() + "\"\n}\n");
    writeBytes(library + QStringLiteral("/steamapps/appmanifest_70.acf"),
               "\"AppState\"\n{\n\t\"appid\"\t\"70\"\n\t\"installdir\"\t\"HL\"\n}\n");
    writeBytes(steamGame + QStringLiteral("/cstrike/config.cfg"), "bind \"q\" \"lastinv\"\r\n");

    Program program(store(), m_home);
    program.start();
    QVERIFY(program.chooser()->isVisible());
    QTest::mouseClick(program.chooser()->findChild<QPushButton *>(QStringLiteral("Command1")),
                      Qt::LeftButton);
    QFile stored(velmora::pathFileLocation(m_programFolder));
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), QDir::toNativeSeparators(steamGame).toUtf8() + "\r\n");
    QVERIFY(program.mainWindow());
    QCOMPARE(program.mainWindow()->gameFolder(), QDir::toNativeSeparators(steamGame));
}

void TestStartup::aboutWindowLifecycle()
{
    writeBytes(velmora::pathFileLocation(m_programFolder),
               QDir::toNativeSeparators(m_game).toUtf8() + "\r\n");
    Program program(store(), m_home);
    QSignalSpy quits(&program, &Program::quitRequested);
    program.start();
    QAction *about = menuEntry(program, "popMenu3Program");
    QVERIFY(about);
    QVERIFY(!program.aboutWindow());

    about->trigger();
    QPointer<velmora::AboutRus> first = program.aboutWindow();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->objectName(), QStringLiteral("about_rus"));
    // Not modal: the main window goes on taking input beside it.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(program.mainWindow()->isEnabled());

    // Shown again while shown: the same window.
    about->trigger();
    QCOMPARE(program.aboutWindow(), first.data());

    // "ОК!" hides; "О программе" shows the same window again.
    QTest::mouseClick(first->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(first->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first);
    about->trigger();
    QCOMPARE(program.aboutWindow(), first.data());
    QVERIFY(first->isVisible());

    // The title bar's close destroys it, and ends nothing.
    QVERIFY(first->close());
    QTRY_VERIFY(first.isNull());
    QCOMPARE(program.aboutWindow(), nullptr);
    QVERIFY(program.mainWindow()->isVisible());
    QCOMPARE(quits.count(), 0);

    // The next "О программе" creates it anew.
    about->trigger();
    QVERIFY(program.aboutWindow());
    QVERIFY(program.aboutWindow()->isVisible());
    QCOMPARE(program.aboutWindow()->windowIcon().cacheKey(),
             program.mainWindow()->windowIcon().cacheKey());
}

void TestStartup::supportOpensWithoutTouchingTheClipboard()
{
    writeBytes(velmora::pathFileLocation(m_programFolder),
               QDir::toNativeSeparators(m_game).toUtf8() + "\r\n");
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    Program program(store(), m_home);
    program.start();
    QAction *support = menuEntry(program, "popMenu3Tex");
    QVERIFY(support);
    support->trigger();
    QCOMPARE(m_opened, QList<QUrl>{velmora::supportUrl()});
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    QVERIFY(!program.aboutWindow());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
