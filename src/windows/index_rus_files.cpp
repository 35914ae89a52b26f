// The main window's commands on config files besides Save: read a config back into the controls,
// write the box to a file of the player's choosing, bring the previous autoexec.cfg back, and
// show what a Save changes.

#include "windows/index_rus.h"

#include "config/configreader.h"
#include "gamefiles/autoexec.h"
#include "gamefiles/configfiles.h"
#include "ui/messagebox.h"
#include "ui/textmirror.h"
#include "windows/optionpages.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

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

} // namespace

/// The file dialogs' filter.
static QString cfgFilter()
{
    return IndexRus::tr("Конфиги (*.cfg)");
}

QString IndexRus::cstrikeFolder() const
{
    // The path file is looked at again, as Save does, without a word when it cannot be read:
    // the dialog then opens at the folder of the load, or at the player's home folder.
    const PathFileRead read = m_store.read();
    const QString folder = read.status == PathFileRead::Status::Folder ? read.folder : m_gameFolder;
    return folder.isEmpty() ? QDir::homePath() : QDir(folder).filePath(QStringLiteral("cstrike"));
}

const QByteArray &IndexRus::boxBytes()
{
    // The raw text as it stands: Save writes its paragraph separators as line breaks anyway,
    // so translating them first would only cost a large box one more pass.
    encodeAutoexecBytes(m_configText->text(), m_configBytes);
    return m_configBytes;
}

QString IndexRus::saveDetails(QByteArrayView bytes) const
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

void IndexRus::openConfig()
{
    QFileDialog dialog(this, tr("Открыть конфиг"), cstrikeFolder(), cfgFilter());
    dialog.setObjectName(QStringLiteral("openDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    openConfigFile(dialog.selectedFiles().constFirst());
}

void IndexRus::openConfigFile(const QString &path)
{
    const ConfigFileText file = readConfigFile(path);
    if (!file.error.isEmpty()) {
        MessageBox::show(this, file.error, MessageStyle::Error);
        return;
    }
    const ConfigReading reading = readConfig(QByteArrayView(file.bytes));
    m_pages->setSnapshot(reading.options);
    m_settled = m_pages->snapshot();
    // The box holds the lines no control took, each ended like an imported line; Show appends
    // the controls' lines after them. One edit, so Ctrl+Z brings the box's old text back.
    QString rest;
    for (const QString &line : reading.otherLines)
        rest += line + u'\n';
    QTextCursor cursor(m_config->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(rest);
    QString counts = tr("Строк перенесено в настройки: %1\r\nСтрок осталось в конфиге: %2")
                         .arg(reading.intoControls)
                         .arg(reading.otherLines.size());
    if (file.cutAtNul) {
        counts += u"\r\n"_s + tr("В файле есть нулевой символ: игра перестаёт читать файл на "
                                 "нём, поэтому строки после него не перенесены (файл на диске не "
                                 "изменён).");
    }
    MessageBox::show(this, counts, MessageStyle::Information);
}

void IndexRus::saveConfigAs()
{
    QFileDialog dialog(this, tr("Сохранить конфиг как"), cstrikeFolder(), cfgFilter());
    dialog.setObjectName(QStringLiteral("saveAsDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("cfg"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString path = dialog.selectedFiles().constFirst();
    if (const QString refusal = checkConfigFileName(path); !refusal.isEmpty()) {
        MessageBox::show(this, refusal, MessageStyle::Error);
        return;
    }
    if (!path.endsWith(kCfgSuffix, Qt::CaseInsensitive)) {
        // The game runs only .cfg files. The dialog asked about replacing the name without it;
        // a file under the name with it is asked about here.
        path += kCfgSuffix;
        const QString question =
            tr("Файл %1 уже есть. Заменить его?").arg(QDir::toNativeSeparators(path));
        if (QFileInfo::exists(path) &&
            MessageBox::show(this, question, MessageStyle::Question) != Answer::Yes)
            return;
    }
    const PathFileRead read = m_store.read();
    const QString game = read.status == PathFileRead::Status::Folder ? read.folder : m_gameFolder;
    const QByteArray &bytes = boxBytes();
    if (!game.isEmpty() && isGameAutoexec(game, path)) {
        // The game's own script: what Save does, question, backup and offer included.
        if (const QString refusal = checkScriptBytes(bytes); !refusal.isEmpty()) {
            MessageBox::show(this, refusal, MessageStyle::Error);
            return;
        }
        m_gameFolder = game;
        saveAutoexecAsked(bytes);
        return;
    }
    if (const QString error = saveConfigFile(game, path, bytes); !error.isEmpty())
        MessageBox::show(this, error, MessageStyle::Error);
}

void IndexRus::restoreConfig()
{
    if (!rereadGameFolder())
        return;
    if (const QString missing = checkAutoexecBackup(m_gameFolder); !missing.isEmpty()) {
        MessageBox::show(this, missing, MessageStyle::Error);
        return;
    }
    // Without an autoexec.cfg there is nothing to keep: the backup is copied and stays.
    const QString question =
        autoexecExists(m_gameFolder)
            ? tr("Вы уверены что хотите вернуть прежний autoexec.cfg?\r\nНынешний autoexec.cfg "
                 "станет резервной копией autoexec.cfg.bak.")
            : tr("Вы уверены что хотите вернуть прежний autoexec.cfg?\r\nФайла autoexec.cfg "
                 "сейчас нет, поэтому autoexec.cfg.bak будет скопирован и останется на месте.");
    if (MessageBox::show(this, question, MessageStyle::Question) != Answer::Yes)
        return;
    if (const QString error = restoreAutoexec(m_gameFolder); !error.isEmpty()) {
        MessageBox::show(this, error, MessageStyle::Error);
        return;
    }
    MessageBox::show(this, tr("Прежний autoexec.cfg восстановлен."), MessageStyle::Information);
}

} // namespace velmora
