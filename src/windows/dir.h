#pragma once

#include "gamefiles/pathfile.h"

#include <QDir>
#include <QWidget>

class QLabel;
class QPushButton;

namespace velmora {

namespace ui {
class DirectoryList;
class DriveList;
} // namespace ui

/// The folder chooser, the program's first window. Its load reads dir.vlm; when the file names a
/// folder the chooser hands over at once and is never displayed. Otherwise it says why, is
/// displayed, and hands over once the user has pressed "OK" and the folder has been written.
/// Only "OK" leaves it: it has no close button and ignores close requests. When it is displayed,
/// it opens at the Half-Life folder that Steam knows of below the home folder, if any.
class Dir : public QWidget
{
    Q_OBJECT

public:
    explicit Dir(PathFileStore store, QString home = QDir::homePath(), QWidget *parent = nullptr);

    /// Reads the path file. Returns true when it named a folder and the chooser has handed over;
    /// otherwise the reason has been shown and the chooser is displayed.
    bool load();

    /// What the load read from the path file (empty when it yielded nothing).
    QString storedFolder() const { return m_storedFolder; }
    bool handedOver() const { return m_handedOver; }

Q_SIGNALS:
    /// The chooser has hidden itself for good; the main window is to be shown now.
    void handOver();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void RemoveCloseItem();
    void openAtSteamGame();
    void changeDrive();
    void accept();
    void finish();

    PathFileStore m_store;
    QString m_home;
    QString m_storedFolder;
    bool m_handedOver = false;
    ui::DriveList *m_drives = nullptr;
    ui::DirectoryList *m_folders = nullptr;
    QLabel *m_caption = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace velmora
