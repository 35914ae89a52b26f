// Velmora in English: the windows, the boxes and the tool tips hold no Russian text, and the lines
// the game reads are the same in both languages.

#include "boxanswerer.h"
#include "languagescope.h"
#include "windowfixture.h"

#include "config/options.h"
#include "ui/optiontips.h"
#include "ui/tabcontrol.h"
#include "windows/about_rus.h"
#include "windows/dir.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

using velmora::IndexRus;
using velmora::ui::Answer;
using velmora::ui::Language;
using velmora::ui::MessageBox;

namespace {

/// The Russian texts a player could read on `root` and the widgets and actions below it.
QStringList russianTexts(QWidget *root)
{
    QStringList found;
    auto check = [&found](const QObject *owner, const QString &text) {
        if (hasCyrillic(text))
            found << owner->objectName() + QStringLiteral(": ") + text;
    };
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (const QWidget *w : std::as_const(widgets)) {
        for (const char *property : {"text", "title", "windowTitle", "toolTip", "currentText"})
            check(w, w->property(property).toString());
        if (const auto *combo = qobject_cast<const QComboBox *>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                check(w, combo->itemText(i));
        }
    }
    for (const QAction *action : root->findChildren<QAction *>()) {
        check(action, action->text());
        check(action, action->toolTip());
    }
    return found;
}

QAction *menuAction(const QWidget *window, const char *name)
{
    return window->findChild<QAction *>(QLatin1StringView(name));
}

} // namespace

class TestEnglish : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { resetSeams(); }

    void windowsHoldNoRussian()
    {
        const LanguageScope english(Language::English);
        GameFolders folders;
        auto window = loadedWindow(folders);
        window->show();
        window->findChild<QCheckBox *>(QStringLiteral("pod"))->setChecked(true);
        QTRY_VERIFY(!window->findChild<QGroupBox *>(QStringLiteral("Frame11"))->isHidden());
        auto *pages = window->findChild<velmora::ui::TabControl *>();
        QCOMPARE(pages->count(), 6);
        QStringList found = russianTexts(window.get());

        // The tool tips' prose; the console lines inside them are the game's own anyway.
        const auto *tips = window->findChild<velmora::ui::OptionTips *>();
        QVERIFY(tips);
        for (const velmora::OptionInfo &option : velmora::optionInventory()) {
            if (QWidget *control = window->findChild<QWidget *>(QLatin1StringView(option.name))) {
                const QString tip = tips->tipFor(control);
                if (hasCyrillic(tip))
                    found << QLatin1StringView(option.name) + QStringLiteral(" tip: ") + tip;
            }
        }

        velmora::AboutRus about;
        found += russianTexts(&about);
        velmora::Dir chooser(folders.store(), folders.gameFolder());
        found += russianTexts(&chooser);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }

    // Every box of the main window's commands, answered No where it asks.
    void boxesHoldNoRussian()
    {
        const LanguageScope english(Language::English);
        GameFolders folders;
        folders.writeConfig("bind w +forward\r\nbind f \"connect 10.0.0.1\"\r\n");
        writeBytes(folders.gameFolder() + QStringLiteral("/cstrike/mine.cfg"),
                   "rate \"8500\"\r\ncl_updaterate \"30\"\r\ncl_cmdrate \"40\"\r\n");
        MessageBox::setResponder([](const MessageBox::Record &box) {
            return box.style == int(velmora::ui::MessageStyle::Question) ? Answer::No : Answer::Ok;
        });
        IndexRus window(folders.store());
        window.load(); // the count and the planted-binds question
        QCOMPARE(MessageBox::history().size(), 2);

        const struct
        {
            const char *action;
            bool withDetails;
        } commands[] = {{"popMenu1Show", false},  {"popMenu1Save", true},
                        {"popMenu1Clear", false}, {"popMenu2Exit", false},
                        {"new", false},           {"popMenu1Restore", false}};
        for (const auto &command : commands) {
            const qsizetype before = MessageBox::history().size();
            menuAction(&window, command.action)->trigger();
            QCOMPARE(MessageBox::history().size(), before + 1);
            QCOMPARE(!MessageBox::history().constLast().details.isEmpty(), command.withDetails);
        }
        // The restore question, once there is a copy to restore.
        writeBytes(folders.gameFolder() + QStringLiteral("/cstrike/autoexec.cfg.bak"), "x\r\n");
        menuAction(&window, "popMenu1Restore")->trigger();
        {
            FileDialogAnswerer pick(QStringLiteral("mine.cfg"));
            menuAction(&window, "popMenu1Open")->trigger();
        }
        QCOMPARE(MessageBox::history().size(), 10);
        // The connection type the file names shows in English; the config keeps its own name.
        QCOMPARE(window.findChild<QComboBox *>(QStringLiteral("Combo1"))->currentText(),
                 QStringLiteral("Cable connection"));
        QCOMPARE(window.snapshot().combo1, QStringLiteral("Кабельное соединение"));

        for (const MessageBox::Record &box : MessageBox::history()) {
            QVERIFY2(!hasCyrillic(box.text + box.title + box.details), qPrintable(box.text));
        }
    }

    // The same controls, set in either language, give Show the same lines.
    void showWritesTheSameLines_data()
    {
        QTest::addColumn<QString>("russian");
        QTest::addColumn<QString>("english");
        QTest::newRow("preset") << QStringLiteral("Кабельное соединение")
                                << QStringLiteral("Cable connection");
        QTest::newRow("modem") << QStringLiteral("Модем 56000 бот")
                               << QStringLiteral("Modem 56000 bps");
        QTest::newRow("typed") << QStringLiteral("my own line") << QStringLiteral("my own line");
    }
    void showWritesTheSameLines()
    {
        QFETCH(QString, russian);
        QFETCH(QString, english);
        auto show = [](Language language, const QString &connection) {
            const LanguageScope speaking(language);
            GameFolders folders;
            folders.writeConfig("bind w +forward\r\n");
            auto window = loadedWindow(folders);
            window->findChild<QComboBox *>(QStringLiteral("Combo1"))->setEditText(connection);
            window->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("40"));
            window->findChild<QLineEdit *>(QStringLiteral("Text2"))->setText(QStringLiteral("60"));
            for (const char *box : {"Check4", "Check22", "Check39", "pod"})
                window->findChild<QCheckBox *>(QLatin1StringView(box))->setChecked(true);
            MessageBox::setNextAnswers({Answer::Yes});
            menuAction(window.get(), "popMenu1Show")->trigger();
            return window->configText();
        };
        const QString inRussian = show(Language::Russian, russian);
        const QString inEnglish = show(Language::English, english);
        QVERIFY(inRussian.contains(QStringLiteral("cl_latency ")));
        QCOMPARE(inEnglish, inRussian);
    }
};

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
