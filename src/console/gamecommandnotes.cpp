// The sentences the option tips read about a command of the table: what the current game build
// does with it, and what else the table knows of it.

#include "console/gamecommands.h"

#include <QCoreApplication>
#include <QLocale>

namespace velmora {

using enum GameStatus;

QString boundText(double value)
{
    return QLocale::c().toString(value, 'g', 15);
}

QString gameFactNote(QStringView command)
{
    const GameCommand *row = findGameCommand(command.toLatin1());
    return row && row->note ? QCoreApplication::translate("GameCommands", row->note) : QString();
}

QString gameStatusNote(QStringView command)
{
    const GameCommand *row = findGameCommand(command.toLatin1());
    if (!row)
        return {};
    const QString name = command.toString().toLower();
    switch (row->status) {
    case Works:
        return {};
    case Clamped:
        if (row->unless)
            return QCoreApplication::translate(
                       "GameCommands",
                       "Выше %1 действует только вместе с %2 1 (без него игра делает не больше "
                       "%3 кадра в секунду), а в сетевой игре значение ниже %4 игра поднимает "
                       "до %4.")
                .arg(boundText(row->max), QLatin1StringView(row->unless), boundText(row->max + 0.5),
                     boundText(row->min));
        return QCoreApplication::translate("GameCommands",
                                           "Игра ограничивает значение %1 пределами %2–%3.")
            .arg(name, boundText(row->min), boundText(row->max));
    case Ignored:
        return QCoreApplication::translate("GameCommands",
                                           "В текущей версии игры строка %1 ничего не делает.")
            .arg(name);
    case HostOnly:
        return QCoreApplication::translate("GameCommands",
                                           "Строка %1 действует только на сервере, который вы "
                                           "запускаете сами, а не там, куда вы заходите.")
            .arg(name);
    case NotSaved:
        return QCoreApplication::translate("GameCommands",
                                           "Игра не сохраняет %1 в своём config.cfg, поэтому "
                                           "значение держится только благодаря autoexec.cfg.")
            .arg(name);
    case Toggle:
        return QCoreApplication::translate("GameCommands",
                                           "%1 — переключатель, а не переменная. Каждый запуск "
                                           "строки меняет состояние на обратное, и игра его не "
                                           "сохраняет.")
            .arg(name);
    }
    return {};
}

} // namespace velmora
