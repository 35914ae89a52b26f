#include "windows/program.h"

#include "appinfo.h"
#include "ui/language.h"
#include "ui/qttranslation.h"
#include "windows/about_rus.h"
#include "windows/appicon.h"
#include "windows/dir.h"
#include "windows/index_rus.h"
#include "windows/support.h"

#include <QApplication>
#include <QStandardPaths>
#include <QStyleFactory>

namespace velmora {

Program::Program(PathFileStore store, QString home, QObject *parent)
    : QObject(parent)
    , m_store(std::move(store))
    , m_home(std::move(home))
{
}

Program::~Program()
{
    delete m_about.data();
}

AboutRus *Program::aboutWindow() const
{
    return m_about.data();
}

void Program::start()
{
    // A dir.vlm that names a folder opens the main window at once. The chooser, whose lists read
    // the mounted volumes and a folder's entries, is built only when the player has to choose:
    // it took a good third of such a start.
    const PathFileRead read = m_store.read();
    if (read.status == PathFileRead::Status::Folder && !namesNoFolder(read.folder)) {
        showMainWindow();
        return;
    }
    m_chooser = std::make_unique<Dir>(m_store, m_home);
    connect(m_chooser.get(), &Dir::handOver, this, &Program::showMainWindow);
    m_chooser->load();
}

void Program::showMainWindow()
{
    if (m_main)
        return;
    m_main = std::make_unique<IndexRus>(m_store);
    connect(m_main.get(), &IndexRus::aboutRequested, this, &Program::showAbout);
    connect(m_main.get(), &IndexRus::supportRequested, this, &Program::openSupport);
    connect(m_main.get(), &IndexRus::quitRequested, this, &Program::quitRequested);
    // The first showing loads the window: it reads the path file the chooser has just read or
    // written, and carries the game's binds into the config box.
    m_main->load();
    m_main->show();
}

void Program::showAbout()
{
    if (!m_about) {
        m_about = new AboutRus();
        if (m_main)
            m_about->setWindowIcon(m_main->windowIcon());
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void Program::openSupport()
{
    openSupportPage();
}

int startProgram(int argc, char **argv)
{
    QApplication::setApplicationName(QStringLiteral("velmora"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    // Wayland compositors find the window's desktop entry, and with it the icon, by this name.
    QApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
    QApplication app(argc, argv);
    QApplication::setWindowIcon(applicationIcon());
    // Russian unless the desktop asks for English first; Qt's own texts (a field's context menu,
    // standard buttons) follow the program's language.
    ui::installLanguage(app, ui::systemLanguage(), ui::qtTranslationsFolder());
    // One look everywhere: the twip layouts are measured for it.
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    // Velmora ends through its main window only (Exit, the folder reset, its close button), never
    // because the last window displayed went away: the chooser hides before the main window is
    // shown, and the main window's load shows its box before the window itself.
    QApplication::setQuitOnLastWindowClosed(false);

    Program program(
        PathFileStore(QCoreApplication::applicationDirPath(),
                      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
    // Leaving the event loop closes every window without asking it.
    QObject::connect(&program, &Program::quitRequested, &app, [] { QCoreApplication::exit(0); });
    program.start();
    return QApplication::exec();
}

} // namespace velmora
