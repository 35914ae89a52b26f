#pragma once

// What the main window's tests share: a program folder with dir.vlm, a game folder with its
// cstrike folder, a window built on them, and the hands that answer real dialogs.

#include "boxanswerer.h"
#include "gamefiles/pathfile.h"
#include "testfiles.h"
#include "ui/messagebox.h"
#include "ui/tone.h"
#include "windows/index_rus.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

/// A program folder and a game folder in a temporary folder of their own. The game's
/// userconfig.cfg already runs autoexec.cfg, as after a first Save answered Yes, so the offer to
/// add that line stays out of the tests about other things.
struct GameFolders
{
    QTemporaryDir root;

    GameFolders();

    QString programFolder() const { return root.filePath(QStringLiteral("program")); }
    QString userFolder() const { return root.filePath(QStringLiteral("user")); }
    QString gameFolder() const { return root.filePath(QStringLiteral("game")); }
    QString pathFile() const { return programFolder() + QStringLiteral("/dir.vlm"); }
    QString configCfg() const { return gameFolder() + QStringLiteral("/cstrike/config.cfg"); }
    QString autoexecCfg() const { return gameFolder() + QStringLiteral("/cstrike/autoexec.cfg"); }
    QString userconfigCfg() const
    {
        return gameFolder() + QStringLiteral("/cstrike/userconfig.cfg");
    }
    velmora::PathFileStore store() const { return {programFolder(), userFolder()}; }

    void writePathFile(const QString &folder) const;
    void writeConfig(const QByteArray &bytes) const { writeBytes(configCfg(), bytes); }
};

/// Resets the seams every test touches: no answers given beforehand, a silent tone, and a real
/// dialog that no hand answers failing the test instead of holding it up.
void resetSeams();

/// A window on the folders, loaded, its count message answered with OK.
std::unique_ptr<velmora::IndexRus> loadedWindow(const GameFolders &folders);

QPlainTextEdit *configBox(const QWidget *window);

/// Works the crosshair dialog as a player does once it has opened (the menu entry's handler
/// waits in it), while the hand returned lives: `work` gets it, then the button named `button`
/// ("Command2" OK, "Command3" Cancel) is clicked, or Escape pressed when there is none.
std::unique_ptr<NextDialog> whenCrosshairOpens(std::function<void(QDialog *)> work,
                                               const char *button);
