#pragma once

// What the main window's tests share: a program folder with dir.vlm, a game folder with its
// cstrike folder, a window built on them, and a hand that presses buttons of real message boxes.

#include "boxanswerer.h"
#include "gamefiles/pathfile.h"
#include "ui/messagebox.h"
#include "ui/tone.h"
#include "windows/index_rus.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

/// A program folder and a game folder in a temporary folder of their own.
struct GameFolders
{
    QTemporaryDir root;

    GameFolders()
    {
        QDir(root.path()).mkpath(QStringLiteral("program"));
        QDir(root.path()).mkpath(QStringLiteral("user"));
        QDir(root.path()).mkpath(QStringLiteral("game/cstrike"));
        writePathFile(gameFolder());
    }

    QString programFolder() const { return root.filePath(QStringLiteral("program")); }
    QString userFolder() const { return root.filePath(QStringLiteral("user")); }
    QString gameFolder() const { return root.filePath(QStringLiteral("game")); }
    QString pathFile() const { return programFolder() + QStringLiteral("/dir.vlm"); }
    QString configCfg() const { return gameFolder() + QStringLiteral("/cstrike/config.cfg"); }
    QString autoexecCfg() const { return gameFolder() + QStringLiteral("/cstrike/autoexec.cfg"); }
    velmora::PathFileStore store() const { return {programFolder(), userFolder()}; }

    void writePathFile(const QString &folder) const
    {
        writeBytes(pathFile(), folder.toUtf8() + "\r\n");
    }
    void writeConfig(const QByteArray &bytes) const { writeBytes(configCfg(), bytes); }

    static void writeBytes(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    static QByteArray readBytes(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QByteArrayLiteral("<missing>");
        return file.readAll();
    }
};

/// Counts the times the window ended the program instead of ending the test.
struct QuitCounter
{
    int count = 0;
    QuitCounter()
    {
        velmora::IndexRus::setQuitHandler([this] { ++count; });
    }
    ~QuitCounter() { velmora::IndexRus::setQuitHandler({}); }
};

/// Resets the seams every test touches: boxes answered by nobody, a silent tone.
inline void resetSeams()
{
    velmora::ui::MessageBox::setResponder({});
    velmora::ui::MessageBox::setNextAnswers({});
    velmora::ui::MessageBox::clearHistory();
    velmora::ui::Tone::setPlayer([](int, int) {});
    velmora::ui::Tone::resetCount();
}

/// A window on the folders, loaded, its count message answered with OK.
inline std::unique_ptr<velmora::IndexRus> loadedWindow(const GameFolders &folders)
{
    auto window = std::make_unique<velmora::IndexRus>(folders.store());
    velmora::ui::MessageBox::setNextAnswers({velmora::ui::Ok});
    window->load();
    return window;
}

inline QPlainTextEdit *configBox(const QWidget *window)
{
    return window->findChild<QPlainTextEdit *>(QStringLiteral("config"));
}
