#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <span>

namespace velmora {

/// What the game's current Steam build (the 25th-anniversary update) does with a console command.
enum class GameStatus {
    Works,    ///< as the command's name says
    Clamped,  ///< the value is held within a range
    Ignored,  ///< removed, or still declared but read by nothing
    HostOnly, ///< acts only on a server the player hosts (a listen server)
    NotSaved, ///< works, but the game's own config.cfg does not keep it: it belongs in autoexec.cfg
    Toggle,   ///< a command that flips a setting each time it runs; nothing of it is saved
};

/// One row of the table of console commands. A name ending in '_' stands for every command that
/// begins with it (`mp_`, `sv_`); a `+` command's row serves its `-` twin too.
struct GameCommand
{
    const char *name; ///< lower case
    GameStatus status;
    /// The range the game keeps the value in: a Clamped row's, and that of another row whose
    /// value the game also bounds (ex_interp); none where both are 0.
    double min = 0;
    double max = 0;
    /// Clamped: the upper limit holds only while this other command is 0 (fps_max and
    /// fps_override); null when the limit always holds. The lower limit always holds.
    const char *unless = nullptr;
    /// UTF-8, marked for translation: what else a player of our options should know of the
    /// command, in one or two sentences for the option tips; null for nothing more.
    const char *note = nullptr;
};

/// Every row: the commands Velmora writes and those players commonly write by hand.
std::span<const GameCommand> gameCommands();

/// The row of a command word, in any letter case: its own row first, else the longest pattern
/// that it begins with. Null when the table does not know it. A row may name a command with its
/// first argument ("setinfo lefthand"): look that up with the two words joined by one blank.
const GameCommand *findGameCommand(QByteArrayView word);

/// One Russian sentence, naming the command, on what the current build does with it, for the
/// option tips; empty when the command works as its name says or the table does not know it.
QString gameStatusNote(QStringView command);

/// The row's note of a command word in the language installed now; empty where it has none.
QString gameFactNote(QStringView command);

/// A range bound as the game's console would print it: "100000", "0.1".
QString boundText(double value);

} // namespace velmora
