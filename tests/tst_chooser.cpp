// The folder chooser `dir`: its load on every kind of path file, the lists, OK and its failure,
// and that nothing but OK leaves it.

#include "boxanswerer.h"
#include "languagescope.h"
#include "testfiles.h"

#include "gamefiles/pathfile.h"
#include "ui/dirlist.h"
#include "ui/drivelist.h"
#include "ui/messagebox.h"
#include "ui/twips.h"
#include "windows/dir.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using velmora::Dir;
using velmora::PathFileStore;
using velmora::ui::DirectoryList;
using velmora::ui::DriveList;
using velmora::ui::MessageBox;

namespace {

const QString kNoPath = QStringLiteral("В файле не указан путь!");

/// Counts the times a widget has been displayed.
class ShowCounter : public QObject
{
public:
    int shows = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

QByteArray native(const QString &path)
{
    return QDir::toNativeSeparators(path).toUtf8();
}

} // namespace

class TestChooser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void windowFrame();
    void layout_data();
    void layout();
    void focusAndTabOrder();

    void startPaths_data();
    void startPaths();
    void missingFileShowsTheSystemsWords();

    void okStoresTheWorkingFolder();
    void okStoresTheCurrentFolderNotTheSelection_data();
    void okStoresTheCurrentFolderNotTheSelection();
    void rootKeepsItsSeparator_data();
    void rootKeepsItsSeparator();
    void enterOnTheButtonPressesIt();
    void secondClickDoesNotHandOverTwice();

    void systemDrives();
    void hiddenFoldersAreListed();
    void driveChange();
    void driveNotReady();
    void removedFolderCannotBeOpened();

    void ignoresCloseRequests();

    void opensAtTheSteamGame();

    void whereThePathFileGoes_data();
    void whereThePathFileGoes();
    void writeFailureKeepsTheChooser();

private:
    std::unique_ptr<QTemporaryDir> m_tmp;
    QString m_programFolder;
    QString m_userFolder;
    QString m_workingFolder;
    QString m_home; // no Steam below it, unless a test puts one there
    QString m_previousCurrent;

    PathFileStore store() const { return PathFileStore(m_programFolder, m_userFolder); }
};

void TestChooser::init()
{
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
    m_programFolder = m_tmp->filePath(QStringLiteral("program"));
    m_userFolder = m_tmp->filePath(QStringLiteral("user/velmora"));
    m_workingFolder = m_tmp->filePath(QStringLiteral("Half-Life"));
    m_home = m_tmp->filePath(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(m_home));
    QVERIFY(QDir().mkpath(m_programFolder));
    QVERIFY(QDir().mkpath(m_workingFolder + QStringLiteral("/cstrike")));
    QVERIFY(QDir().mkpath(m_workingFolder + QStringLiteral("/valve")));
    m_previousCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_workingFolder));
    m_workingFolder = QDir::currentPath();
    MessageBox::clearHistory();
    // The load's error box, answered OK; a test that meets another box answers it where it comes,
    // one that means the real box takes this answer back.
    MessageBox::setNextAnswers({velmora::ui::Answer::Ok});
    DialogHand::watchDialogs();
}

void TestChooser::cleanup()
{
    MessageBox::setNextAnswers({});
    QDir::setCurrent(m_previousCurrent);
    m_tmp.reset();
}

