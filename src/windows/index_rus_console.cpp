// What the main window does so that the game runs what Velmora saves as the player meant it: the
// free-text fields keep to what the console can carry, and userconfig.cfg runs autoexec.cfg after
// the game's own config.cfg.

#include "windows/index_rus.h"

#include "config/consolevalue.h"
#include "config/digitfilter.h"
#include "console/scriptcheck.h"
#include "gamefiles/userconfig.h"
#include "ui/consolevalidator.h"
#include "ui/messagebox.h"
#include "windows/optionpages.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace velmora {

using ui::Answer;
using ui::MessageBox;
using ui::MessageStyle;

namespace {

constexpr qsizetype kPlantedShown = 3;      // lines named in the question
constexpr qsizetype kPlantedLineWidth = 80; // characters of each named line

} // namespace

void IndexRus::offerToDropPlantedLines(const QString &text)
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
    if (MessageBox::show(this, question, MessageStyle::Question) != Answer::Yes)
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
    m_config->setPlainText(kept);
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

void IndexRus::offerUserconfigChain(QByteArrayView savedBytes)
{
    const ChainCheck check = checkUserconfigChain(m_gameFolder, savedBytes);
    switch (check.state) {
    case ChainState::Chained:
        return;
    case ChainState::Failed:
        MessageBox::show(this, check.error, MessageStyle::Error);
        return;
    case ChainState::Loop:
        MessageBox::show(this,
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
    if (MessageBox::show(this, question, MessageStyle::Question) != Answer::Yes)
        return;
    if (const QString error = addUserconfigChain(m_gameFolder); !error.isEmpty())
        MessageBox::show(this, error, MessageStyle::Error);
}

} // namespace velmora
