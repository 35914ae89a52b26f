#pragma once

#include "config/options.h"

#include <QByteArrayView>
#include <QStringList>
#include <QStringView>

namespace velmora {

/// What a config script says, as the controls of the main window can hold it.
struct ConfigReading
{
    /// What the controls take: every option the file sets; an option it does not set keeps its
    /// start-up value, except a check box that writes lines in both of its states and whose lines
    /// are absent, which is grayed (the state that writes nothing).
    OptionSnapshot options;
    /// The file's lines no control takes, in their order (binds, aliases, comments, commands no
    /// control writes, values no control can hold), without line ends. A line whose commands
    /// went into the controls only in part keeps its other commands, joined by "; ", and a line
    /// that went in whole keeps its `//` comment, if any. An empty last line (the line break
    /// Save writes after the box) is not among them.
    QStringList otherLines;
    /// How many of the file's lines went into the controls whole: a line is counted here or in
    /// `otherLines`, never in both.
    int intoControls = 0;
};

/// Which values the controls take.
enum class ReadRules {
    /// What the window's fields let a player put in: digits only where the digit filter guards a
    /// field, no more characters than a field's length limit, no more bytes than its cap.
    Window,
    /// What `velmora --print-config` takes: any text the console reads back as it was written.
    CommandLine,
};

/// Reads a config script the way the game's console runs it (see ConsoleLexer: the script ends at
/// a NUL byte, a command at a line feed or a `;` outside quotes, a command past the console's limit
/// is cut; words as consoleWords() makes them; names in any letter case; a variable takes its first
/// argument; the last setting of a name wins) into the controls whose lines say the same.
/// Generating from the options gives again every line that went into the controls (numbers may
/// come back in their usual form, "72.0" as "72").
[[nodiscard]] ConfigReading readConfig(QByteArrayView script, ReadRules rules = ReadRules::Window);

/// readConfig() of text decoded losslessly from a script's bytes.
[[nodiscard]] ConfigReading readConfig(QStringView text, ReadRules rules = ReadRules::Window);

/// Only the options of readConfig(): the script is read once, and nothing of it is kept but the
/// last value of each name the controls write.
[[nodiscard]] OptionSnapshot readConfigOptions(QByteArrayView script, ReadRules rules);

/// The name among the controls' lines that a command with these words sets, in lower case
/// (`setinfo lefthand` for a key, the words of a bare command), as the game runs it; empty when
/// it sets none of them.
[[nodiscard]] QByteArray settingKey(const QList<QByteArrayView> &words);

} // namespace velmora
