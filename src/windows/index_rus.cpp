#include "windows/index_rus.h"

#include "config/consolevalue.h"
#include "config/digitfilter.h"
#include "ui/consolevalidator.h"
#include "ui/fonts.h"
#include "ui/menukeys.h"
#include "ui/messagebox.h"
#include "ui/optiontips.h"
#include "ui/pagekeys.h"
#include "ui/twips.h"
#include "windows/appicon.h"
#include "windows/configbox.h"
#include "windows/crosshairdialog.h"
#include "windows/filecommands.h"
#include "windows/optionpages.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>

// Resources of a static library are registered by hand, from the global namespace.
static void initVelmoraResources()
{
    Q_INIT_RESOURCE(velmora);
}

namespace velmora {

using ui::Answer;
using ui::MessageBox;
using ui::MessageStyle;

namespace {

// The window's client area and what stands in it, in twips.
constexpr int kClientWidth = 11235;
constexpr int kClientHeight = 6540;

} // namespace

IndexRus::IndexRus(PathFileStore store, QWidget *parent)
    : QMainWindow(parent)
{
    initVelmoraResources();
    setObjectName(QStringLiteral("index_rus"));
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowIcon(applicationIcon());
    // Fixed layout: a minimise button, no maximise button, no border to drag.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // The frames, the tab headers and a few labels use the window's own font.
    setFont(ui::arialFont(8.25));

    buildMenu();
    buildClient();
    m_files = new FileCommands(std::move(store), m_box, m_pages, this);

    // The keyboard reaches every page and command: the page keys, F10 and the bar's commands.
    new ui::PageKeys(m_pages);
    new ui::MenuKeys(menuBar());
    // Each option's tool tip names its console lines, worked out when it is about to show.
    (new ui::OptionTips([this] { return snapshot(); }, this))->attachAll(this);
    // Keeps the free-text fields to what the game's console can carry.
    attachConsoleFilters();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

IndexRus::~IndexRus() = default;

void IndexRus::buildMenu()
{
    auto action = [this](const char *objectName, const QString &caption) {
        auto *a = new QAction(caption, this);
        a->setObjectName(QLatin1StringView(objectName));
        return a;
    };

    QMenu *configMenu = menuBar()->addMenu(tr("Конфиг"));
    configMenu->setObjectName(QStringLiteral("popMenu1"));
    QAction *show = action("popMenu1Show", tr("Показать"));
    QAction *save = action("popMenu1Save", tr("Сохранить"));
    QAction *clear = action("popMenu1Clear", tr("Очистить"));
    configMenu->addActions({show, save, clear});
    configMenu->addSeparator();
    QAction *open = action("popMenu1Open", tr("Открыть..."));
    QAction *restore = action("popMenu1Restore", tr("Восстановить прежний autoexec.cfg"));
    QAction *saveAs = action("popMenu1SaveAs", tr("Сохранить как..."));
    configMenu->addActions({open, restore, saveAs});
    configMenu->addSeparator();
    QAction *crosshair = action("popMenu1Crosshair", tr("Прицел..."));
    configMenu->addAction(crosshair);

    QAction *reset = action("new", tr("Обновить путь к папке с Half-Life"));
    QAction *exit = action("popMenu2Exit", tr("Выход"));
    menuBar()->addAction(reset);
    menuBar()->addAction(exit);

    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("?"));
    helpMenu->setObjectName(QStringLiteral("popMenu3"));
    QAction *about = action("popMenu3Program", tr("О программе"));
    QAction *support = action("popMenu3Tex", tr("Тех. поддержка"));
    helpMenu->addActions({about, support});

    connect(show, &QAction::triggered, this, &IndexRus::showConfig);
    connect(save, &QAction::triggered, this, &IndexRus::saveConfig);
    connect(clear, &QAction::triggered, this, &IndexRus::clearConfig);
    connect(open, &QAction::triggered, this, &IndexRus::openConfig);
    connect(restore, &QAction::triggered, this, &IndexRus::restoreConfig);
    connect(saveAs, &QAction::triggered, this, &IndexRus::saveConfigAs);
    connect(crosshair, &QAction::triggered, this, [this] { editCrosshair(this); });
    connect(reset, &QAction::triggered, this, &IndexRus::resetGameFolder);
    connect(exit, &QAction::triggered, this, &IndexRus::exitProgram);
    connect(about, &QAction::triggered, this, &IndexRus::aboutRequested);
    connect(support, &QAction::triggered, this, &IndexRus::supportRequested);
}

void IndexRus::buildClient()
{
    const ui::TwipScale tw(this);
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    const QRect clientRect = tw.rect(0, 0, kClientWidth, kClientHeight);
    client->setFixedSize(clientRect.size());
    setCentralWidget(client);

    m_pages = new OptionPages(client);
    m_pages->setGeometry(tw.rect(120, 0, 7455, 5895));

    // The config box, right of the tabs, and the note under them.
    m_box = new ConfigBox(client, m_pages, this);
    m_box->edit()->setGeometry(tw.rect(7680, 0, 3375, 5895));

    QLabel *note =
        createRedLabel(client, "Label5", tr("Поля помеченные \"*\" обязательны для заполнения!"));
    const QRect noteRect = tw.rect(2280, 6000, 6855, 375);
    // The note keeps its place; should the font run wider than the layout, it grows to the right
    // rather than lose its end.
    note->setGeometry(noteRect.x(), noteRect.y(), qMax(noteRect.width(), note->sizeHint().width()),
                      noteRect.height());
}

void IndexRus::load()
{
    // A path file that names no folder, or cannot be read, is reported once the limits are set,
    // in place of the import.
    const QString noFolder = m_files->loadGameFolder();

    m_pages->setInputLimits();

    configBox()->clear();

    // Without a game folder there is nothing to import from; reading "/cstrike/config.cfg" at
    // the root of the disk instead would be a guess. One box says why, and the window opens.
    if (!noFolder.isEmpty()) {
        MessageBox::show(this, noFolder, MessageStyle::Error);
        return;
    }
    m_box->carryFromGame(m_files->gameFolder());
}

void IndexRus::attachConsoleFilters()
{
    // The free texts written between double quotes (the digit filter guards the others). A
    // field with a length limit in characters keeps to it: it is shorter than any byte cap.
    for (int n = 1; n <= kTextCount; ++n) {
        const OptionInfo &field = textField(n);
        if (field.byteCap > 0 && !field.digitsOnly && numberForm(n) == NumberForm::Text)
            ui::ConsoleValidator::attach(m_pages->text(n), field.maxLength > 0 ? 0 : field.byteCap);
    }
}

QString IndexRus::gameFolder() const
{
    return m_files->gameFolder();
}

OptionSnapshot IndexRus::snapshot() const
{
    return m_pages->snapshot();
}

QPlainTextEdit *IndexRus::configBox() const
{
    return m_box->edit();
}

QString IndexRus::configText() const
{
    return m_box->text();
}

void IndexRus::openConfigFile(const QString &path)
{
    m_files->openFile(path);
}

void IndexRus::showConfig()
{
    m_box->showConfig();
}

void IndexRus::saveConfig()
{
    m_files->save();
}

void IndexRus::clearConfig()
{
    m_box->clearConfig();
}

void IndexRus::openConfig()
{
    m_files->open();
}

void IndexRus::restoreConfig()
{
    m_files->restore();
}

void IndexRus::saveConfigAs()
{
    m_files->saveAs();
}

void IndexRus::exitProgram()
{
    if (MessageBox::show(this, tr("Вы действительно хотите выйти?"), MessageStyle::Question) ==
        Answer::Yes)
        Q_EMIT quitRequested();
}

void IndexRus::resetGameFolder()
{
    if (m_files->resetGameFolder())
        Q_EMIT quitRequested();
}

void IndexRus::closeEvent(QCloseEvent *event)
{
    // The title bar's close button ends the program like Exit, without the question.
    event->accept();
    Q_EMIT quitRequested();
}

void IndexRus::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    if (const QScreen *s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace velmora
