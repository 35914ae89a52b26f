#include "windows/filecommands.h"

#include "config/configreader.h"
#include "gamefiles/autoexec.h"
#include "gamefiles/configfiles.h"
#include "gamefiles/userconfig.h"
#include "ui/messagebox.h"
#include "windows/configbox.h"
#include "windows/optionpages.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace velmora {

using ui::Answer;
using ui::MessageBox;
using ui::MessageStyle;

namespace {

const QString kCfgSuffix = QStringLiteral(".cfg");

/// The details part lists this many changed lines at most; a box of thousands of new lines says
/// how many more there are instead.
constexpr qsizetype kMostDetailLines = 1000;

/// "В файле не указан путь!" in the language installed now.
QString noFolderText()
{
    return FileCommands::tr("В файле не указан путь!");
}

/// The file dialogs' filter.
QString cfgFilter()
{
    return FileCommands::tr("Конфиги (*.cfg)");
}

} // namespace

FileCommands::FileCommands(PathFileStore store, ConfigBox *box, OptionPages *pages, QWidget *window)
    : QObject(window)
    , m_store(std::move(store))
    , m_box(box)
    , m_pages(pages)
    , m_window(window)
{
}

QString FileCommands::loadGameFolder()
{
    // A path file that names nothing, or cannot be read, leaves the folder as it was.
    const PathFileRead read = m_store.read();
    if (read.status == PathFileRead::Status::Folder)
        m_gameFolder = read.folder;
    if (!m_gameFolder.isEmpty())
        return {};
    return read.status == PathFileRead::Status::Failed ? read.error : noFolderText();
}

bool FileCommands::rereadGameFolder()
{
    const PathFileRead read = m_store.read();
    if (read.status == PathFileRead::Status::Failed) {
        MessageBox::show(m_window, read.error, MessageStyle::Error);
        return false;
    }
    if (read.status == PathFileRead::Status::Folder)
        m_gameFolder = read.folder;
    if (m_gameFolder.isEmpty()) {
        // No folder was ever named: writing "/cstrike/autoexec.cfg" would miss the game.
        MessageBox::show(m_window, noFolderText(), MessageStyle::Error);
        return false;
    }
    return true;
}

QString FileCommands::currentGameFolder() const
{
    const PathFileRead read = m_store.read();
    return read.status == PathFileRead::Status::Folder ? read.folder : m_gameFolder;
}

QString FileCommands::cstrikeFolder() const
{
    // The path file is looked at again, as Save does, without a word when it cannot be read:
    // the dialog then opens at the folder of the load, or at the player's home folder.
    const QString folder = currentGameFolder();
    return folder.isEmpty() ? QDir::homePath() : QDir(folder).filePath(QStringLiteral("cstrike"));
}

void FileCommands::save()
{
    if (!rereadGameFolder())
        return;
    // The box is encoded once: the question's details, the write and the userconfig.cfg check all
    // look at the bytes Save writes.
    const QByteArray &bytes = m_box->bytes();
    if (const QString refusal = checkScriptBytes(bytes); !refusal.isEmpty()) {
        MessageBox::show(m_window, refusal, MessageStyle::Error);
        return;
    }
    saveAutoexecAsked(bytes);
}

void FileCommands::saveAutoexecAsked(const QByteArray &bytes)
{
    if (MessageBox::show(m_window, tr("Вы уверены что хотите сохранить конфиг?"),
                         MessageStyle::Question, saveDetails(bytes)) != Answer::Yes)
        return;
    SaveOutcome outcome = SaveOutcome::Unchanged;
    if (const QString error = saveAutoexec(m_gameFolder, bytes, &outcome); !error.isEmpty()) {
        MessageBox::show(m_window, error, MessageStyle::Error);
        return;
    }
    if (outcome == SaveOutcome::Written)
        offerUserconfigChain(bytes);
}

QString FileCommands::saveDetails(QByteArrayView bytes) const
{
    const SavePreview preview = previewAutoexecSave(m_gameFolder, bytes, kMostDetailLines);
    if (!preview.error.isEmpty())
        return {}; // Save says why once it tries to read the file
    if (!preview.changes)
        return tr("Файл autoexec.cfg не изменится: в нём уже этот конфиг.");
    if (preview.diff.isEmpty())
        return tr("Строки файла autoexec.cfg останутся прежними, изменятся только концы строк.");
    QStringList shown = preview.diff;
    if (preview.unlisted > 0)
        shown.append(tr("... и ещё изменённых строк: %1").arg(preview.unlisted));
    QString intro =
        tr("Строки со знаком \"-\" уйдут из autoexec.cfg, строки со знаком \"+\" придут "
           "в него; строки без знака останутся, \"@@\" даёт номера строк.");
    if (preview.lineEndsChange)
        intro += u' ' + tr("Кроме того, изменятся концы строк.");
    return intro + u"\n\n"_s + shown.join(u'\n');
}

