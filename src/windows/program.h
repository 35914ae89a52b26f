#pragma once

#include "gamefiles/pathfile.h"

#include <QDir>
#include <QObject>
#include <QPointer>

#include <memory>

namespace velmora {

class AboutRus;
class Dir;
class IndexRus;

/// Starts the windowed program: the folder chooser first, then the main window.
/// Returns the process's exit status.
int startProgram(int argc, char **argv);

/// The program's windows and how they meet: the chooser runs first and hands over to the main
/// window, whose "?" menu shows the about window or opens the support page. Takes the path file's
/// folders and the home folder (where the chooser looks for Steam) as parameters, so the whole
/// start can run on temporary folders.
class Program : public QObject
{
    Q_OBJECT

public:
    explicit Program(PathFileStore store, QString home = QDir::homePath(),
                     QObject *parent = nullptr);
    ~Program() override;

    /// Shows the main window when the path file names a game folder; otherwise creates the chooser
    /// and runs its load. Afterwards either the main window or the chooser is displayed.
    void start();

    /// Null when the start went straight to the main window.
    Dir *chooser() const { return m_chooser.get(); }
    IndexRus *mainWindow() const { return m_main.get(); }
    /// Null until "О программе" and again after the window has been closed by its title bar.
    AboutRus *aboutWindow() const;

public Q_SLOTS:
    /// "О программе": shows the about window, creating it when there is none, and brings it to
    /// the front.
    void showAbout();
    /// "Тех. поддержка": opens the support page; the clipboard stays as it is.
    void openSupport();

Q_SIGNALS:
    /// The main window asked to end the program.
    void quitRequested();

private:
    void showMainWindow();

    PathFileStore m_store;
    QString m_home;
    std::unique_ptr<Dir> m_chooser;
    std::unique_ptr<IndexRus> m_main;
    QPointer<AboutRus> m_about;
};

} // namespace velmora
