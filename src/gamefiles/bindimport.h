#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

namespace velmora {

struct ImportResult
{
    /// Every carried line, leading blanks and line end dropped, followed by a line feed, in file
    /// order: the form the config box takes at once. One string rather than a list of lines keeps
    /// a large config.cfg from costing an allocation per line.
    QString plainText;
    int carried = 0;
    QString error; ///< the system's description when the import failed (lines carried so far stay)
    /// The most bytes of an unfinished line held between two reads. A carried line is held whole;
    /// of any other line, no more than the few first bytes that could still become a keyword.
    qsizetype mostKept = 0;

    bool ok() const { return error.isEmpty(); }
    int count() const { return carried; }
    QStringList lines() const;
    /// Every carried line followed by CR LF, as the config box receives them.
    QString text() const;
};

/// True when a line, leading spaces and tabs dropped, begins with "alias" or "bind" in any case.
bool isCarriedLine(QByteArrayView line);

/// Carries the alias and bind lines of an open config file up to its first NUL byte, where the
/// game's console stops reading a script (ConsoleLexer): nothing after it is read or carried.
/// Lines end with CR LF, LF or a lone CR; a UTF-8 byte-order mark before the first line is
/// dropped.
ImportResult importBinds(QIODevice &device);

/// Reads <gameFolder>/cstrike/config.cfg; anything but a regular file there is refused unread.
ImportResult importBindsFromGame(const QString &gameFolder);

} // namespace velmora
