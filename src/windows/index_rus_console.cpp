// What the main window does so that the game runs what Velmora saves as the player meant it: the
// free-text fields keep to what the console can carry, and userconfig.cfg runs autoexec.cfg after
// the game's own config.cfg.

#include "windows/index_rus.h"

#include "config/consolevalue.h"
#include "gamefiles/userconfig.h"
#include "ui/consolevalidator.h"
#include "ui/messagebox.h"
#include "windows/optionpages.h"

#include <QLineEdit>

namespace velmora {

using ui::Answer;
using ui::MessageBox;
using ui::MessageStyle;

namespace {

const QString kChainQuestion =
    QStringLiteral("Игра выполняет config.cfg после autoexec.cfg и возвращает прежние значения.") +
    QStringLiteral("\r\n") +
    QStringLiteral("Добавить в userconfig.cfg строку \"exec autoexec.cfg\", чтобы ваш конфиг "
                   "применялся при каждом запуске?");
const QString kLoopNote = QStringLiteral(
    "В сохранённом конфиге есть строка \"exec userconfig.cfg\", поэтому строка "
    "\"exec autoexec.cfg\" в userconfig.cfg не добавлена: эти два файла запускали бы друг "
    "друга без конца.");

} // namespace

void IndexRus::attachConsoleFilters()
{
    // The free texts written between double quotes (the digit filter guards the others). A
    // field with a length limit in characters keeps to it: it is shorter than any byte cap.
    for (int n = 1; n <= kTextCount; ++n) {
        const OptionInfo &field = textField(n);
        if (field.byteCap > 0 && !field.digitsOnly)
            ui::ConsoleValidator::attach(m_pages->text(n), field.maxLength > 0 ? 0 : field.byteCap);
    }
}

void IndexRus::offerUserconfigChain(QStringView savedText)
{
    const ChainCheck check = checkUserconfigChain(m_gameFolder, savedText);
    switch (check.state) {
    case ChainState::Chained:
        return;
    case ChainState::Failed:
        MessageBox::show(this, check.error, MessageStyle::Error);
        return;
    case ChainState::Loop:
        MessageBox::show(this, kLoopNote, MessageStyle::Information);
        return;
    case ChainState::Missing:
        break;
    }
    if (MessageBox::show(this, kChainQuestion, MessageStyle::Question) != Answer::Yes)
        return;
    if (const QString error = addUserconfigChain(m_gameFolder); !error.isEmpty())
        MessageBox::show(this, error, MessageStyle::Error);
}

} // namespace velmora
