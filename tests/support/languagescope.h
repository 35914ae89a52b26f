#pragma once

// A test speaks one language for a while: the language is installed before the window under test
// is built, and Russian, the program's own, is back once the scope ends.

#include "ui/language.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>

#include <functional>

class LanguageScope
{
public:
    explicit LanguageScope(velmora::ui::Language language)
    {
        if (!velmora::ui::installLanguage(*QCoreApplication::instance(), language, QString()))
            qFatal("the English translation is not embedded");
    }
    ~LanguageScope()
    {
        (void)velmora::ui::installLanguage(*QCoreApplication::instance(),
                                           velmora::ui::Language::Russian, QString());
    }
    LanguageScope(const LanguageScope &) = delete;
    LanguageScope &operator=(const LanguageScope &) = delete;
};

/// Adds the column "language" to a data table: each row once in Russian and once in English.
inline void addLanguageRows(const QString &row, const std::function<void(QTestData &)> &fill)
{
    for (auto [name, language] : {std::pair{"ru", velmora::ui::Language::Russian},
                                  std::pair{"en", velmora::ui::Language::English}}) {
        QTestData &data = QTest::newRow(qPrintable(row + u' ' + QLatin1StringView(name)));
        fill(data);
        data << language;
    }
}

/// Whether a text holds a Cyrillic letter.
inline bool hasCyrillic(const QString &text)
{
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}