void TestChooser::windowFrame()
{
    Dir chooser(store(), m_home);
    QCOMPARE(chooser.objectName(), QStringLiteral("dir"));
    QCOMPARE(chooser.windowTitle(), QStringLiteral("Выберите директорию с Half-Life"));
    const Qt::WindowFlags flags = chooser.windowFlags();
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(chooser.minimumSize(), chooser.maximumSize());
    QCOMPARE(chooser.size(),
             QSize(velmora::ui::twips(&chooser, 6990), velmora::ui::twips(&chooser, 4215)));

    auto *label = chooser.findChild<QLabel *>(QStringLiteral("Label1"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Выберите директорию с Half-Life"));
    QVERIFY(label->alignment().testFlag(Qt::AlignHCenter));
    QCOMPARE(label->font().family(), QStringLiteral("Arial"));
    QCOMPARE(label->font().pointSizeF(), 14.25);
    QCOMPARE(label->font().weight(), QFont::Normal);
    auto *ok = chooser.findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
}

void TestChooser::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<velmora::ui::Language>("language");
    auto row = [](const char *name, QRect twips) {
        for (velmora::ui::Language language : kBothLanguages)
            QTest::addRow("%s %d", name, int(language))
                << QString::fromLatin1(name) << twips << language;
    };
    row("Drive1", QRect(120, 600, 6735, 315));
    row("Dir1", QRect(120, 960, 6735, 2565));
    row("Label1", QRect(120, 120, 6735, 375));
    row("Command1", QRect(120, 3600, 6735, 495));
}

void TestChooser::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(velmora::ui::Language, language);
    const LanguageScope speaking(language);
    Dir chooser(store(), m_home);
    auto *widget = chooser.findChild<QWidget *>(name);
    QVERIFY(widget);
    if (auto *label = qobject_cast<QLabel *>(widget))
        QVERIFY(label->sizeHint().width() <= label->width());
    QCOMPARE(widget->geometry(),
             velmora::ui::twipRect(&chooser, twips.x(), twips.y(), twips.width(), twips.height()));
    QVERIFY(chooser.rect().contains(widget->geometry()));
}

void TestChooser::focusAndTabOrder()
{
    Dir chooser(store(), m_home);
    QVERIFY(!chooser.load());
    chooser.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&chooser));
    auto *drives = chooser.findChild<QWidget *>(QStringLiteral("Drive1"));
    auto *folders = chooser.findChild<QWidget *>(QStringLiteral("Dir1"));
    auto *ok = chooser.findChild<QWidget *>(QStringLiteral("Command1"));
    QCOMPARE(QApplication::focusWidget(), drives);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), folders);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), drives);
}

void TestChooser::startPaths_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("handsOver");
    QTest::addColumn<QString>("stored");

    QTest::newRow("empty file") << QByteArray("") << false << QString();
    QTest::newRow("only a line end") << QByteArray("\r\n") << false << QString();
    QTest::newRow("only blanks") << QByteArray("   \r\n") << false << QString();
    QTest::newRow("zero") << QByteArray("0\r\n") << false << QStringLiteral("0");
    QTest::newRow("double zero") << QByteArray("00\r\n") << false << QStringLiteral("00");
    QTest::newRow("zero after a folder")
        << QByteArray("/games/Half-Life\r\n0\r\n") << false << QStringLiteral("0");
    QTest::newRow("a folder") << QByteArray("/games/Half-Life\r\n") << true
                              << QStringLiteral("/games/Half-Life");
    QTest::newRow("several lines, the last counts")
        << QByteArray("/old/place\r\n/games/Half-Life\r\n") << true
        << QStringLiteral("/games/Half-Life");
    QTest::newRow("indented, no line end")
        << QByteArray("  /games/Half Life, 1.6") << true << QStringLiteral("/games/Half Life, 1.6");
    QTest::newRow("a root") << QByteArray("/\r\n") << true << QStringLiteral("/");
    QTest::newRow("a number that is not zero")
        << QByteArray("7\r\n") << true << QStringLiteral("7");
    QTest::newRow("Cyrillic") << QByteArray("/игры/Half-Life\r\n") << true
                              << QStringLiteral("/игры/Half-Life");
}

void TestChooser::startPaths()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, handsOver);
    QFETCH(QString, stored);

    writeBytes(velmora::pathFileLocation(m_programFolder), content);
    Dir chooser(store(), m_home);
    ShowCounter counter;
    chooser.installEventFilter(&counter);
    QSignalSpy handOver(&chooser, &Dir::handOver);

    QCOMPARE(chooser.load(), handsOver);
    QCOMPARE(chooser.storedFolder(), stored);
    QCOMPARE(handOver.count(), handsOver ? 1 : 0);
    QCOMPARE(chooser.isVisible(), !handsOver);
    QCOMPARE(counter.shows, handsOver ? 0 : 1);
    const QList<MessageBox::Record> boxes = MessageBox::history();
    if (handsOver) {
        QVERIFY(boxes.isEmpty());
    } else {
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].text, kNoPath);
        QCOMPARE(boxes[0].style, velmora::ui::MessageStyle::Error);
        QCOMPARE(boxes[0].title, QStringLiteral("Velmora"));
    }
    // The load only reads.
    QCOMPARE(readBytes(velmora::pathFileLocation(m_programFolder)), content);
}

