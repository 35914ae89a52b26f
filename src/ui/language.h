#pragma once

#include <QStringList>

class QCoreApplication;

namespace velmora::ui {

/// The languages Velmora speaks. Russian is its own: the texts in the code are Russian, and
/// English comes from a translation embedded in the program.
enum class Language { Russian, English };

/// English when the user's interface languages, most preferred first (QLocale::uiLanguages(),
/// which honours LANGUAGE, then LC_ALL, LC_MESSAGES and LANG), name English before Russian;
/// Russian otherwise, the C and POSIX locales included.
[[nodiscard]] Language chooseLanguage(const QStringList &uiLanguages);

/// The language of this system's user-interface settings.
[[nodiscard]] Language systemLanguage();

/// Installs the program's texts in `language`, and Qt's own texts (a field's context menu, the
/// standard buttons) to match, replacing whatever an earlier call installed. Russian needs no
/// translation of Velmora's texts; Qt's Russian comes from `qtFolder`, and without it Qt's
/// buttons stay English while the program runs on. Returns false when English was asked for and
/// its translation could not be loaded: the program then speaks Russian.
bool installLanguage(QCoreApplication &app, Language language, const QString &qtFolder);

/// The language installLanguage() last put in place.
[[nodiscard]] Language currentLanguage();

} // namespace velmora::ui
