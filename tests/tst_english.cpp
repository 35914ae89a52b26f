// Velmora in English: no Russian left in the windows, tool tips and boxes, and the lines the game
// reads the same in both languages.

#include "boxanswerer.h"
#include "languagescope.h"
#include "windowfixture.h"

#include "config/linetable.h"
#include "ui/optiontips.h"
#include "windows/about_rus.h"
#include "windows/dir.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>

using velmora::ui::Answer;
using velmora::ui::Language;
using velmora::ui::MessageBox;

namespace {

QStringList russianIn(const QStringList &texts)
{
    return texts.filter(QRegularExpression(QStringLiteral("[\\x{0400}-\\x{04FF}]")));
}

/// What a player reads on `root` and below it: captions, titles, tool tips, list items, actions.
QStringList textsOf(QWidget *root)
{
    QStringList texts;
    QList<QWidget *> widgets = root->findChildren<QWidget *>() << root;
    for (const QWidget *w : std::as_const(widgets)) {
        for (const char *property : {"text", "title", "windowTitle", "toolTip", "currentText"})
            texts << w->property(property).toString();
        if (const auto *combo = qobject_cast<const QComboBox *>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        }
    }
    for (const QAction *action : root->findChildren<QAction *>())
        texts << action->text() << action->toolTip();
    return texts;
}

void trigger(const QWidget *window, const char *action)
{
    window->findChild<QAction *>(QLatin1StringView(action))->trigger();
}

} // namespace

class TestEnglish : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { resetSeams(); }

    // The windows (every page, the bot extras shown), the option tips, and the boxes of the
    // load (count, planted binds) and of every command, questions answered No.
    void nothingRussianInEnglish()
    {
        const LanguageScope english(Language::English);
        GameFolders folders;
        folders.writeConfig("bind f \"connect 10.0.0.1\"\r\n");
        const QString cstrike = folders.gameFolder() + QStringLiteral("/cstrike/");
        writeBytes(cstrike + QStringLiteral("mine.cfg"), "rate \"8500\"\r\ncl_updaterate \"30\"\r\n"
                                                         "cl_cmdrate \"40\"\r\n");
        // Every question answered No: the load's count and its question about the connect line,
        // Show, Save, Clear, Exit and the reset, Restore's error, its question once a backup is
        // there, and Open's count.
        MessageBox::setNextAnswers({Answer::Ok, Answer::No, Answer::No, Answer::No, Answer::No,
                                    Answer::No, Answer::No, Answer::Ok, Answer::No, Answer::Ok});
        velmora::IndexRus window(folders.store());
        window.load();
        window.show();
        window.findChild<QCheckBox *>(QStringLiteral("pod"))->setChecked(true);
        QTRY_VERIFY(!window.findChild<QWidget *>(QStringLiteral("Frame11"))->isHidden());
        velmora::AboutRus about;
        velmora::Dir chooser(folders.store(), folders.gameFolder());
        QStringList texts = textsOf(&window) + textsOf(&about) + textsOf(&chooser);
        const auto *tips = window.findChild<velmora::ui::OptionTips *>();
        for (const velmora::OptionInfo &option : velmora::optionInventory())
            texts << tips->tipFor(window.findChild<QWidget *>(QLatin1StringView(option.name)));

        for (const char *action : {"popMenu1Show", "popMenu1Save", "popMenu1Clear", "popMenu2Exit",
                                   "new", "popMenu1Restore"})
            trigger(&window, action);
        writeBytes(cstrike + QStringLiteral("autoexec.cfg.bak"), "x\r\n");
        trigger(&window, "popMenu1Restore"); // now a question
        {
            FileDialogAnswerer pick(QStringLiteral("mine.cfg"));
            trigger(&window, "popMenu1Open");
        }
        QCOMPARE(MessageBox::history().size(), 10);
        QVERIFY(!MessageBox::history()[3].details.isEmpty()); // Save's
        for (const MessageBox::Record &box : MessageBox::history())
            texts << box.text << box.title << box.details;
        QVERIFY2(russianIn(texts).isEmpty(), qPrintable(russianIn(texts).join(u'\n')));
        // The file's connection type shows in English; the options keep its own name.
        QCOMPARE(window.findChild<QComboBox *>(QStringLiteral("Combo1"))->currentText(),
                 QStringLiteral("Cable connection"));
        QCOMPARE(window.snapshot().combo1, QStringLiteral("Кабельное соединение"));
    }

    // The same controls, set in either language, give Show the same lines; the command line
    // takes the English names too.
    void showWritesTheSameLines_data()
    {
        QTest::addColumn<QString>("russian");
        QTest::addColumn<QString>("english");
        for (const velmora::ConnectionPreset &preset : velmora::connectionPresets())
            QTest::newRow(preset.englishName)
                << QString::fromUtf8(preset.comboText) << QString::fromLatin1(preset.englishName);
        QTest::newRow("typed") << QStringLiteral("my own") << QStringLiteral("my own");
    }
    void showWritesTheSameLines()
    {
        QFETCH(QString, russian);
        QFETCH(QString, english);
        QCOMPARE(velmora::canonicalConnectionName(english), russian);
        auto show = [](Language language, const QString &connection) {
            const LanguageScope speaking(language);
            GameFolders folders;
            auto window = loadedWindow(folders);
            window->findChild<QComboBox *>(QStringLiteral("Combo1"))->setEditText(connection);
            window->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("40"));
            for (const char *box : {"Check4", "Check22", "Check39", "pod"})
                window->findChild<QCheckBox *>(QLatin1StringView(box))->setChecked(true);
            MessageBox::setNextAnswers({Answer::Yes});
            trigger(window.get(), "popMenu1Show");
            return window->configText();
        };
        const QString inRussian = show(Language::Russian, russian);
        QVERIFY(inRussian.contains(QStringLiteral("cl_latency ")));
        QCOMPARE(show(Language::English, english), inRussian);
    }
};

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
