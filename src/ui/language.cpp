#include "ui/language.h"

#include "ui/qttranslation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>
#include <QTranslator>

namespace velmora::ui {

namespace {

/// The translators the last installLanguage() put in place, so the next call can take them out.
QPointer<QTranslator> g_program;
QPointer<QTranslator> g_qt;
Language g_current = Language::Russian;

void removeTranslator(QPointer<QTranslator> &translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator.data();
}

/// The language part of a tag such as "en", "en-US", "en_GB" or "ru-Cyrl-RU", in lower case.
QString languageOf(const QString &tag)
{
    const qsizetype end = tag.indexOf(QRegularExpression(QStringLiteral("[-_.@]")));
    return tag.left(end).toLower();
}

} // namespace

Language chooseLanguage(const QStringList &uiLanguages)
{
    for (const QString &tag : uiLanguages) {
        const QString language = languageOf(tag);
        if (language == u"en")
            return Language::English;
        if (language == u"ru")
            return Language::Russian;
    }
    return Language::Russian;
}

Language systemLanguage()
{
    return chooseLanguage(QLocale::system().uiLanguages());
}

/// Makes Qt's formatting (the file dialogs' sizes, types and dates among it) speak `language`:
/// the system's own locale where it is of that language, for its country's conventions, the
/// language's usual one otherwise (the C locale would format in English).
static void setDefaultLocale(Language language)
{
    const QLocale::Language wanted =
        language == Language::English ? QLocale::English : QLocale::Russian;
    const QLocale system = QLocale::system();
    QLocale::setDefault(system.language() == wanted ? system : QLocale(wanted));
}

bool installLanguage(QCoreApplication &app, Language language, const QString &qtFolder)
{
    removeTranslator(g_program);
    removeTranslator(g_qt);
    g_current = Language::Russian;
    setDefaultLocale(language);
    if (language == Language::English) {
        auto *english = new QTranslator(&app);
        if (!english->load(QStringLiteral(":/i18n/velmora_en.qm")) ||
            !QCoreApplication::installTranslator(english)) {
            delete english;
            setDefaultLocale(Language::Russian);
            g_qt = installQtRussian(app, qtFolder);
            return false;
        }
        g_program = english;
        g_current = Language::English;
        return true;
    }
    g_qt = installQtRussian(app, qtFolder);
    return true;
}

Language currentLanguage()
{
    return g_current;
}

} // namespace velmora::ui
