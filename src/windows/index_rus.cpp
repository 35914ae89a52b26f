#include "windows/index_rus.h"

#include "config/generator.h"
#include "config/showafteropen.h"
#include "gamefiles/autoexec.h"
#include "gamefiles/bindimport.h"
#include "ui/fonts.h"
#include "ui/menukeys.h"
#include "ui/messagebox.h"
#include "ui/optiontips.h"
#include "ui/pagekeys.h"
#include "ui/textmirror.h"
#include "ui/twips.h"
#include "windows/appicon.h"
#include "windows/crosshairdialog.h"
#include "windows/optionpages.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>

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

/// Asks a question; true only when the answer is Yes.
bool confirmed(QWidget *parent, const QString &question)
{
    return MessageBox::show(parent, question, MessageStyle::Question) == Answer::Yes;
}

} // namespace

IndexRus::IndexRus(PathFileStore store, QWidget *parent)
    : QMainWindow(parent)
    , m_store(std::move(store))
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

    // The keyboard reaches every page and command: the page keys, F10 and the bar's commands;
    // Tab leaves the config box instead of typing into it.
    new ui::PageKeys(m_pages);
    new ui::MenuKeys(menuBar());
    m_config->setTabChangesFocus(true);
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
    m_config = new QPlainTextEdit(client);
    m_config->setObjectName(QStringLiteral("config"));
    m_config->setFont(ui::arialFont(9.75));
    m_config->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_config->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_config->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_config->setGeometry(tw.rect(7680, 0, 3375, 5895));
    m_config->setPlainText(tr("Здесь будет ваш конфиг\n"));
    m_configText = new ui::TextMirror(m_config->document());

    QLabel *note =
        createRedLabel(client, "Label5", tr("Поля помеченные \"*\" обязательны для заполнения!"));
    const QRect noteRect = tw.rect(2280, 6000, 6855, 375);
    // The note keeps its place; should the font run wider than the layout, it grows to the right
    // rather than lose its end.
    note->setGeometry(noteRect.x(), noteRect.y(), qMax(noteRect.width(), note->sizeHint().width()),
                      noteRect.height());
}

QString IndexRus::noFolderText()
{
    return tr("В файле не указан путь!");
}

void IndexRus::load()
{
    // A path file that names nothing, or cannot be read, leaves the folder empty; that is
    // reported once the limits are set, in place of the import.
    const PathFileRead read = m_store.read();
    if (read.status == PathFileRead::Status::Folder)
        m_gameFolder = read.folder;

    m_pages->setInputLimits();

    m_config->clear();

    // Without a game folder there is nothing to import from; reading "/cstrike/config.cfg" at
    // the root of the disk instead would be a guess. One box says why, and the window opens.
    if (m_gameFolder.isEmpty()) {
        MessageBox::show(this,
                         read.status == PathFileRead::Status::Failed ? read.error : noFolderText(),
                         MessageStyle::Error);
        return;
    }

    const ImportResult result = importBindsFromGame(m_gameFolder);
    // The box is empty here, so setting the whole text at once is the same as appending each line.
    m_config->setPlainText(result.plainText);
    if (!result.ok()) {
        MessageBox::show(this, result.error, MessageStyle::Error);
        return;
    }
    MessageBox::show(this, tr("Найдено %1 bind(s) и alias").arg(result.count()),
                     MessageStyle::Information);
    offerToDropPlantedLines(result.plainText);
}

OptionSnapshot IndexRus::snapshot() const
{
    return m_pages->snapshot();
}

QString IndexRus::configText() const
{
    // toPlainText() would turn no-break spaces into plain ones; the raw text keeps every
    // character of the player's lines and only the line breaks need translating.
    QString text = m_config->document()->toRawText();
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text;
}

void IndexRus::showConfig()
{
    if (!confirmed(this, tr("Все поля заполнены??"))) {
        // Back to the first tab, where the connection type and the pings are filled in.
        m_pages->setCurrentIndex(0);
        return;
    }
    GenerateConfig();
}

void IndexRus::GenerateConfig()
{
    const OptionSnapshot options = snapshot();
    if (!m_settled) {
        appendToConfig(generateText(options));
        return;
    }
    // After Open the box holds the file's word on what no control could take: a control the
    // player has not moved leaves such a setting to it.
    appendToConfig(generateBesideBox(options, *m_settled, boxBytes()));
    m_settled = options;
}

void IndexRus::appendToConfig(const QString &text)
{
    QString lines = text;
    lines.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
    // Appended at the end, joined to the last line as it stands; the rest of the box is not
    // touched, so a large box takes no longer than a small one, and one run is one undo step.
    QTextCursor cursor(m_config->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    cursor.insertText(lines);
    cursor.endEditBlock();
}

bool IndexRus::rereadGameFolder()
{
    const PathFileRead read = m_store.read();
    if (read.status == PathFileRead::Status::Failed) {
        MessageBox::show(this, read.error, MessageStyle::Error);
        return false;
    }
    if (read.status == PathFileRead::Status::Folder)
        m_gameFolder = read.folder;
    if (m_gameFolder.isEmpty()) {
        // No folder was ever named: writing "/cstrike/autoexec.cfg" would miss the game.
        MessageBox::show(this, noFolderText(), MessageStyle::Error);
        return false;
    }
    return true;
}

void IndexRus::saveConfig()
{
    if (!rereadGameFolder())
        return;
    // The box is encoded once: the question's details, the write and the userconfig.cfg check all
    // look at the bytes Save writes.
    const QByteArray &bytes = boxBytes();
    if (const QString refusal = checkScriptBytes(bytes); !refusal.isEmpty()) {
        MessageBox::show(this, refusal, MessageStyle::Error);
        return;
    }
    saveAutoexecAsked(bytes);
}

void IndexRus::saveAutoexecAsked(const QByteArray &bytes)
{
    if (MessageBox::show(this, tr("Вы уверены что хотите сохранить конфиг?"),
                         MessageStyle::Question, saveDetails(bytes)) != Answer::Yes)
        return;
    SaveOutcome outcome = SaveOutcome::Unchanged;
    if (const QString error = saveAutoexec(m_gameFolder, bytes, &outcome); !error.isEmpty()) {
        MessageBox::show(this, error, MessageStyle::Error);
        return;
    }
    if (outcome == SaveOutcome::Written)
        offerUserconfigChain(bytes);
}

void IndexRus::clearConfig()
{
    if (!confirmed(this, tr("Вы уверены что хотите ОЧИСТИТЬ конфиг?")))
        return;
    // Removed as one edit, so Ctrl+Z can still bring the text back.
    QTextCursor cursor(m_config->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

void IndexRus::exitProgram()
{
    if (confirmed(this, tr("Вы действительно хотите выйти?")))
        Q_EMIT quitRequested();
}

void IndexRus::resetGameFolder()
{
    const QString question = tr(
        "Выдействительно хотите обнавить путь к папке с Half-Life?\r\nПослетого как вы нажмёте на "
        "кнопку ДА надо будет запустипь программу заново!");
    if (!confirmed(this, question))
        return;
    const QString error = m_store.remove();
    // The program ends either way; a file that stays would make the next start skip the
    // question for the folder, so the user hears about it first.
    if (!error.isEmpty())
        MessageBox::show(this, error, MessageStyle::Error);
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
