// The main window from the keyboard alone (page keys, the tab headers, F10 and the bar's
// commands, Tab in the config box), the option tool tips, where the start-up box stands, and
// Qt's own texts in Russian.

#include "windowfixture.h"

#include "config/optiontip.h"
#include "gamefiles/autoexec.h"
#include "ui/qttranslation.h"
#include "ui/tabcontrol.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QTextDocument>

using velmora::IndexRus;
using velmora::ui::Answer;
using velmora::ui::MessageBox;
using velmora::ui::MessageStyle;
using velmora::ui::TabControl;

namespace {

const QString kShowQuestion = QStringLiteral("Все поля заполнены??");

struct ShownWindow
{
    GameFolders folders;
    std::unique_ptr<IndexRus> window = loadedWindow(folders);
    TabControl *tabs = window->findChild<TabControl *>(QStringLiteral("SSTab1"));

    ShownWindow()
    {
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the window did not become active");
        MessageBox::clearHistory(); // the load's count
    }
    /// Presses a key where the keyboard goes now: an open menu, or the focused control.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QWidget *target = QApplication::activePopupWidget();
        if (!target)
            target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }
    /// Shows the page that holds a control and puts the focus on it.
    void focus(QWidget *control) const
    {
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->widget(i)->isAncestorOf(control))
                tabs->setCurrentIndex(i);
        }
        control->setFocus(Qt::OtherFocusReason);
    }
    QString box() const { return configBox(window.get())->toPlainText(); }
};

QString plainText(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

} // namespace

class TestIndexRusKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { resetSeams(); }
    void cleanup() { resetSeams(); }

    void pageKeysTurnThePagesAndWrap_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("start"); ///< the page shown first; -1: the control's own
        // The config box and the tab control stand beside the pages: from the first and the
        // last page the keys wrap round. One control of each kind stands for the others.
        QTest::newRow("config, first page") << u"config"_qs << 0;
        QTest::newRow("config, last page") << u"config"_qs << 5;
        QTest::newRow("SSTab1, last page") << u"SSTab1"_qs << 5;
        for (const char *name : {"pod", "Check1", "Combo1", "Text5", "Slider2"})
            QTest::newRow(name) << QString::fromLatin1(name) << -1;
    }
    void pageKeysTurnThePagesAndWrap()
    {
        QFETCH(QString, name);
        QFETCH(int, start);
        ShownWindow w;
        QWidget *control = w.window->findChild<QWidget *>(name);
        QVERIFY(control);
        const QString boxBefore = w.box();
        const struct
        {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int step;
        } keys[] = {{Qt::Key_Tab, Qt::ControlModifier, 1},
                    {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, -1},
                    {Qt::Key_PageDown, Qt::ControlModifier, 1},
                    {Qt::Key_PageUp, Qt::ControlModifier, -1}};
        for (const auto &k : keys) {
            if (start >= 0)
                w.tabs->setCurrentIndex(start);
            w.focus(control); // back on the control's page: the focus left the page that went
            QCOMPARE(QApplication::focusWidget(), control);
            const int from = w.tabs->currentIndex();
            w.press(k.key, k.modifiers);
            QCOMPARE(w.tabs->currentIndex(), (from + k.step + 6) % 6);
        }
        QCOMPARE(w.box(), boxBefore); // no key reached the box as text
    }

    void headersAreTheTabStopBeforeThePage()
    {
        ShownWindow w;
        QWidget *first = w.window->findChild<QWidget *>(QStringLiteral("Check36"));
        w.focus(first); // the first control of "Звук"
        w.press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), w.tabs);
        w.press(Qt::Key_Right); // the arrows move between the headers
        QCOMPARE(w.tabs->currentIndex(), 3);
        QCOMPARE(QApplication::focusWidget(), w.tabs);
        w.press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Check1"));
    }

    void tabInTheConfigBoxMovesTheFocusOn()
    {
        ShownWindow w;
        QPlainTextEdit *box = configBox(w.window.get());
        w.focus(box);
        const QString before = w.box();
        w.press(Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != box);
        QCOMPARE(w.box(), before);
        QVERIFY(!w.box().contains(u'\t'));
    }

    void f10OpensTheFirstMenuAndReturnRunsItsEntry()
    {
        ShownWindow w;
        w.focus(configBox(w.window.get()));
        w.press(Qt::Key_F10);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), QStringLiteral("popMenu1"));
        QCOMPARE(menu->activeAction()->objectName(), QStringLiteral("popMenu1Show"));
        MessageBox::setNextAnswers({Answer::Yes});
        w.press(Qt::Key_Return);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history().first().text, kShowQuestion);
        QVERIFY(w.box().contains(QStringLiteral("sensitivity \"15\"")));
    }

    void configFileEntriesOnTheKeyboard_data()
    {
        QTest::addColumn<int>("downs");       ///< from "Показать", where F10 opens the menu
        QTest::addColumn<QString>("name");    ///< typed into the file dialog
        QTest::addColumn<QString>("message"); ///< the start of the box that follows
        QTest::newRow("Открыть...") << 3 << u"mine.cfg"_qs << u"Строк перенесено в настройки: 1"_qs;
        QTest::newRow("Восстановить") << 4 << QString() << u"Прежнего autoexec.cfg нет"_qs;
        QTest::newRow("Сохранить как...") << 5 << u"new"_qs << QString();
        QTest::newRow("Сохранить как... autoexec.cfg")
            << 5 << u"autoexec.cfg"_qs << u"Вы уверены что хотите сохранить конфиг?"_qs;
    }
    void configFileEntriesOnTheKeyboard()
    {
        QFETCH(int, downs);
        QFETCH(QString, name);
        QFETCH(QString, message);
        ShownWindow w;
        const QString cstrike = w.folders.gameFolder() + u"/cstrike/"_qs;
        writeBytes(cstrike + u"mine.cfg"_qs, "sensitivity 3\r\nbind a b\r\n");
        MessageBox::setNextAnswers({Answer::Ok});
        FileDialogAnswerer pick(name);
        w.focus(configBox(w.window.get()));
        w.press(Qt::Key_F10);
        for (int i = 0; i < downs; ++i)
            w.press(Qt::Key_Down);
        w.press(Qt::Key_Return);
        QTRY_COMPARE(pick.folders.size(), name.isEmpty() ? 0 : 1);
        QCOMPARE(MessageBox::history().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY(MessageBox::history().first().text.startsWith(message));
        if (name == u"new") // ".cfg" added, the box written as Save writes it
            QCOMPARE(readBytes(cstrike + u"new.cfg"_qs), velmora::autoexecBytes(w.box()));
    }

    void barCommandsRunOnReturn_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("question");
        const QString reset = QStringLiteral("Выдействительно хотите обнавить путь");
        const QString exit = QStringLiteral("Вы действительно хотите выйти?");
        QTest::newRow("Right") << QList<int>{Qt::Key_Right} << u"new"_qs << reset;
        QTest::newRow("Left Left")
            << QList<int>{Qt::Key_Left, Qt::Key_Left} << u"popMenu2Exit"_qs << exit;
        // Round the whole bar, through both menus, and back.
        QTest::newRow("Right x4 Left x2") << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
                                                        Qt::Key_Right, Qt::Key_Left,  Qt::Key_Left}
                                          << u"popMenu2Exit"_qs << exit;
    }
    void barCommandsRunOnReturn()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QString, entry);
        QFETCH(QString, question);
        ShownWindow w;
        QSignalSpy quits(w.window.get(), &IndexRus::quitRequested);
        w.focus(configBox(w.window.get()));
        const QString before = w.box();
        w.press(Qt::Key_F10);
        for (int key : keys)
            w.press(key);
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(w.window->menuBar()->activeAction()->objectName(), entry);
        w.press(Qt::Key_Down); // held by the bar, not moved into the box
        MessageBox::setNextAnswers({Answer::No});
        w.press(Qt::Key_Return);
        QCOMPARE(MessageBox::history().size(), 1);
        QVERIFY2(MessageBox::history().first().text.startsWith(question),
                 qPrintable(MessageBox::history().first().text));
        QCOMPARE(quits.count(), 0);
        QCOMPARE(w.box(), before);
        QCOMPARE(w.window->menuBar()->activeAction(), nullptr);
    }

    void escapeLeavesTheBarAndAPointerHighlightRunsNothing()
    {
        ShownWindow w;
        QPlainTextEdit *box = configBox(w.window.get());
        w.focus(box);
        w.press(Qt::Key_F10);
        w.press(Qt::Key_Right);
        w.press(Qt::Key_Escape);
        QCOMPARE(w.window->menuBar()->activeAction(), nullptr);
        // The pointer resting on "Выход" highlights it; Return then belongs to the box.
        QMenuBar *bar = w.window->menuBar();
        QAction *exit = w.window->findChild<QAction *>(QStringLiteral("popMenu2Exit"));
        const QPoint over = bar->actionGeometry(exit).center();
        QMouseEvent move(QEvent::MouseMove, over, bar->mapToGlobal(over), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        if (bar->activeAction() != exit)
            QSKIP("this platform does not highlight the bar under the pointer");
        w.focus(box);
        MessageBox::setNextAnswers({Answer::No});
        w.press(Qt::Key_Return);
        QVERIFY(MessageBox::history().isEmpty());
        QVERIFY(w.box().endsWith(u'\n'));
    }

    void toolTipsAreAttachedAndFollowTheValue()
    {
        // What each tip says is checked against the generator in tst_optiontip; here: every
        // control of the window shows its tip, worked out from the values it holds now.
        GameFolders folders;
        const auto window = loadedWindow(folders);
        for (const velmora::OptionInfo &option : velmora::optionInventory()) {
            if (option.number == 0)
                continue;
            const QString name = QString::fromLatin1(option.name);
            QWidget *control = window->findChild<QWidget *>(name);
            QVERIFY2(control, option.name);
            auto tipShown = [&] {
                QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
                QApplication::sendEvent(control, &help);
                return plainText(control->toolTip());
            };
            const QString first = tipShown();
            QCOMPARE(first, velmora::optionTip(option, window->snapshot()));
            if (auto *check = qobject_cast<QCheckBox *>(control))
                check->setChecked(true);
            else if (auto *slider = qobject_cast<QSlider *>(control))
                slider->setValue(slider->maximum());
            else if (auto *field = qobject_cast<QLineEdit *>(control))
                field->setText(QStringLiteral("4"));
            else if (auto *combo = qobject_cast<QComboBox *>(control))
                combo->setCurrentIndex(0);
            const QString changed = tipShown();
            QCOMPARE(changed, velmora::optionTip(option, window->snapshot()));
            // A check box's tip names all its states whatever it stands at; the others move.
            QVERIFY2((changed == first) == (option.kind == velmora::OptionKind::Check),
                     option.name);
        }
    }

    void boxOfAWindowNotYetShownStandsCentred()
    {
        QWidget hidden;
        hidden.setGeometry(0, 0, 120, 80); // where a window stands before it is first placed
        QRect boxGeometry;
        const NextDialog ok([&](QDialog *box) {
            boxGeometry = box->frameGeometry();
            static_cast<QMessageBox *>(box)->buttons().first()->click(); // its one button, OK
        });
        MessageBox::show(&hidden, QStringLiteral("Найдено 3 bind(s) и alias"),
                         MessageStyle::Information);
        QVERIFY(boxGeometry.isValid());
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        const QPoint off = boxGeometry.center() - centre;
        QVERIFY2(
            qAbs(off.x()) < 60 && qAbs(off.y()) < 60,
            qPrintable(QStringLiteral("%1,%2 off the screen's centre").arg(off.x()).arg(off.y())));
    }

    void qtTextsInRussianWhenTheTranslationIsThere()
    {
        QTemporaryDir empty;
        QVERIFY(!velmora::ui::installQtRussian(*qApp, empty.path())); // the program runs on
        QLineEdit field;
        const QString english =
            std::unique_ptr<QMenu>(field.createStandardContextMenu())->actions().first()->text();
        const QString folder = velmora::ui::qtTranslationsFolder();
        if (!QFile::exists(folder + QStringLiteral("/qtbase_ru.qm")))
            QSKIP("qtbase_ru.qm is not installed (qt6-translations-l10n)");
        QVERIFY(velmora::ui::installQtRussian(*qApp, folder));
        std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        const QString russian = menu->actions().first()->text();
        QVERIFY2(russian != english && russian.contains(QRegularExpression(u"[а-яА-Я]"_qs)),
                 qPrintable(russian));
    }

    void crosshairEntryOnTheKeyboard()
    {
        ShownWindow w;
        const QString before = w.box();
        w.focus(configBox(w.window.get()));
        w.press(Qt::Key_F10);
        for (int i = 0; i < 6; ++i) // past "Сохранить как...", over the separator
            w.press(Qt::Key_Down);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->activeAction()->objectName(), u"popMenu1Crosshair"_qs);
        QString opened;
        const auto hand =
            whenCrosshairOpens([&](QDialog *dialog) { opened = dialog->windowTitle(); }, nullptr);
        w.press(Qt::Key_Return);
        QCOMPARE(opened, u"Прицел"_qs);
        QCOMPARE(w.box(), before); // Escape is Cancel
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestIndexRusKeys)
#include "tst_index_rus_keys.moc"
