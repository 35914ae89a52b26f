#include "windows/configbox.h"

#include "config/generator.h"
#include "config/showafteropen.h"
#include "console/scriptcheck.h"
#include "gamefiles/autoexec.h"
#include "gamefiles/bindimport.h"
#include "ui/fonts.h"
#include "ui/messagebox.h"
#include "ui/textmirror.h"
#include "windows/optionpages.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace velmora {

using ui::Answer;
using ui::MessageBox;
using ui::MessageStyle;

namespace {

constexpr qsizetype kPlantedShown = 3;      // lines named in the question
constexpr qsizetype kPlantedLineWidth = 80; // characters of each named line

} // namespace

ConfigBox::ConfigBox(QWidget *client, OptionPages *pages, QWidget *window)
    : QObject(window)
    , m_pages(pages)
    , m_window(window)
    , m_edit(new QPlainTextEdit(client))
{
    m_edit->setObjectName(QStringLiteral("config"));
    m_edit->setFont(ui::arialFont(9.75));
    m_edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_edit->setPlainText(tr("Здесь будет ваш конфиг\n"));
    m_mirror = new ui::TextMirror(m_edit->document());
    // Tab leaves the box for the next control instead of typing into it.
    m_edit->setTabChangesFocus(true);
}

QString ConfigBox::text() const
{
    // toPlainText() would turn no-break spaces into plain ones; the raw text keeps every
    // character of the player's lines and only the line breaks need translating.
    QString text = m_edit->document()->toRawText();
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text;
}

const QByteArray &ConfigBox::bytes()
{
    // The raw text as it stands: Save writes its paragraph separators as line breaks anyway,
    // so translating them first would only cost a large box one more pass.
    encodeAutoexecBytes(m_mirror->text(), m_bytes);
    return m_bytes;
}

void ConfigBox::carryFromGame(const QString &gameFolder)
{
    const ImportResult result = importBindsFromGame(gameFolder);
    // The box is empty here, so setting the whole text at once is the same as appending each line.
    m_edit->setPlainText(result.plainText);
    if (!result.ok()) {
        MessageBox::show(m_window, result.error, MessageStyle::Error);
        return;
    }
    MessageBox::show(m_window, tr("Найдено %1 bind(s) и alias").arg(result.count()),
                     MessageStyle::Information);
    offerToDropPlantedLines(result.plainText);
}

void ConfigBox::offerToDropPlantedLines(const QString &text)
{
    const QList<QStringView> planted = plantedLines(text);
    if (planted.isEmpty())
        return;
    QStringList named;
    for (qsizetype i = 0; i < qMin(planted.size(), kPlantedShown); ++i) {
        const QStringView line = planted[i];
        named.append(line.size() > kPlantedLineWidth
                         ? line.first(kPlantedLineWidth).toString() + QStringLiteral("...")
                         : line.toString());
    }
    if (planted.size() > kPlantedShown)
        named.append(tr("...и ещё %1").arg(planted.size() - kPlantedShown));
    const QString question =
        tr("Среди найденных строк есть такие, какие серверы подбрасывали игрокам в config.cfg "
           "(подключение к чужому серверу, rcon, запуск других файлов):\r\n%1\r\nУбрать их из "
           "конфига?")
            .arg(named.join(QStringLiteral("\r\n")));
    if (MessageBox::show(m_window, question, MessageStyle::Question) != Answer::Yes)
        return;
    // The box holds the import's text as it is: the planted lines go with their line feeds.
    QString kept;
    kept.reserve(text.size());
    qsizetype next = 0;
    for (const QStringView line : planted) {
        const qsizetype start = line.data() - text.data();
        kept += QStringView(text).sliced(next, start - next);
        next = qMin(start + line.size() + 1, text.size());
    }
    kept += QStringView(text).sliced(next);
    m_edit->setPlainText(kept);
}

void ConfigBox::holdOpened(const QStringList &otherLines, const OptionSnapshot &settled)
{
    m_settled = settled;
    // Each line ended like an imported line; Show appends the controls' lines after them. One
    // edit, so Ctrl+Z brings the box's old text back.
    QString rest;
    for (const QString &line : otherLines)
        rest += line + u'\n';
    QTextCursor cursor(m_edit->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(rest);
}

void ConfigBox::showConfig()
{
    if (MessageBox::show(m_window, tr("Все поля заполнены??"), MessageStyle::Question) !=
        Answer::Yes) {
        // Back to the first tab, where the connection type and the pings are filled in.
        m_pages->setCurrentIndex(0);
        return;
    }
    generateConfig();
}

void ConfigBox::generateConfig()
{
    const OptionSnapshot options = m_pages->snapshot();
    if (!m_settled) {
        append(generateText(options));
        return;
    }
    // After Open the box holds the file's word on what no control could take: a control the
    // player has not moved leaves such a setting to it.
    append(generateBesideBox(options, *m_settled, bytes()));
    m_settled = options;
}

void ConfigBox::append(const QString &text)
{
    QString lines = text;
    lines.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
    // Appended at the end, joined to the last line as it stands; the rest of the box is not
    // touched, so a large box takes no longer than a small one, and one run is one undo step.
    QTextCursor cursor(m_edit->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    cursor.insertText(lines);
    cursor.endEditBlock();
}

void ConfigBox::clearConfig()
{
    if (MessageBox::show(m_window, tr("Вы уверены что хотите ОЧИСТИТЬ конфиг?"),
                         MessageStyle::Question) != Answer::Yes)
        return;
    // Removed as one edit, so Ctrl+Z can still bring the text back.
    QTextCursor cursor(m_edit->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

} // namespace velmora