void TestChooser::missingFileShowsTheSystemsWords()
{
    // The real box, answered as a user does: it comes before the chooser is displayed.
    MessageBox::setNextAnswers({});
    Dir chooser(store(), m_home);
    bool visibleWhileAsking = true;
    const DialogProbe probe([&](QDialog *) { visibleWhileAsking = chooser.isVisible(); });
    BoxAnswerer answerer(QStringLiteral("OK"));
    QVERIFY(!chooser.load());

    QCOMPARE(answerer.texts.size(), 1);
    // In Russian and naming the file, whatever the system's language.
    QCOMPARE(answerer.texts[0],
             QStringLiteral("Файл или каталог не существует: ") +
                 QDir::toNativeSeparators(velmora::pathFileLocation(m_userFolder)));
    QVERIFY(answerer.texts[0] != kNoPath);
    QCOMPARE(answerer.icons[0], QMessageBox::Critical);
    QCOMPARE(answerer.titles[0], QStringLiteral("Velmora"));
    QVERIFY(!visibleWhileAsking);
    QVERIFY(chooser.isVisible());
    QVERIFY(!chooser.handedOver());
    QCOMPARE(MessageBox::history().size(), 1);
    QCOMPARE(MessageBox::history()[0].style, velmora::ui::MessageStyle::Error);
}

void TestChooser::okStoresTheWorkingFolder()
{
    Dir chooser(store(), m_home);
    QSignalSpy handOver(&chooser, &Dir::handOver);
    QVERIFY(!chooser.load());
    auto *folders = chooser.findChild<DirectoryList *>(QStringLiteral("Dir1"));
    QCOMPARE(folders->path(), QDir::toNativeSeparators(m_workingFolder));

    QTest::mouseClick(chooser.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(readBytes(velmora::pathFileLocation(m_programFolder)),
             native(m_workingFolder) + "\r\n");
    QCOMPARE(handOver.count(), 1);
    QVERIFY(chooser.isHidden());
    QVERIFY(!QFile::exists(velmora::pathFileLocation(m_userFolder)));
}

void TestChooser::okStoresTheCurrentFolderNotTheSelection_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("expected"); // relative to the working folder's parent

    QTest::newRow("select a subfolder")
        << QStringLiteral("select") << QStringLiteral("valve") << QStringLiteral("Half-Life");
    QTest::newRow("select the parent")
        << QStringLiteral("select") << QStringLiteral("..") << QStringLiteral("Half-Life");
    QTest::newRow("double-click a subfolder")
        << QStringLiteral("double-click") << QStringLiteral("valve")
        << QStringLiteral("Half-Life/valve");
    QTest::newRow("Enter on a subfolder") << QStringLiteral("enter") << QStringLiteral("cstrike")
                                          << QStringLiteral("Half-Life/cstrike");
    QTest::newRow("double-click the parent")
        << QStringLiteral("double-click") << QStringLiteral("..") << QString();
}

void TestChooser::okStoresTheCurrentFolderNotTheSelection()
{
    QFETCH(QString, action);
    QFETCH(QString, entry);
    QFETCH(QString, expected);

    Dir chooser(store(), m_home);
    QVERIFY(!chooser.load());
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    auto *folders = chooser.findChild<DirectoryList *>(QStringLiteral("Dir1"));
    const QString target = QDir::cleanPath(m_workingFolder + u'/' + entry);
    QTreeWidgetItem *item = nullptr;
    for (QTreeWidgetItemIterator it(folders); *it; ++it) {
        if (DirectoryList::folderOf(*it) == QDir::toNativeSeparators(target))
            item = *it;
    }
    QVERIFY2(item, qPrintable(target));
    folders->scrollToItem(item);
    const QPoint centre = folders->visualItemRect(item).center();
    if (action == QLatin1String("select")) {
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, centre);
    } else if (action == QLatin1String("double-click")) {
        // What the window system delivers for a double-click: press, release, double-click,
        // release.
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseRelease(folders->viewport(), Qt::LeftButton, {}, centre);
    } else {
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, centre);
        QTest::keyClick(folders, Qt::Key_Return);
    }
    if (action == QLatin1String("select"))
        QCOMPARE(folders->currentItem(), item); // selected, not opened

    QTest::mouseClick(chooser.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    const QString stored = QDir::cleanPath(QFileInfo(m_workingFolder).path() + u'/' + expected);
    QCOMPARE(readBytes(velmora::pathFileLocation(m_programFolder)), native(stored) + "\r\n");
}

