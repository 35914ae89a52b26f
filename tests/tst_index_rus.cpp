// The main window as the user finds it: its controls, their places and defaults, the bot extras
// that follow `pod`, the numeric fields' keys, and what the load puts into the config box.

#include "languagescope.h"
#include "windowfixture.h"

#include "config/linetable.h"
#include "config/options.h"
#include "gamefiles/bindimport.h"
#include "ui/slider.h"
#include "ui/tabcontrol.h"
#include "ui/wrapcheckbox.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>

using velmora::IndexRus;
using velmora::ui::MessageBox;
using velmora::ui::MessageStyle;
using velmora::ui::TabControl;

namespace {

int twips(const QWidget *w, int value)
{
    return qRound(value * w->logicalDpiY() / 1440.0);
}

} // namespace

class TestIndexRus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { resetSeams(); }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("frame");

        auto row = [](const char *name, const char *kind, const char *caption, int tab,
                      const char *frame) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(kind)
                                << QString::fromUtf8(caption) << tab << QString::fromLatin1(frame);
        };
        const char *C = "QCheckBox";
        const char *L = "QLabel";
        const char *T = "QLineEdit";
        const char *S = "QSlider";
        const char *F = "QGroupBox";
        // Tab 0 "Игра по сети"
        row("Frame9", F, "", 0, "Frame9");
        row("Frame1", F, "Соединение", 0, "Frame9");
        row("Label1", L, "Тип соединения:", 0, "Frame1");
        row("Combo1", "QComboBox", "", 0, "Frame1");
        row("Label6", L, "*", 0, "Frame1");
        row("Label2", L, "Пинг от", 0, "Frame1");
        row("Text1", T, "", 0, "Frame1");
        row("Label7", L, "*", 0, "Frame1");
        row("Label3", L, "до", 0, "Frame1");
        row("Text2", T, "", 0, "Frame1");
        row("Label8", L, "*", 0, "Frame1");
        row("Frame5", F, "Загрузка", 0, "Frame9");
        row("Check14", C, "Разрешить загрузку с сервера ", 0, "Frame5");
        row("Check15", C, "Разрешить загрузку с клиента", 0, "Frame5");
        row("Check16", C, "Загрузка файлов во время игры", 0, "Frame5");
        // Tab 1 "Графика"
        row("Frame6", F, "", 1, "Frame6");
        row("Check2", C, "Кровь, следы от пуль и т.д", 1, "Frame6");
        row("Check3", C, "Показ оружия на экране", 1, "Frame6");
        row("Check5", C, "Показ гильз", 1, "Frame6");
        row("Check37", C, "Показывать оружие в правой руке", 1, "Frame6");
        row("Check13", C, "Дым из ствола (как в фильмах)", 1, "Frame6");
        row("Check33", C, "Режим высокого качества отбражения моделей игроков ", 1, "Frame6");
        row("Check29", C, "Показывать радар", 1, "Frame6");
        row("Check42", C, "Показывать хунды", 1, "Frame6");
        row("Check41", C, "Темнее изображение (типо сумерки)", 1, "Frame6");
        row("Label21", L, "Максимальное FPS", 1, "Frame6");
        row("Slider2", S, "", 1, "Frame6");
        // Tab 2 "Звук"
        row("Frame8", F, "", 2, "Frame8");
        row("Frame3", F, "Голосовая коммуникация", 2, "Frame8");
        row("Check36", C, "Использовать голосовую комуникацию", 2, "Frame3");
        row("Check23", C, "Что вы говорите будет слышно вам также как и другим", 2, "Frame3");
        row("Check24", C, "Ослаблять все звуки в момент разговора", 2, "Frame3");
        row("Check26", C, "Удалить затухание голоса", 2, "Frame3");
        row("Check25", C, "Удаление шума", 2, "Frame3");
        row("Check27", C, "Сглаживание голоса", 2, "Frame3");
        row("Label20", L, "Чуствительность голоса", 2, "Frame3");
        row("Slider1", S, "", 2, "Frame3");
        row("Frame4", F, "Настройка звука в игре", 2, "Frame8");
        row("Check32", C, "Включить звук", 2, "Frame4");
        row("Label24", L, "Громкость звука", 2, "Frame4");
        row("Text11", T, "", 2, "Frame4");
        row("Label25", L, "(от 0,1 до 100 )", 2, "Frame4");
        row("Check9", C, "Звук  A3D", 2, "Frame4");
        row("Check10", C, "Звук  EAX", 2, "Frame4");
        row("Check21", C, "Звук шагов", 2, "Frame4");
        row("Check31", C, "Включить высококачественный звук", 2, "Frame4");
        // Tab 3 "Разное"
        row("Frame2", F, "", 3, "Frame2");
        row("Check1", C, "Поддержка MMX", 3, "Frame2");
        row("Check7", C, "Поддержка джойстика", 3, "Frame2");
        row("Check8", C, "Плавное перемищение курсора", 3, "Frame2");
        row("Check30", C, "Показывать имя игрока в центре", 3, "Frame2");
        row("Check38", C, "Меню без рисунков и указателя мыши (текстовое)", 3, "Frame2");
        row("Check17", C, "Оптимизация скорости", 3, "Frame2");
        row("Check18", C, "Оптимизация оружия", 3, "Frame2");
        row("Check43", C, "Обзор мышкой", 3, "Frame2");
        row("Check22", C, "Хочу в вести свою контактную информацию (E-amil, Web или Тел.) :", 3,
            "Frame2");
        row("Text4", T, "", 3, "Frame2");
        row("Label12", L, "Ваш ник:", 3, "Frame2");
        row("Text5", T, "", 3, "Frame2");
        row("Label11", L, "*", 3, "Frame2");
        row("Label4", L, "Время в течении которого длится раунд", 3, "Frame2");
        row("Text7", T, "", 3, "Frame2");
        row("Label13", L, "*", 3, "Frame2");
        row("Label10", L, "МИН (от 1 до 9)", 3, "Frame2");
        row("Label14", L, "Время в начале игры отведённое для покупки оружия:", 3, "Frame2");
        row("Text8", T, "", 3, "Frame2");
        row("Label16", L, "*", 3, "Frame2");
        row("Label15", L, "СЕК", 3, "Frame2");
        row("Label17", L, "Время в течении которого трупы остаются на земле:", 3, "Frame2");
        row("Text9", T, "", 3, "Frame2");
        row("Label18", L, "*", 3, "Frame2");
        row("Label19", L, "СЕК", 3, "Frame2");
        row("Check28", C, "Автомотически болансировать команды", 3, "Frame2");
        // Tab 4 "Полезности"
        row("Frame7", F, "", 4, "Frame7");
        row("Check12", C, "Быстрое переключение оружия", 4, "Frame7");
        row("Check11", C, "Включить NetGraph", 4, "Frame7");
        row("Check34", C, "Деньги в начале игры:", 4, "Frame7");
        row("Text6", T, "", 4, "Frame7");
        row("Check39", C, "Я использую консоль и скорость выпадения равно:", 4, "Frame7");
        row("Text3", T, "", 4, "Frame7");
        row("Label9", L, "*", 4, "Frame7");
        row("Check35", C, "Можно стрелять в членов команды", 4, "Frame7");
        row("Check4", C, "Включить режим читов", 4, "Frame7");
        row("Check40", C, "Показать прицел", 4, "Frame7");
        row("Label22", L, "Позиция NetGraph", 4, "Frame7");
        row("Text10", T, "", 4, "Frame7");
        row("Label23", L, "( 0 - лево; 1 - право; 2 - середина ) ", 4, "Frame7");
        row("Label26", L, "Скорость движения вперёд", 4, "Frame7");
        row("Slider3", S, "", 4, "Frame7");
        row("Label27", L, "Скорость движения назад", 4, "Frame7");
        row("Slider4", S, "", 4, "Frame7");
        row("Label28", L, "Скорость движения мыши", 4, "Frame7");
        row("Slider5", S, "", 4, "Frame7");
        // Tab 5 "POD-BOT 2.5"
        row("Frame10", F, "", 5, "Frame10");
        row("pod", C, "Я играю с POD BOT 2.5", 5, "Frame10");
        row("Frame11", F, "Приколы", 5, "Frame10");
        row("Check6", C, "Вокруг ботов светится ореал света", 5, "Frame11");
        row("Check19", C, "Боты празднуют Новый год", 5, "Frame11");
        row("Check20", C, "Контры светятся синем, а тероры красным", 5, "Frame11");
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(int, tab);
        QFETCH(QString, frame);

        IndexRus window(GameFolders().store());
        auto *tabs = window.findChild<TabControl *>(QStringLiteral("SSTab1"));
        QVERIFY(tabs);
        QWidget *control = window.findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        QVERIFY(control->inherits(kind.toLatin1().constData()));
        QCOMPARE(window.findChildren<QWidget *>(name).size(), 1);
        if (auto *box = qobject_cast<QCheckBox *>(control))
            QCOMPARE(box->text(), caption);
        if (auto *label = qobject_cast<QLabel *>(control))
            QCOMPARE(label->text(), caption);
        if (auto *group = qobject_cast<QGroupBox *>(control))
            QCOMPARE(group->title(), caption);

        // On its tab's page, inside its frame.
        QWidget *page = tabs->widget(tab);
        QVERIFY(page == control || page->isAncestorOf(control));
        auto *owner = window.findChild<QWidget *>(frame);
        QVERIFY(owner == control || control->parentWidget() == owner);
        // Every control lies within its parent.
        QVERIFY2(control->parentWidget()->rect().contains(control->geometry()), qPrintable(name));
    }

    void tabsAndTheirPages()
    {
        IndexRus window(GameFolders().store());
        auto *tabs = window.findChild<TabControl *>(QStringLiteral("SSTab1"));
        const QStringList captions{QStringLiteral("Игра по сети"), QStringLiteral("Графика"),
                                   QStringLiteral("Звук"),         QStringLiteral("Разное"),
                                   QStringLiteral("Полезности"),   QStringLiteral("POD-BOT 2.5")};
        const QStringList pages{QStringLiteral("Frame9"), QStringLiteral("Frame6"),
                                QStringLiteral("Frame8"), QStringLiteral("Frame2"),
                                QStringLiteral("Frame7"), QStringLiteral("Frame10")};
        QCOMPARE(tabs->count(), 6);
        QCOMPARE(tabs->rowCount(), 2);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(tabs->tabText(i), captions[i]);
            QCOMPARE(tabs->widget(i)->objectName(), pages[i]);
            QCOMPARE(tabs->header(i)->geometry().top(), (i / 3) * tabs->rowHeight());
            // Page frames: Left 120, Top 720 inside the tab control, 5055 twips high.
            QCOMPARE(tabs->widget(i)->pos(), QPoint(twips(&window, 120), twips(&window, 720)));
            QCOMPARE(tabs->widget(i)->height(), twips(&window, 720 + 5055) - twips(&window, 720));
        }
        // The window opens on "Звук", not on the first tab.
        QCOMPARE(tabs->currentIndex(), 2);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.findChild<QWidget *>(QStringLiteral("Check36"))->isVisible());
        QVERIFY(!window.findChild<QWidget *>(QStringLiteral("Check14"))->isVisible());
    }

    void tabKeyFollowsTheReadingOrder_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("order");
        auto row = [](int tab, const char *names) {
            QTest::addRow("tab %d", tab)
                << tab << QString::fromLatin1(names).split(QLatin1Char(' '));
        };
        row(0, "Combo1 Text1 Text2 Check14 Check15 Check16");
        row(1, "Check2 Check3 Check5 Check37 Check13 Check33 Check29 Check42 Check41 Slider2");
        row(2, "Check36 Check23 Check24 Check26 Check25 Check27 Slider1 Check32 Text11 Check9 "
               "Check10 Check21 Check31");
        row(3, "Check1 Check7 Check8 Check30 Check38 Check17 Check18 Check43 Check22 Text4 Text5 "
               "Text7 Text8 Text9 Check28");
        row(4, "Check12 Check11 Check34 Text6 Check39 Text3 Check35 Check4 Check40 Text10 "
               "Slider3 Slider4 Slider5");
        row(5, "pod Check6 Check19 Check20");
    }
    void tabKeyFollowsTheReadingOrder()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, order);
        IndexRus window(GameFolders().store());
        QWidget *page = window.findChild<TabControl *>(QStringLiteral("SSTab1"))->widget(tab);
        QStringList chain;
        QWidget *w = &window;
        do {
            w = w->nextInFocusChain();
            if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) &&
                !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
                chain << w->objectName();
        } while (w != &window);
        QCOMPARE(chain, order);
    }

    void defaultsAfterLoad_data()
    {
        QTest::addColumn<QString>("name");
        for (const velmora::OptionInfo &option : velmora::optionInventory())
            QTest::newRow(option.name) << QString::fromLatin1(option.name);
    }
    void defaultsAfterLoad()
    {
        QFETCH(QString, name);
        GameFolders folders;
        folders.writeConfig("bind \"w\" \"+forward\"\r\n");
        const auto window = loadedWindow(folders);
        const velmora::OptionInfo *option = velmora::findOption(name);
        QVERIFY(option);
        QWidget *control = window->findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        switch (option->kind) {
        case velmora::OptionKind::Combo: {
            auto *combo = qobject_cast<QComboBox *>(control);
            QVERIFY(combo && combo->isEditable());
            QCOMPARE(combo->currentText(), QString());
            QCOMPARE(combo->currentIndex(), -1);
            const auto items = velmora::connectionTypeItems();
            QCOMPARE(combo->count(), qsizetype(items.size()));
            for (int i = 0; i < combo->count(); ++i)
                QCOMPARE(combo->itemText(i), QString::fromUtf8(items[size_t(i)]));
            break;
        }
        case velmora::OptionKind::Text:
            QCOMPARE(qobject_cast<QLineEdit *>(control)->text(),
                     QString::fromUtf8(option->defaultText));
            break;
        case velmora::OptionKind::Slider: {
            auto *slider = qobject_cast<QSlider *>(control);
            QCOMPARE(slider->minimum(), option->range.min);
            QCOMPARE(slider->maximum(), option->range.max);
            QCOMPARE(slider->value(), option->defaultValue);
            QCOMPARE(slider->minimum(), 1); // no slider can be set to 0
            break;
        }
        case velmora::OptionKind::Check:
            QCOMPARE(qobject_cast<QCheckBox *>(control)->checkState(), Qt::Unchecked);
            QVERIFY(!qobject_cast<QCheckBox *>(control)->isTristate());
            break;
        }
    }

    void theSnapshotAtStartIsTheStartUpState()
    {
        GameFolders folders;
        folders.writeConfig({});
        const auto window = loadedWindow(folders);
        QCOMPARE(window->snapshot(), velmora::OptionSnapshot());
    }

    void snapshotCopiesEveryControl()
    {
        IndexRus window(GameFolders().store());
        velmora::OptionSnapshot expected;
        auto *combo = window.findChild<QComboBox *>(QStringLiteral("Combo1"));
        combo->setEditText(QStringLiteral("lan (10Mbps или 100 Mbps)")); // typed, not in the list
        expected.combo1 = QStringLiteral("lan (10Mbps или 100 Mbps)");
        for (int n = 1; n <= velmora::kTextCount; ++n) {
            auto *edit = window.findChild<QLineEdit *>(QStringLiteral("Text%1").arg(n));
            edit->setMaxLength(32767);
            edit->setText(QStringLiteral("t%1\"x").arg(n));
            expected.text(n) = edit->text();
        }
        for (int n = 1; n <= velmora::kSliderCount; ++n) {
            auto *slider = window.findChild<QSlider *>(QStringLiteral("Slider%1").arg(n));
            slider->setValue(slider->minimum() + n);
            expected.slider(n) = slider->minimum() + n;
        }
        const Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
        for (int n = 1; n <= velmora::kCheckCount; ++n) {
            auto *box = window.findChild<QCheckBox *>(QStringLiteral("Check%1").arg(n));
            box->setCheckState(states[n % 3]);
            expected.check(n) = velmora::CheckValue(n % 3); // 0 unchecked, 1 checked, 2 grayed
        }
        window.findChild<QCheckBox *>(QStringLiteral("pod"))->setCheckState(Qt::PartiallyChecked);
        expected.check(velmora::kPodBox) = velmora::CheckValue::Grayed;
        QCOMPARE(window.snapshot(), expected);
    }

    void comboTakesTypedTextAsTyped()
    {
        IndexRus window(GameFolders().store());
        auto *combo = window.findChild<QComboBox *>(QStringLiteral("Combo1"));
        window.show();
        combo->setFocus();
        QTest::keyClicks(combo, QStringLiteral("lan"));
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(combo->currentText(), QStringLiteral("lan"));
        QCOMPARE(window.snapshot().combo1, QStringLiteral("lan"));
        QCOMPARE(combo->count(), 8); // nothing typed joins the list
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("red");
        for (const char *n : {"Check1", "Check22", "Check39", "Text1", "Text4", "Combo1", "config",
                              "Label1", "Label23", "Label28", "Slider1Value"})
            QTest::newRow(n) << QString::fromLatin1(n) << 9.75 << false;
        for (const char *n : {"Label5", "Label6", "Label7", "Label8", "Label9", "Label11",
                              "Label13", "Label16", "Label18"})
            QTest::newRow(n) << QString::fromLatin1(n) << 14.25 << true;
        // The window's own font.
        for (const char *n : {"Label10", "Label15", "Label19", "pod", "Frame1", "Frame11"})
            QTest::newRow(n) << QString::fromLatin1(n) << 8.25 << false;
    }
    void fonts()
    {
        QFETCH(QString, name);
        QFETCH(qreal, points);
        QFETCH(bool, red);
        IndexRus window(GameFolders().store());
        QWidget *w = window.findChild<QWidget *>(name);
        QVERIFY2(w, qPrintable(name));
        QCOMPARE(w->font().family(), QStringLiteral("Arial"));
        QCOMPARE(w->font().pointSizeF(), points);
        // What the combo box shows is drawn by its own field and list.
        if (auto *combo = qobject_cast<QComboBox *>(w)) {
            QCOMPARE(combo->lineEdit()->font().family(), QStringLiteral("Arial"));
            QCOMPARE(combo->lineEdit()->font().pointSizeF(), points);
            QCOMPARE(combo->view()->font().family(), QStringLiteral("Arial"));
        }
        QCOMPARE(w->palette().color(QPalette::WindowText) == QColor(255, 0, 0), red);
    }

    void windowGeometry()
    {
        IndexRus window(GameFolders().store());
        QCOMPARE(window.objectName(), QStringLiteral("index_rus"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora"));
        QVERIFY(!window.windowIcon().isNull());
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QWidget *client = window.centralWidget();
        QCOMPARE(client->size(), QSize(twips(&window, 11235), twips(&window, 6540)));
        QCOMPARE(window.minimumSize(), window.maximumSize()); // fixed size
        QCOMPARE(window.height(), client->height() + window.menuBar()->height());

        auto rect = [&](int l, int t, int w, int h) {
            return QRect(QPoint(twips(&window, l), twips(&window, t)),
                         QPoint(twips(&window, l + w) - 1, twips(&window, t + h) - 1));
        };
        QCOMPARE(window.findChild<QWidget *>(QStringLiteral("SSTab1"))->geometry(),
                 rect(120, 0, 7455, 5895));
        QCOMPARE(window.findChild<QWidget *>(QStringLiteral("config"))->geometry(),
                 rect(7680, 0, 3375, 5895));
        QCOMPARE(window.findChild<QWidget *>(QStringLiteral("Label5"))->pos(),
                 rect(2280, 6000, 6855, 375).topLeft());
        QCOMPARE(window.findChild<QWidget *>(QStringLiteral("Frame1"))->geometry(),
                 rect(120, 240, 6735, 1455));
        QCOMPARE(window.findChild<QWidget *>(QStringLiteral("Frame11"))->geometry(),
                 rect(120, 600, 6855, 1215));
        QCOMPARE(window.findChild<QWidget *>(QStringLiteral("Slider2"))->y(), twips(&window, 2400));
        QCOMPARE(window.findChild<QWidget *>(QStringLiteral("Text4"))->y(), twips(&window, 2520));

        // Centred on the screen when first shown.
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY(qAbs(window.frameGeometry().center().x() - screen.center().x()) <= 1);
    }

    void nothingOverlapsAndNoCaptionIsCut_data()
    {
        QTest::addColumn<QString>("container");
        QTest::addColumn<velmora::ui::Language>("language");
        for (const char *n : {"client", "Frame9", "Frame1", "Frame5", "Frame6", "Frame8", "Frame3",
                              "Frame4", "Frame2", "Frame7", "Frame10", "Frame11"})
            for (velmora::ui::Language language : kBothLanguages)
                QTest::addRow("%s %d", n, int(language)) << QString::fromLatin1(n) << language;
    }
    void nothingOverlapsAndNoCaptionIsCut()
    {
        QFETCH(QString, container);
        QFETCH(velmora::ui::Language, language);
        const LanguageScope speaking(language);
        IndexRus window(GameFolders().store());
        window.show();
        QWidget *parent = window.findChild<QWidget *>(container);
        QVERIFY(parent);
        QList<QWidget *> children;
        for (QObject *o : parent->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (w && !w->isWindow())
                children.append(w);
        }
        QVERIFY(!children.isEmpty());
        for (QWidget *w : children) {
            QVERIFY2(parent->rect().contains(w->geometry()), qPrintable(w->objectName()));
            // A caption needs its whole width, and a wrapped one its whole height.
            if (auto *wrap = qobject_cast<velmora::ui::WrapCheckBox *>(w)) {
                QVERIFY2(wrap->heightForWidth(wrap->width()) <= wrap->height(),
                         qPrintable(w->objectName()));
            } else if (qobject_cast<QLabel *>(w) || qobject_cast<QCheckBox *>(w)) {
                QVERIFY2(w->sizeHint().width() <= w->width(), qPrintable(w->objectName()));
            }
            for (QWidget *other : children) {
                if (other == w)
                    continue;
                QVERIFY2(!w->geometry().intersects(other->geometry()),
                         qPrintable(w->objectName() + QStringLiteral(" overlaps ") +
                                    other->objectName()));
            }
        }
    }

    void menuBar()
    {
        IndexRus window(GameFolders().store());
        const QList<QAction *> bar = window.menuBar()->actions();
        QCOMPARE(bar.size(), 4);
        QCOMPARE(bar[0]->text(), QStringLiteral("Конфиг"));
        QCOMPARE(bar[0]->menu()->objectName(), QStringLiteral("popMenu1"));
        QCOMPARE(bar[1]->objectName(), QStringLiteral("new"));
        QCOMPARE(bar[1]->text(), QStringLiteral("Обновить путь к папке с Half-Life"));
        QVERIFY(!bar[1]->menu());
        QCOMPARE(bar[2]->objectName(), QStringLiteral("popMenu2Exit"));
        QCOMPARE(bar[2]->text(), QStringLiteral("Выход"));
        QVERIFY(!bar[2]->menu());
        QCOMPARE(bar[3]->text(), QStringLiteral("?"));
        QCOMPARE(bar[3]->menu()->objectName(), QStringLiteral("popMenu3"));

        auto names = [](const QMenu *menu) {
            QStringList out;
            for (const QAction *a : menu->actions())
                out << a->objectName() + QLatin1Char('=') + a->text();
            return out;
        };
        QCOMPARE(names(bar[0]->menu()),
                 (QStringList{QStringLiteral("popMenu1Show=Показать"),
                              QStringLiteral("popMenu1Save=Сохранить"),
                              QStringLiteral("popMenu1Clear=Очистить"), QStringLiteral("="),
                              QStringLiteral("popMenu1Open=Открыть..."),
                              QStringLiteral("popMenu1Restore=Восстановить прежний autoexec.cfg"),
                              QStringLiteral("popMenu1SaveAs=Сохранить как..."),
                              QStringLiteral("="), QStringLiteral("popMenu1Crosshair=Прицел...")}));
        QCOMPARE(names(bar[3]->menu()),
                 (QStringList{QStringLiteral("popMenu3Program=О программе"),
                              QStringLiteral("popMenu3Tex=Тех. поддержка")}));
        for (QAction *a : window.findChildren<QAction *>()) {
            if (a->objectName().isEmpty())
                continue;
            QVERIFY(a->isEnabled() && a->isVisible());
            QVERIFY(a->shortcut().isEmpty());
            QVERIFY(!a->isCheckable());
        }
    }

    void configBoxKind()
    {
        IndexRus window(GameFolders().store());
        QPlainTextEdit *config = configBox(&window);
        QCOMPARE(config->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(config->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(config->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(!config->isReadOnly());
        QCOMPARE(config->maximumBlockCount(), 0);
        QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("Text3"))->maxLength(), 32767);
    }

    void podShowsTheBotExtrasWithinOneTick()
    {
        IndexRus window(GameFolders().store());
        auto *timer = window.findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 100);
        auto *pod = window.findChild<QCheckBox *>(QStringLiteral("pod"));
        auto *extras = window.findChild<QGroupBox *>(QStringLiteral("Frame11"));
        auto *newYear = window.findChild<QCheckBox *>(QStringLiteral("Check19"));
        window.show();
        // Another tab is showing: the rule runs all the same.
        QVERIFY(extras->isHidden());

        QTest::mouseClick(pod, Qt::LeftButton, {}, QPoint(5, pod->height() / 2));
        QCOMPARE(pod->checkState(), Qt::Checked);
        QTRY_VERIFY_WITH_TIMEOUT(!extras->isHidden(), 5000);
        newYear->setChecked(true);

        pod->setCheckState(Qt::PartiallyChecked); // grayed counts as not checked
        QTRY_VERIFY_WITH_TIMEOUT(extras->isHidden(), 5000);
        QVERIFY(newYear->isChecked()); // hidden boxes keep their values
        QCOMPARE(window.snapshot().check(19), velmora::CheckValue::Checked);

        pod->setCheckState(Qt::Checked);
        QTRY_VERIFY_WITH_TIMEOUT(!extras->isHidden(), 5000);
        QVERIFY(newYear->isChecked());
        pod->setCheckState(Qt::Unchecked);
        QTRY_VERIFY_WITH_TIMEOUT(extras->isHidden(), 5000);
    }

    void numericFieldsTakeOnlyDigits_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *n : {"Text1", "Text2", "Text3", "Text6", "Text7", "Text8", "Text9"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }
    void numericFieldsTakeOnlyDigits()
    {
        QFETCH(QString, name);
        GameFolders folders;
        folders.writeConfig({});
        const auto window = loadedWindow(folders);
        window->show();
        auto *edit = window->findChild<QLineEdit *>(name);
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("1a"));
        QCOMPARE(edit->text(), QStringLiteral("1"));
        QCOMPARE(velmora::ui::Tone::count(), 1);
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QStringLiteral("ю"),
                            Qt::NoModifier);
        QCOMPARE(velmora::ui::Tone::count(), 2);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(velmora::ui::Tone::count(), 4);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(velmora::ui::Tone::count(), 4);
    }

    // The volume and the NetGraph position take what the game reads as a number there; a paste
    // loses its letters before the field's length cuts it.
    void numberFieldsTakeNumbers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("put");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("tones");
        QTest::newRow("volume with a comma") << u"Text11"_qs << u"0,5"_qs << u"0,5"_qs << 0;
        QTest::newRow("volume, a second point") << u"Text11"_qs << u"1.."_qs << u"1."_qs << 1;
        QTest::newRow("volume, letters") << u"Text11"_qs << u"a;b"_qs << QString() << 1;
        QTest::newRow("NetGraph position") << u"Text10"_qs << u"x2"_qs << u"2"_qs << 1;
        QTest::newRow("start money, letters inside")
            << u"Text6"_qs << u"12abc34"_qs << u"1234"_qs << 1;
    }
    void numberFieldsTakeNumbers()
    {
        QFETCH(QString, name);
        QFETCH(QString, put);
        QFETCH(QString, kept);
        QFETCH(int, tones);
        GameFolders folders;
        folders.writeConfig({});
        const auto window = loadedWindow(folders);
        auto *edit = window->findChild<QLineEdit *>(name);
        edit->clear();
        edit->insert(put); // as the context menu's Paste, a middle click and a drop put it in
        QCOMPARE(edit->text(), kept);
        QCOMPARE(velmora::ui::Tone::count(), tones);
    }

    void otherFieldsTakeAnyKey_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::newRow("Text4") << "Text4"
                               << "me@x.org";
        QTest::newRow("Text5") << "Text5"
                               << "Nick-1";
        QTest::newRow("Text10") << "Text10"
                                << "2";
        QTest::newRow("Text11") << "Text11"
                                << "0.5";
    }
    void otherFieldsTakeAnyKey()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        GameFolders folders;
        folders.writeConfig({});
        const auto window = loadedWindow(folders);
        auto *edit = window->findChild<QLineEdit *>(name);
        edit->clear();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), typed);
        QCOMPARE(velmora::ui::Tone::count(), 0);
    }

    void inputLimitsHoldFromTheLoad_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("limit");
        QTest::newRow("Text6") << "Text6" << 6;
        QTest::newRow("Text7") << "Text7" << 1;
        QTest::newRow("Text8") << "Text8" << 1;
        QTest::newRow("Text9") << "Text9" << 3;
        QTest::newRow("Text10") << "Text10" << 1;
        QTest::newRow("Text11") << "Text11" << 3;
    }
    void inputLimitsHoldFromTheLoad()
    {
        QFETCH(QString, name);
        QFETCH(int, limit);
        GameFolders folders;
        folders.writeConfig({});
        const auto window = loadedWindow(folders);
        auto *edit = window->findChild<QLineEdit *>(name);
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("0123456789"));
        QCOMPARE(edit->text(), QStringLiteral("0123456789").left(limit));
    }

    void loadCarriesBindsAndCountsThem()
    {
        GameFolders folders;
        folders.writeConfig("// keys\r\nbind \"w\" \"+forward\"\r\nunbindall\r\n  BIND \",\" "
                            "\"say a, b\"\r\nname \"x\"\r\nAlias go \"+jump\"\r\n");
        IndexRus window(folders.store());
        QCOMPARE(configBox(&window)->toPlainText(), QStringLiteral("Здесь будет ваш конфиг\n"));
        BoxAnswerer ok(QStringLiteral("OK"));
        window.load();
        QCOMPARE(ok.texts, QStringList{QStringLiteral("Найдено 3 bind(s) и alias")});
        QCOMPARE(ok.icons, QList<QMessageBox::Icon>{QMessageBox::Information});
        QCOMPARE(ok.titles, QStringList{QStringLiteral("Velmora")});
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].style, MessageStyle::Information);
        QCOMPARE(window.configText(), QStringLiteral("bind \"w\" \"+forward\"\nBIND \",\" \"say a, "
                                                     "b\"\nAlias go \"+jump\"\n"));
        QCOMPARE(window.gameFolder(), folders.gameFolder());
    }

    void loadWithoutBindsReportsZero()
    {
        GameFolders folders;
        folders.writeConfig("name \"x\"\r\n");
        const auto window = loadedWindow(folders);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].text, QStringLiteral("Найдено 0 bind(s) и alias"));
        QCOMPARE(window->configText(), QString()); // the design text is gone too
    }

    // Binds like those servers planted: a question after the count names three and how many
    // more; Yes leaves them out of the box, No leaves the box exactly as the import filled it.
    void loadOffersToLeavePlantedLinesOut_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void loadOffersToLeavePlantedLinesOut()
    {
        QFETCH(bool, yes);
        GameFolders folders;
        QByteArray config = "bind w +forward\r\n";
        for (char n = '0'; n < '5'; ++n)
            config += QByteArray("bind f") + n + " \"connect 10.0.0." + n + "\"\r\n";
        config += "alias x \"say \xA0\xFF\"\r\n";
        folders.writeConfig(config);
        IndexRus window(folders.store());
        using velmora::ui::Answer;
        MessageBox::setNextAnswers({Answer::Ok, yes ? Answer::Yes : Answer::No});
        window.load();
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(MessageBox::history()[0].text, QStringLiteral("Найдено 7 bind(s) и alias"));
        const MessageBox::Record question = MessageBox::history()[1];
        QCOMPARE(question.style, MessageStyle::Question);
        QVERIFY2(question.text.contains(u"\r\nbind f0 \"connect 10.0.0.0\"\r\n"_qs) &&
                     question.text.contains(u"bind f2 \"connect 10.0.0.2\""_qs) &&
                     !question.text.contains(u"bind f3"_qs) &&
                     !question.text.contains(u"+forward"_qs),
                 qPrintable(question.text));
        QVERIFY2(question.text.contains(u"и ещё 2"_qs), qPrintable(question.text));
        const QString imported = velmora::importBindsFromGame(folders.gameFolder()).plainText;
        const QStringList lines = imported.split(u'\n');
        QCOMPARE(window.configText(), yes ? lines.first() + u'\n' + lines[6] + u'\n' : imported);
    }

    void loadWithoutConfigCfgShowsTheErrorAndOpens()
    {
        GameFolders folders; // no config.cfg
        IndexRus window(folders.store());
        BoxAnswerer ok(QStringLiteral("OK"));
        window.load();
        QCOMPARE(ok.icons, QList<QMessageBox::Icon>{QMessageBox::Critical});
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].style, MessageStyle::Error);
        QVERIFY(!MessageBox::history()[0].text.isEmpty());
        QVERIFY(!MessageBox::history()[0].text.contains(QStringLiteral("Найдено")));
        QCOMPARE(window.configText(), QString());
        QCOMPARE(window.gameFolder(), folders.gameFolder());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    void loadWithoutPathFileShowsTheErrorAndOpensWithoutAFolder()
    {
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        QFile::remove(folders.pathFile());
        IndexRus window(folders.store());
        MessageBox::setNextAnswers({velmora::ui::Answer::Ok});
        window.load();
        // One box: the reason the file could not be read. No import is tried.
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].style, MessageStyle::Error);
        QVERIFY(!MessageBox::history()[0].text.isEmpty());
        QCOMPARE(window.gameFolder(), QString());
        QCOMPARE(window.configText(), QString());
        auto *roundTime = window.findChild<QLineEdit *>(QStringLiteral("Text7"));
        roundTime->clear();
        roundTime->insert(QStringLiteral("12"));
        QCOMPARE(roundTime->text(), QStringLiteral("1"));
    }

    void loadWithAnEmptyPathFileSaysSo()
    {
        GameFolders folders;
        folders.writeConfig("bind a b\r\n");
        writeBytes(folders.pathFile(), "\r\n");
        IndexRus window(folders.store());
        MessageBox::setNextAnswers({velmora::ui::Answer::Ok});
        window.load();
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].text, QStringLiteral("В файле не указан путь!"));
        QCOMPARE(MessageBox::history()[0].style, MessageStyle::Error);
        QCOMPARE(window.configText(), QString());
    }

    void loadOfALargeConfig()
    {
        GameFolders folders;
        QByteArray bytes;
        for (int i = 0; i < 200000; ++i)
            bytes += "bind k" + QByteArray::number(i) + " \"say " + QByteArray::number(i) + "\"\n";
        folders.writeConfig(bytes);
        const auto window = loadedWindow(folders);
        QCOMPARE(MessageBox::history().last().text,
                 QStringLiteral("Найдено 200000 bind(s) и alias"));
        QPlainTextEdit *config = configBox(window.get());
        QCOMPARE(config->blockCount(), 200001); // the lines and the empty line after the last
        QCOMPARE(config->document()->findBlockByNumber(199999).text(),
                 QStringLiteral("bind k199999 \"say 199999\""));
    }

    void menuEntriesOfTheHelpMenuAskForTheAboutWindow()
    {
        IndexRus window(GameFolders().store());
        int about = 0;
        int support = 0;
        connect(&window, &IndexRus::aboutRequested, this, [&] { ++about; });
        connect(&window, &IndexRus::supportRequested, this, [&] { ++support; });
        window.findChild<QAction *>(QStringLiteral("popMenu3Program"))->trigger();
        QCOMPARE(about, 1);
        QCOMPARE(support, 0);
        window.findChild<QAction *>(QStringLiteral("popMenu3Tex"))->trigger();
        QCOMPARE(support, 1);
        QCOMPARE(MessageBox::history().size(), 0);
    }
};

QTEST_MAIN(TestIndexRus)
#include "tst_index_rus.moc"