void FileCommands::offerUserconfigChain(QByteArrayView savedBytes)
{
    const ChainCheck check = checkUserconfigChain(m_gameFolder, savedBytes);
    switch (check.state) {
    case ChainState::Chained:
        return;
    case ChainState::Failed:
        MessageBox::show(m_window, check.error, MessageStyle::Error);
        return;
    case ChainState::Loop:
        MessageBox::show(m_window,
                         tr("В сохранённом конфиге есть строка \"exec userconfig.cfg\", поэтому "
                            "строка \"exec autoexec.cfg\" в userconfig.cfg не добавлена: эти два "
                            "файла запускали бы друг друга без конца."),
                         MessageStyle::Information);
        return;
    case ChainState::Missing:
        break;
    }
    const QString question =
        tr("Игра выполняет config.cfg после autoexec.cfg и возвращает прежние значения.\r\n"
           "Добавить в userconfig.cfg строку \"exec autoexec.cfg\", чтобы ваш конфиг применялся "
           "при каждом запуске?");
    if (MessageBox::show(m_window, question, MessageStyle::Question) != Answer::Yes)
        return;
    if (const QString error = addUserconfigChain(m_gameFolder); !error.isEmpty())
        MessageBox::show(m_window, error, MessageStyle::Error);
}

void FileCommands::open()
{
    QFileDialog dialog(m_window, tr("Открыть конфиг"), cstrikeFolder(), cfgFilter());
    dialog.setObjectName(QStringLiteral("openDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    openFile(dialog.selectedFiles().constFirst());
}

void FileCommands::openFile(const QString &path)
{
    const ConfigFileText file = readConfigFile(path);
    if (!file.error.isEmpty()) {
        MessageBox::show(m_window, file.error, MessageStyle::Error);
        return;
    }
    const ConfigReading reading = readConfig(QByteArrayView(file.bytes));
    m_pages->setSnapshot(reading.options);
    // The box holds the lines no control took; a control still as Open set it leaves its
    // setting to them.
    m_box->holdOpened(reading.otherLines, m_pages->snapshot());
    QString counts = tr("Строк перенесено в настройки: %1\r\nСтрок осталось в конфиге: %2")
                         .arg(reading.intoControls)
                         .arg(reading.otherLines.size());
    if (file.cutAtNul) {
        counts += u"\r\n"_s + tr("В файле есть нулевой символ: игра перестаёт читать файл на "
                                 "нём, поэтому строки после него не перенесены (файл на диске не "
                                 "изменён).");
    }
    MessageBox::show(m_window, counts, MessageStyle::Information);
}

void FileCommands::saveAs()
{
    QFileDialog dialog(m_window, tr("Сохранить конфиг как"), cstrikeFolder(), cfgFilter());
    dialog.setObjectName(QStringLiteral("saveAsDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("cfg"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString path = dialog.selectedFiles().constFirst();
    if (const QString refusal = checkConfigFileName(path); !refusal.isEmpty()) {
        MessageBox::show(m_window, refusal, MessageStyle::Error);
        return;
    }
    if (!path.endsWith(kCfgSuffix, Qt::CaseInsensitive)) {
        // The game runs only .cfg files. The dialog asked about replacing the name without it;
        // a file under the name with it is asked about here.
        path += kCfgSuffix;
        const QString question =
            tr("Файл %1 уже есть. Заменить его?").arg(QDir::toNativeSeparators(path));
        if (QFileInfo::exists(path) &&
            MessageBox::show(m_window, question, MessageStyle::Question) != Answer::Yes)
            return;
    }
    const QString game = currentGameFolder();
    const QByteArray &bytes = m_box->bytes();
    if (!game.isEmpty() && isGameAutoexec(game, path)) {
        // The game's own script: what Save does, question, backup and offer included.
        if (const QString refusal = checkScriptBytes(bytes); !refusal.isEmpty()) {
            MessageBox::show(m_window, refusal, MessageStyle::Error);
            return;
        }
        m_gameFolder = game;
        saveAutoexecAsked(bytes);
        return;
    }
    if (const QString error = saveConfigFile(game, path, bytes); !error.isEmpty())
        MessageBox::show(m_window, error, MessageStyle::Error);
}

void FileCommands::restore()
{
    if (!rereadGameFolder())
        return;
    if (const QString missing = checkAutoexecBackup(m_gameFolder); !missing.isEmpty()) {
        MessageBox::show(m_window, missing, MessageStyle::Error);
        return;
    }
    // Without an autoexec.cfg there is nothing to keep: the backup is copied and stays.
    const QString question =
        autoexecExists(m_gameFolder)
            ? tr("Вы уверены что хотите вернуть прежний autoexec.cfg?\r\nНынешний autoexec.cfg "
                 "станет резервной копией autoexec.cfg.bak.")
            : tr("Вы уверены что хотите вернуть прежний autoexec.cfg?\r\nФайла autoexec.cfg "
                 "сейчас нет, поэтому autoexec.cfg.bak будет скопирован и останется на месте.");
    if (MessageBox::show(m_window, question, MessageStyle::Question) != Answer::Yes)
        return;
    if (const QString error = restoreAutoexec(m_gameFolder); !error.isEmpty()) {
        MessageBox::show(m_window, error, MessageStyle::Error);
        return;
    }
    MessageBox::show(m_window, tr("Прежний autoexec.cfg восстановлен."), MessageStyle::Information);
}

bool FileCommands::resetGameFolder()
{
    const QString question = tr(
        "Выдействительно хотите обнавить путь к папке с Half-Life?\r\nПослетого как вы нажмёте на "
        "кнопку ДА надо будет запустипь программу заново!");
    if (MessageBox::show(m_window, question, MessageStyle::Question) != Answer::Yes)
        return false;
    const QString error = m_store.remove();
    // The program ends either way; a file that stays would make the next start skip the
    // question for the folder, so the user hears about it first.
    if (!error.isEmpty())
        MessageBox::show(m_window, error, MessageStyle::Error);
    return true;
}

} // namespace velmora