void TestChooser::rootKeepsItsSeparator_data()
{
    QTest::addColumn<QString>("open");     // relative to the working folder, or absolute
    QTest::addColumn<QString>("expected"); // likewise
    QTest::newRow("root") << QDir::rootPath() << QDir::rootPath();
    QTest::newRow("trailing separator dropped")
        << QStringLiteral("cstrike/") << QStringLiteral("cstrike");
    QTest::newRow("dots resolved")
        << QStringLiteral("cstrike/../valve/.") << QStringLiteral("valve");
}

void TestChooser::rootKeepsItsSeparator()
{
    QFETCH(QString, open);
    QFETCH(QString, expected);
    Dir chooser(store(), m_home);
    QVERIFY(!chooser.load());
    auto *folders = chooser.findChild<DirectoryList *>(QStringLiteral("Dir1"));
    QCOMPARE(folders->setPath(QDir(m_workingFolder).filePath(open)), QString());
    QTest::mouseClick(chooser.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(readBytes(velmora::pathFileLocation(m_programFolder)),
             native(QDir(m_workingFolder).filePath(expected)) + "\r\n");
}

void TestChooser::enterOnTheButtonPressesIt()
{
    Dir chooser(store(), m_home);
    QSignalSpy handOver(&chooser, &Dir::handOver);
    QVERIFY(!chooser.load());
    QTest::keyClick(chooser.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::Key_Return);
    QCOMPARE(handOver.count(), 1);
    QCOMPARE(readBytes(velmora::pathFileLocation(m_programFolder)),
             native(m_workingFolder) + "\r\n");
}

void TestChooser::secondClickDoesNotHandOverTwice()
{
    Dir chooser(store(), m_home);
    QSignalSpy handOver(&chooser, &Dir::handOver);
    QVERIFY(!chooser.load());
    auto *ok = chooser.findChild<QPushButton *>(QStringLiteral("Command1"));
    ok->click();
    QFile::remove(velmora::pathFileLocation(m_programFolder));
    ok->click();
    QCOMPARE(handOver.count(), 1);
    QVERIFY(!QFile::exists(velmora::pathFileLocation(m_programFolder)));
}

void TestChooser::systemDrives()
{
    const QStringList drives = DriveList::systemDrives();
    QVERIFY(!drives.isEmpty());
    QCOMPARE(drives.first(), QStringLiteral("/"));
    for (const QString &root : drives) {
        QVERIFY2(QFileInfo(root).isDir(), qPrintable(root));
        QCOMPARE(drives.count(root), 1);
    }
    // The drive list starts on the drive that holds the working folder.
    Dir chooser(store(), m_home);
    auto *list = chooser.findChild<DriveList *>(QStringLiteral("Drive1"));
    QCOMPARE(list->drive(), list->driveOf(QDir::toNativeSeparators(m_workingFolder)));
    QVERIFY(!list->drive().isEmpty());
}

void TestChooser::hiddenFoldersAreListed()
{
    // Steam keeps Half-Life below ~/.steam or ~/.local on Linux: the way there must be open.
    QVERIFY(QDir().mkpath(m_workingFolder + QStringLiteral("/.steam")));
    Dir chooser(store(), m_home);
    auto *folders = chooser.findChild<DirectoryList *>(QStringLiteral("Dir1"));
    QStringList names;
    QTreeWidgetItem *current = folders->currentItem();
    for (int i = 0; i < current->childCount(); ++i)
        names.append(current->child(i)->text(0));
    QCOMPARE(names, (QStringList{QStringLiteral(".steam"), QStringLiteral("cstrike"),
                                 QStringLiteral("valve")}));
}

void TestChooser::driveChange()
{
    // Two "drives": the root and the temporary folder, which holds the working folder.
    const QString tmpRoot = QDir::toNativeSeparators(m_tmp->path());
    Dir chooser(store(), m_home);
    auto *drives = chooser.findChild<DriveList *>(QStringLiteral("Drive1"));
    auto *folders = chooser.findChild<DirectoryList *>(QStringLiteral("Dir1"));
    drives->setDrives({QDir::toNativeSeparators(QDir::rootPath()), tmpRoot});
    drives->showDriveOf(folders->path());
    QCOMPARE(drives->drive(), tmpRoot);
    QVERIFY(!chooser.load());

    // Another drive: its root.
    QTest::keyClick(drives, Qt::Key_Up);
    QCOMPARE(drives->drive(), QDir::toNativeSeparators(QDir::rootPath()));
    QCOMPARE(folders->path(), QDir::toNativeSeparators(QDir::rootPath()));
    // Back to the drive the program was started on: the working folder again.
    QTest::keyClick(drives, Qt::Key_Down);
    QCOMPARE(folders->path(), QDir::toNativeSeparators(m_workingFolder));
    // Opening a folder on another drive moves the drive list with it, silently.
    QCOMPARE(folders->setPath(QDir::rootPath()), QString());
    QCOMPARE(drives->drive(), QDir::toNativeSeparators(QDir::rootPath()));
    QCOMPARE(MessageBox::history().size(), 1); // only the load's

    QTest::mouseClick(chooser.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(readBytes(velmora::pathFileLocation(m_programFolder)),
             native(QDir::rootPath()) + "\r\n");
}

void TestChooser::driveNotReady()
{
    const QString gone = QDir::toNativeSeparators(m_tmp->filePath(QStringLiteral("gone")));
    Dir chooser(store(), m_home);
    auto *drives = chooser.findChild<DriveList *>(QStringLiteral("Drive1"));
    auto *folders = chooser.findChild<DirectoryList *>(QStringLiteral("Dir1"));
    drives->setDrives({QDir::toNativeSeparators(QDir::rootPath()), gone});
    drives->showDriveOf(folders->path());
    QVERIFY(!chooser.load());
    MessageBox::clearHistory();
    MessageBox::setNextAnswers({velmora::ui::Answer::Ok});

    QTest::keyClick(drives, Qt::Key_Down);
    QCOMPARE(MessageBox::history().size(), 1);
    QCOMPARE(MessageBox::history()[0].style, velmora::ui::MessageStyle::Error);
    QVERIFY(MessageBox::history()[0].text.contains(gone));
    QCOMPARE(folders->path(), QDir::toNativeSeparators(m_workingFolder));
    QCOMPARE(drives->drive(), QDir::toNativeSeparators(QDir::rootPath()));
    QVERIFY(chooser.isVisible());
}

void TestChooser::removedFolderCannotBeOpened()
{
    const QString doomed = m_workingFolder + QStringLiteral("/valve");
    Dir chooser(store(), m_home);
    QVERIFY(!chooser.load());
    MessageBox::clearHistory();
    MessageBox::setNextAnswers({velmora::ui::Answer::Ok});
    auto *folders = chooser.findChild<DirectoryList *>(QStringLiteral("Dir1"));
    QTreeWidgetItem *item = nullptr;
    for (QTreeWidgetItemIterator it(folders); *it; ++it) {
        if (DirectoryList::folderOf(*it) == QDir::toNativeSeparators(doomed))
            item = *it;
    }
    QVERIFY(item);
    QVERIFY(QDir(doomed).removeRecursively());
    Q_EMIT folders->itemActivated(item, 0);
    QCOMPARE(MessageBox::history().size(), 1);
    QCOMPARE(MessageBox::history()[0].style, velmora::ui::MessageStyle::Error);
    QCOMPARE(folders->path(), QDir::toNativeSeparators(m_workingFolder));
}

void TestChooser::ignoresCloseRequests()
{
    Dir chooser(store(), m_home);
    QSignalSpy handOver(&chooser, &Dir::handOver);
    QVERIFY(!chooser.load());
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    QVERIFY(!chooser.close());
    QVERIFY(chooser.isVisible());
    // Escape is no way out either.
    QTest::keyClick(&chooser, Qt::Key_Escape);
    QVERIFY(chooser.isVisible());
    QCOMPARE(handOver.count(), 0);
    QVERIFY(!QFile::exists(velmora::pathFileLocation(m_programFolder)));
}

void TestChooser::opensAtTheSteamGame()
{
    // A Steam below the fake home whose second library, on a "drive" of its own, holds the game.
    const QString steam = m_home + QStringLiteral("/.local/share/Steam");
    const QString disk2 = m_tmp->filePath(QStringLiteral("disk2"));
    const QString library = disk2 + QStringLiteral("/SteamLibrary");
    const QString game =
        QDir::toNativeSeparators(library + QStringLiteral("/steamapps/common/Half-Life"));
    QVERIFY(QDir().mkpath(game + QStringLiteral("/cstrike")));
    QVERIFY(QDir().mkpath(m_home + QStringLiteral("/.steam")));
    QVERIFY(QFile::link(steam, m_home + QStringLiteral("/.steam/steam")));
    writeBytes(steam + QStringLiteral("/steamapps/libraryfolders.vdf"),
               "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + steam.toUtf8() +
                   "\"\n\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" + library.toUtf8() + "\"\n\t}\n}\n");

    // dir.vlm names a folder: nothing is looked up.
    writeBytes(velmora::pathFileLocation(m_programFolder), native(m_workingFolder) + "\r\n");
    {
        Dir named(store(), m_home);
        QVERIFY(named.load());
        QCOMPARE(named.findChild<DirectoryList *>(QStringLiteral("Dir1"))->path(),
                 QDir::toNativeSeparators(m_workingFolder));
    }

    QVERIFY(QFile::remove(velmora::pathFileLocation(m_programFolder)));
    Dir chooser(store(), m_home);
    auto *drives = chooser.findChild<DriveList *>(QStringLiteral("Drive1"));
    auto *folders = chooser.findChild<DirectoryList *>(QStringLiteral("Dir1"));
    drives->setDrives(
        {QDir::toNativeSeparators(QDir::rootPath()), QDir::toNativeSeparators(disk2)});
    drives->showDriveOf(folders->path());
    QCOMPARE(drives->drive(), QDir::toNativeSeparators(QDir::rootPath()));

    QVERIFY(!chooser.load());
    // The error box of the missing dir.vlm still comes first.
    QCOMPARE(MessageBox::history().size(), 1);
    QCOMPARE(folders->path(), game);
    QCOMPARE(drives->drive(), QDir::toNativeSeparators(disk2));
    QTest::mouseClick(chooser.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(readBytes(velmora::pathFileLocation(m_programFolder)), native(game) + "\r\n");
}

void TestChooser::whereThePathFileGoes_data()
{
    QTest::addColumn<bool>("programWritable");
    QTest::newRow("portable: beside the program") << true;
    QTest::newRow("installed: in the user's folder") << false;
}

void TestChooser::whereThePathFileGoes()
{
    QFETCH(bool, programWritable);
    // A folder below a plain file can be neither created nor written, even by root.
    const QString blocker = m_tmp->filePath(QStringLiteral("plain-file"));
    writeBytes(blocker, "x");
    if (!programWritable)
        m_programFolder = blocker + QStringLiteral("/bin");

    Dir chooser(store(), m_home);
    QSignalSpy handOver(&chooser, &Dir::handOver);
    QVERIFY(!chooser.load());
    QTest::mouseClick(chooser.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(handOver.count(), 1);
    const QString written = programWritable ? m_programFolder : m_userFolder;
    QCOMPARE(readBytes(velmora::pathFileLocation(written)), native(m_workingFolder) + "\r\n");
    // The next start reads it from there.
    Dir next(store(), m_home);
    QVERIFY(next.load());
    QCOMPARE(next.storedFolder(), QDir::toNativeSeparators(m_workingFolder));
}

void TestChooser::writeFailureKeepsTheChooser()
{
    const QString blocker = m_tmp->filePath(QStringLiteral("plain-file"));
    writeBytes(blocker, "x");
    m_programFolder = blocker + QStringLiteral("/bin");
    m_userFolder = blocker + QStringLiteral("/config");

    MessageBox::setNextAnswers({});
    Dir chooser(store(), m_home);
    QSignalSpy handOver(&chooser, &Dir::handOver);
    {
        BoxAnswerer answerer(QStringLiteral("OK"));
        QVERIFY(!chooser.load());
        QCOMPARE(answerer.texts.size(), 1);
    }
    BoxAnswerer answerer(QStringLiteral("OK"));
    QTest::mouseClick(chooser.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(answerer.texts.size(), 1);
    QVERIFY(!answerer.texts[0].isEmpty());
    QCOMPARE(answerer.icons[0], QMessageBox::Critical);
    QCOMPARE(handOver.count(), 0);
    QVERIFY(chooser.isVisible());
    QVERIFY(!chooser.handedOver());
}

QTEST_MAIN(TestChooser)
#include "tst_chooser.moc"
