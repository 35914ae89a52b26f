// Which language Velmora speaks, and that switching it reaches the texts.

#include "ui/language.h"

#include <QApplication>
#include <QtTest>

using velmora::ui::Language;

class TstLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chosenFromUiLanguages_data();
    void chosenFromUiLanguages();
    void switchesBothWays();
};

void TstLanguage::chosenFromUiLanguages_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<Language>("expected");
    // What QLocale::uiLanguages() gives for LANGUAGE/LANG settings, most preferred first.
    auto row = [](const char *name, std::initializer_list<const char *> tags, Language language) {
        QStringList list;
        for (const char *tag : tags)
            list << QString::fromLatin1(tag);
        QTest::newRow(name) << list << language;
    };
    row("LANGUAGE=en", {"en", "en-Latn-US", "en-US"}, Language::English);
    row("LANG=en_GB", {"en-GB", "en-Latn-GB"}, Language::English);
    row("LANG=ru_RU", {"ru-RU", "ru-Cyrl-RU", "ru"}, Language::Russian);
    row("LANGUAGE=ru:en", {"ru", "ru-RU", "en", "en-US"}, Language::Russian);
    row("LANGUAGE=de:en", {"de", "de-DE", "en", "en-US"}, Language::English);
    row("LANGUAGE=de:ru:en", {"de", "ru", "en"}, Language::Russian);
    row("LANG=de_DE only", {"de-DE", "de"}, Language::Russian);
    row("C.UTF-8", {"C"}, Language::Russian);
    row("nothing", {}, Language::Russian);
    row("a tag that only starts like en", {"eo", "enq"}, Language::Russian);
}

void TstLanguage::chosenFromUiLanguages()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(Language, expected);
    QCOMPARE(velmora::ui::chooseLanguage(uiLanguages), expected);
}

void TstLanguage::switchesBothWays()
{
    const auto yes = [] { return QCoreApplication::translate("velmora::ui::MessageBox", "Да"); };
    QVERIFY(velmora::ui::installLanguage(*qApp, Language::English, QString()));
    QCOMPARE(velmora::ui::currentLanguage(), Language::English);
    QCOMPARE(yes(), QStringLiteral("Yes"));
    QCOMPARE(QLocale().language(), QLocale::English); // the file dialogs' sizes and dates
    velmora::ui::installLanguage(*qApp, Language::Russian, QString());
    QCOMPARE(velmora::ui::currentLanguage(), Language::Russian);
    QCOMPARE(yes(), QStringLiteral("Да"));
    QCOMPARE(QLocale().language(), QLocale::Russian);
}

QTEST_MAIN(TstLanguage)
#include "tst_language.moc"
