#pragma once

#include <QString>

namespace velmora {

/// The reason behind a system error number, in Russian whatever the system's language. Every
/// reason Velmora shows comes from one table here, so a translation has one place to wrap.
QString errorReason(int error);

/// The reason behind an error text of a Qt file device (QFileDevice::errorString(), which gives
/// the system's words in the system's language), worded as errorReason() words it. `error` is the
/// error number the failure left, used when the text is none the table knows; a text that is
/// neither is kept, in brackets after a Russian lead-in.
QString errorReasonOf(const QString &systemText, int error = 0);

/// The text of a file error box: the reason, then the file it concerns, as "<reason>: <file>".
QString fileErrorText(const QString &reason, const QString &path);

/// fileErrorText() for a system error number.
QString fileError(const QString &path, int error);

} // namespace velmora
