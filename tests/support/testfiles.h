#pragma once

// Whole files in the temporary folders the tests build.

#include <QByteArray>
#include <QString>
#include <QStringList>

/// The file's bytes, or a "<cannot read: …>" marker that no test content equals.
QByteArray readBytes(const QString &path);

/// Writes the file whole, creating its folder; false when it could not.
[[nodiscard]] bool writeFile(const QString &path, const QByteArray &bytes);

/// writeFile() that fails the running test when the file could not be written.
void writeBytes(const QString &path, const QByteArray &bytes);

/// The system's text for an errno value, as the program reports it.
QString systemText(int error);

/// Everything in the folder, hidden entries, FIFOs and sockets included, sorted by name: what a
/// save must leave as it found it.
QStringList folderEntries(const QString &folder);
