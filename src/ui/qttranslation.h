#pragma once

#include <QString>

class QCoreApplication;
class QTranslator;

namespace velmora::ui {

/// Loads Qt's own Russian texts (the text fields' context menu, the standard buttons) from
/// `qtbase_ru.qm` in `folder` and installs them in the application, so that a Russian Velmora
/// speaks Russian throughout whatever the system's locale. Returns the installed translator, or
/// null, changing nothing, when the file is missing or unreadable; the program then runs with
/// Qt's English texts.
QTranslator *installQtRussian(QCoreApplication &app, const QString &folder);

/// Where Qt's translations are installed on this system.
QString qtTranslationsFolder();

} // namespace velmora::ui
