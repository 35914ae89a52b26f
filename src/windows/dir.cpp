#include "windows/dir.h"

#include "gamefiles/steamgame.h"
#include "ui/dirlist.h"
#include "ui/drivelist.h"
#include "ui/fonts.h"
#include "ui/messagebox.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace velmora {

namespace {

/// The folder a drive shows when picked: the process's working folder when it lies on that
/// drive, the drive's root otherwise.
QString currentFolderOf(const ui::DriveList &drives, const QString &root)
{
    const QString working = QDir::toNativeSeparators(QDir::currentPath());
    return drives.driveOf(working) == root ? working : root;
}

} // namespace

Dir::Dir(PathFileStore store, QString home, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_store(std::move(store))
    , m_home(std::move(home))
{
    RemoveCloseItem();
    setObjectName(QStringLiteral("dir"));
    setWindowTitle(tr("Выберите директорию с Half-Life"));

    m_drives = new ui::DriveList(this);
    m_drives->setObjectName(QStringLiteral("Drive1"));
    m_folders = new ui::DirectoryList(this);
    m_folders->setObjectName(QStringLiteral("Dir1"));
    m_caption = new QLabel(windowTitle(), this);
    m_caption->setObjectName(QStringLiteral("Label1"));
    m_caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_caption->setFont(ui::arialFont(14.25));
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    // Enter on the focused button presses it, as on the platform this window comes from.
    m_ok->setAutoDefault(true);

    m_drives->setGeometry(ui::twipRect(this, 120, 600, 6735, 315));
    m_folders->setGeometry(ui::twipRect(this, 120, 960, 6735, 2565));
    m_caption->setGeometry(ui::twipRect(this, 120, 120, 6735, 375));
    m_ok->setGeometry(ui::twipRect(this, 120, 3600, 6735, 495));
    setFixedSize(ui::twips(this, 6990), ui::twips(this, 4215));

    setTabOrder(m_drives, m_folders);
    setTabOrder(m_folders, m_ok);
    m_drives->setFocus();

    m_drives->showDriveOf(m_folders->path());
    connect(m_drives, &QComboBox::activated, this, &Dir::changeDrive);
    connect(m_folders, &ui::DirectoryList::pathChanged, m_drives, &ui::DriveList::showDriveOf);
    connect(m_folders, &ui::DirectoryList::openFailed, this, [this](const QString &why) {
        ui::MessageBox::show(this, why, ui::MessageStyle::Error);
    });
    connect(m_ok, &QPushButton::clicked, this, &Dir::accept);
}

void Dir::RemoveCloseItem()
{
    // A title and nothing else: no close, minimise or maximise button. Close requests that come
    // anyway (Alt+F4, a window manager that draws its own buttons) are ignored in closeEvent().
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

bool Dir::load()
{
    const PathFileRead read = m_store.read();
    if (read.status == PathFileRead::Status::Folder)
        m_storedFolder = read.folder;
    if (read.status == PathFileRead::Status::Failed) {
        ui::MessageBox::show(nullptr, read.error, ui::MessageStyle::Error);
    } else if (!namesNoFolder(m_storedFolder)) {
        finish();
        return true;
    } else {
        ui::MessageBox::show(nullptr, tr("В файле не указан путь!"), ui::MessageStyle::Error);
    }
    openAtSteamGame();
    show();
    return false;
}

void Dir::openAtSteamGame()
{
    // Only now, when the player has to choose: a start that reads a folder from dir.vlm looks
    // nothing up. Opening the folder moves Drive1 to its volume, so "OK" at once stores it.
    // A folder that has gone since the search leaves the list where it was, as without Steam.
    const QString game = findSteamGameFolder(m_home);
    if (!game.isEmpty())
        (void)m_folders->setPath(game);
}

void Dir::closeEvent(QCloseEvent *event)
{
    // Alt+F4 or the window manager's close: the chooser is left only through "OK".
    event->ignore();
}

void Dir::changeDrive()
{
    const QString root = m_drives->drive();
    const QString why = ui::DriveList::whyNotReady(root);
    if (!why.isEmpty()) {
        ui::MessageBox::show(this, why, ui::MessageStyle::Error);
        m_drives->showDriveOf(m_folders->path());
        return;
    }
    const QString failure = m_folders->setPath(currentFolderOf(*m_drives, root));
    if (!failure.isEmpty()) {
        ui::MessageBox::show(this, failure, ui::MessageStyle::Error);
        m_drives->showDriveOf(m_folders->path());
    }
}

void Dir::accept()
{
    // A second click queued before the chooser disappeared must not hand over twice.
    if (m_handedOver)
        return;
    const QString error = m_store.write(m_folders->path());
    if (!error.isEmpty()) {
        // Neither beside the program nor in the user's folder: a main window opened now could
        // never save, so the chooser stays.
        ui::MessageBox::show(this, error, ui::MessageStyle::Error);
        return;
    }
    finish();
}

void Dir::finish()
{
    m_handedOver = true;
    hide();
    Q_EMIT handOver();
}

} // namespace velmora
