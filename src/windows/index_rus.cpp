#include "windows/index_rus.h"

#include "config/generator.h"
#include "config/linetable.h"
#include "gamefiles/autoexec.h"
#include "gamefiles/bindimport.h"
#include "ui/digitkeyfilter.h"
#include "ui/messagebox.h"
#include "ui/slider.h"
#include "ui/tabcontrol.h"
#include "ui/wrapcheckbox.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

// Resources of a static library are registered by hand, from the global namespace.
static void initVelmoraResources()
{
    Q_INIT_RESOURCE(velmora);
}

namespace velmora {

using ui::MessageBox;

namespace {

// Sizes and places of the window are kept in twips, 1/1440 inch, the unit the layout was drawn
// in: 15 twips are one pixel at 96 dpi, and the window grows with the screen's logical dpi.
constexpr int kClientWidth = 11235;
constexpr int kClientHeight = 6540;
constexpr int kHeaderRowHeight = 360;
constexpr int kPageLeft = 120;
constexpr int kPageTop = 720;
constexpr int kPageHeight = 5055;
constexpr int kControlLeft = 120; // controls start this far into their frame
constexpr int kCheckHeight = 240;
constexpr int kFieldHeight = 315;
constexpr int kSliderHeight = 360;
constexpr int kGap = 60;

const QString kCaptionedFrameStyle = QStringLiteral(
    "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 6px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
    " left: 7px; padding: 0 2px; }");
const QString kNoFolderText = QStringLiteral("В файле не указан путь!");

class Twips
{
public:
    explicit Twips(double logicalDpi)
        : m_scale(logicalDpi / 1440.0)
    {
    }
    int operator()(int twips) const { return qRound(twips * m_scale); }
    QRect rect(int left, int top, int width, int height) const
    {
        const int x = (*this)(left);
        const int y = (*this)(top);
        return {x, y, (*this)(left + width) - x, (*this)(top + height) - y};
    }

private:
    double m_scale;
};

/// Places the controls of one row left to right, each after the one before.
class Row
{
public:
    Row(const Twips &twips, int top, int left = kControlLeft)
        : m_twips(twips)
        , m_top(top)
        , m_x(twips(left))
    {
    }

    /// A width of 0 takes the control's own preferred width.
    template<class W>
    W *add(W *widget, int width = 0, int height = kFieldHeight, int topOffset = 0)
    {
        const int w = width > 0 ? m_twips(width) : widget->sizeHint().width();
        widget->setGeometry(m_x, m_twips(m_top + topOffset), w, m_twips(height));
        m_x += w + m_twips(kGap);
        return widget;
    }
    void moveTo(int left) { m_x = m_twips(left); }
    int x() const { return m_x; }

private:
    const Twips &m_twips;
    int m_top;
    int m_x;
};

QFont arialFont(qreal points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

QString name(const char *prefix, int number)
{
    return QLatin1StringView(prefix) + QString::number(number);
}

/// The end of the program when nobody installed another: leave the event loop, which closes every
/// window without asking it.
void defaultQuit()
{
    QCoreApplication::exit(0);
}

IndexRus::QuitHandler &quitHandler()
{
    static IndexRus::QuitHandler handler;
    return handler;
}

int checkValue(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return Checked;
    case Qt::PartiallyChecked:
        return Grayed;
    default:
        return Unchecked;
    }
}

} // namespace

IndexRus::IndexRus(PathFileStore store, QWidget *parent)
    : QMainWindow(parent)
    , m_store(std::move(store))
    , m_digitFilter(new ui::DigitKeyFilter(this))
{
    initVelmoraResources();
    setObjectName(QStringLiteral("index_rus"));
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowIcon(QIcon(QStringLiteral(":/velmora/icon.png")));
    // Fixed layout: a minimise button, no maximise button, no border to drag.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // The frames, the tab headers and a few labels use the window's own font.
    setFont(arialFont(8.25));

    buildMenu();
    buildPages();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &IndexRus::updateBotExtras);
    m_timer->start();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

IndexRus::~IndexRus() = default;

void IndexRus::setQuitHandler(QuitHandler handler)
{
    quitHandler() = std::move(handler);
}

void IndexRus::buildMenu()
{
    auto action = [this](const char *objectName, const QString &caption) {
        auto *a = new QAction(caption, this);
        a->setObjectName(QLatin1StringView(objectName));
        return a;
    };

    QMenu *configMenu = menuBar()->addMenu(QStringLiteral("Конфиг"));
    configMenu->setObjectName(QStringLiteral("popMenu1"));
    QAction *show = action("popMenu1Show", QStringLiteral("Показать"));
    QAction *save = action("popMenu1Save", QStringLiteral("Сохранить"));
    QAction *clear = action("popMenu1Clear", QStringLiteral("Очистить"));
    configMenu->addActions({show, save, clear});

    QAction *reset = action("new", QStringLiteral("Обновить путь к папке с Half-Life"));
    QAction *exit = action("popMenu2Exit", QStringLiteral("Выход"));
    menuBar()->addAction(reset);
    menuBar()->addAction(exit);

    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("?"));
    helpMenu->setObjectName(QStringLiteral("popMenu3"));
    QAction *about = action("popMenu3Program", QStringLiteral("О программе"));
    QAction *support = action("popMenu3Tex", QStringLiteral("Тех. поддержка"));
    helpMenu->addActions({about, support});

    connect(show, &QAction::triggered, this, &IndexRus::showConfig);
    connect(save, &QAction::triggered, this, &IndexRus::saveConfig);
    connect(clear, &QAction::triggered, this, &IndexRus::clearConfig);
    connect(reset, &QAction::triggered, this, &IndexRus::resetGameFolder);
    connect(exit, &QAction::triggered, this, &IndexRus::exitProgram);
    connect(about, &QAction::triggered, this, &IndexRus::aboutRequested);
    connect(support, &QAction::triggered, this, &IndexRus::supportRequested);
}

void IndexRus::buildPages()
{
    const Twips tw(logicalDpiY());
    const QFont arial = arialFont(9.75);
    const QFont big = arialFont(14.25);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(tw(kClientWidth), tw(kClientHeight));
    setCentralWidget(client);

    // Control factories; every control carries its name.
    auto label = [&](QWidget *parent, const char *objectName, const QString &text,
                     bool ownFont = true) {
        auto *l = new QLabel(text, parent);
        l->setObjectName(QLatin1StringView(objectName));
        if (ownFont)
            l->setFont(arial);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return l;
    };
    auto asterisk = [&](QWidget *parent, const char *objectName) {
        auto *l = new QLabel(QStringLiteral("*"), parent);
        l->setObjectName(QLatin1StringView(objectName));
        l->setFont(big);
        QPalette red = l->palette();
        red.setColor(QPalette::WindowText, QColor(255, 0, 0));
        l->setPalette(red);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    };
    auto check = [&](QWidget *parent, int number, const QString &caption) {
        auto *box = new QCheckBox(caption, parent);
        box->setObjectName(name("Check", number));
        box->setFont(arial);
        m_checks[number - 1] = box;
        return box;
    };
    auto wrapCheck = [&](QWidget *parent, int number, const QString &caption) {
        auto *box = new ui::WrapCheckBox(caption, parent);
        box->setObjectName(name("Check", number));
        box->setFont(arial);
        m_checks[number - 1] = box;
        return box;
    };
    auto text = [&](QWidget *parent, int number) {
        auto *edit = new QLineEdit(defaultText(number), parent);
        edit->setObjectName(name("Text", number));
        edit->setFont(arial);
        m_texts[number - 1] = edit;
        return edit;
    };
    auto slider = [&](QWidget *parent, int number) {
        const SliderRange range = sliderRange(number);
        auto *s = new ui::Slider(range.min, range.max, defaultSliderValue(number), parent);
        s->setObjectName(name("Slider", number));
        s->valueLabel()->setObjectName(name("Slider", number) + QStringLiteral("Value"));
        s->valueLabel()->setFont(arial);
        m_sliders[number - 1] = s;
        return s;
    };
    auto frame = [&](QWidget *parent, const char *objectName, const QString &caption,
                     QRect geometry) {
        auto *f = new QGroupBox(caption, parent);
        f->setObjectName(QLatin1StringView(objectName));
        // The caption sits on the frame's top line, so the first row below it has room.
        f->setStyleSheet(kCaptionedFrameStyle);
        f->setGeometry(geometry);
        return f;
    };
    // A slider row: the caption, the slider at a given left, its value just after it, all
    // inside the frame and level with the slider's handle.
    auto placeSlider = [&](QLabel *caption, ui::Slider *s, int leftPx, int top, int width,
                           QWidget *parent) {
        const int valueWidth =
            s->valueLabel()->fontMetrics().horizontalAdvance(QString::number(s->maximum())) + 4;
        const QRect r(leftPx, tw(top), tw(width), tw(kSliderHeight));
        const int room = parent->width() - tw(kGap) - valueWidth - tw(kGap) - r.left();
        s->setGeometry(r.left(), r.top(), qMin(r.width(), room), r.height());
        s->placeValueLabel(tw(kGap));
        const int h = caption->sizeHint().height();
        caption->setGeometry(tw(kControlLeft), s->handleCentreY() - h / 2,
                             caption->sizeHint().width(), h);
    };
    // Check boxes that stand one under the other across the whole frame.
    auto column = [&](QWidget *parent, std::initializer_list<std::pair<int, const char *>> rows,
                      int firstTop, int width) {
        int top = firstTop;
        for (const auto &[number, caption] : rows) {
            // As wide as the caption needs, never wider than the frame allows.
            QCheckBox *box = check(parent, number, QString::fromUtf8(caption));
            const QRect r = tw.rect(kControlLeft, top, width, kCheckHeight);
            box->setGeometry(r.x(), r.y(), qMin(r.width(), box->sizeHint().width()), r.height());
            top += 240;
        }
    };

    m_tabs = new ui::TabControl(client);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setGeometry(tw.rect(120, 0, 7455, 5895));
    m_tabs->setRowHeight(tw(kHeaderRowHeight));

    auto page = [&](const char *objectName, const QString &caption, int width) {
        auto *f = new QGroupBox(m_tabs);
        f->setObjectName(QLatin1StringView(objectName));
        m_tabs->addTab(f, caption);
        f->setGeometry(tw.rect(kPageLeft, kPageTop, width, kPageHeight));
        return f;
    };

    // Tab 0 "Игра по сети".
    QGroupBox *frame9 = page("Frame9", QStringLiteral("Игра по сети"), 6975);
    QGroupBox *frame1 =
        frame(frame9, "Frame1", QStringLiteral("Соединение"), tw.rect(120, 240, 6735, 1455));
    {
        Row row(tw, 360);
        row.add(label(frame1, "Label1", QStringLiteral("Тип соединения:")));
        m_combo = new QComboBox(frame1);
        m_combo->setObjectName(QStringLiteral("Combo1"));
        m_combo->setEditable(true);
        // The frame's style sheet stops fonts from reaching the combo box's own field and list,
        // so each gets Arial by name.
        m_combo->setFont(arial);
        m_combo->lineEdit()->setFont(arial);
        m_combo->view()->setFont(arial);
        // The list is fixed and the typed text is taken exactly as typed: no completion that
        // could change its case, no typed text added to the list.
        m_combo->setInsertPolicy(QComboBox::NoInsert);
        m_combo->setCompleter(nullptr);
        for (const char *item : connectionTypeItems())
            m_combo->addItem(QString::fromUtf8(item));
        m_combo->setCurrentIndex(-1);
        m_combo->setEditText(QString());
        row.add(m_combo, 3615);
        row.add(asterisk(frame1, "Label6"), 0, 375, -45);
    }
    {
        Row row(tw, 960);
        row.add(label(frame1, "Label2", QStringLiteral("Пинг от")));
        row.add(text(frame1, 1), 1095);
        row.add(asterisk(frame1, "Label7"), 0, 375, -45);
        row.add(label(frame1, "Label3", QStringLiteral("до")));
        row.add(text(frame1, 2), 1095);
        row.add(asterisk(frame1, "Label8"), 0, 375, -45);
    }
    QGroupBox *frame5 =
        frame(frame9, "Frame5", QStringLiteral("Загрузка"), tw.rect(120, 1740, 6735, 1095));
    column(frame5,
           {{14, "Разрешить загрузку с сервера "},
            {15, "Разрешить загрузку с клиента"},
            {16, "Загрузка файлов во время игры"}},
           240, 6495);

    // Tab 1 "Графика".
    QGroupBox *frame6 = page("Frame6", QStringLiteral("Графика"), 7095);
    column(frame6,
           {{2, "Кровь, следы от пуль и т.д"},
            {3, "Показ оружия на экране"},
            {5, "Показ гильз"},
            {37, "Показывать оружие в правой руке"},
            {13, "Дым из ствола (как в фильмах)"},
            {33, "Режим высокого качества отбражения моделей игроков "},
            {29, "Показывать радар"},
            {42, "Показывать хунды"},
            {41, "Темнее изображение (типо сумерки)"}},
           240, 6855);
    {
        QLabel *caption = label(frame6, "Label21", QStringLiteral("Максимальное FPS"));
        placeSlider(caption, slider(frame6, 2),
                    tw(kControlLeft) + caption->sizeHint().width() + tw(kGap), 2400, 4935, frame6);
    }

    // Tab 2 "Звук".
    QGroupBox *frame8 = page("Frame8", QStringLiteral("Звук"), 6975);
    // 2175 twips high, Frame3 would reach 15 twips into Frame4 below it: it stops just short.
    QGroupBox *frame3 = frame(frame8, "Frame3", QStringLiteral("Голосовая коммуникация"),
                              tw.rect(120, 240, 6735, 2145));
    column(frame3,
           {{36, "Использовать голосовую комуникацию"},
            {23, "Что вы говорите будет слышно вам также как и другим"},
            {24, "Ослаблять все звуки в момент разговора"},
            {26, "Удалить затухание голоса"},
            {25, "Удаление шума"},
            {27, "Сглаживание голоса"}},
           240, 6495);
    placeSlider(label(frame3, "Label20", QStringLiteral("Чуствительность голоса")),
                slider(frame3, 1), tw(2760), 1680, 3000, frame3);
    QGroupBox *frame4 = frame(frame8, "Frame4", QStringLiteral("Настройка звука в игре"),
                              tw.rect(120, 2400, 6735, 2175));
    {
        // "Включить звук" is short; the volume field stands to its right, a little lower.
        Row row(tw, 240);
        row.add(check(frame4, 32, QStringLiteral("Включить звук")), 0, kCheckHeight);
        Row volume(tw, 360, 2280);
        volume.add(label(frame4, "Label24", QStringLiteral("Громкость звука")));
        volume.add(text(frame4, 11), 495);
        volume.add(label(frame4, "Label25", QStringLiteral("(от 0,1 до 100 )")));
    }
    column(frame4,
           {{9, "Звук  A3D"},
            {10, "Звук  EAX"},
            {21, "Звук шагов"},
            {31, "Включить высококачественный звук"}},
           720, 6495);

    // Tab 3 "Разное".
    QGroupBox *frame2 = page("Frame2", QStringLiteral("Разное"), 7095);
    column(frame2,
           {{1, "Поддержка MMX"},
            {7, "Поддержка джойстика"},
            {8, "Плавное перемищение курсора"},
            {30, "Показывать имя игрока в центре"},
            {38, "Меню без рисунков и указателя мыши (текстовое)"},
            {17, "Оптимизация скорости"},
            {18, "Оптимизация оружия"},
            {43, "Обзор мышкой"}},
           240, 6855);
    wrapCheck(frame2, 22,
              QStringLiteral("Хочу в вести свою контактную информацию (E-amil, Web или Тел.) :"))
        ->setGeometry(tw.rect(kControlLeft, 2160, 2655, 720)); // ends where "Ваш ник:" begins
    text(frame2, 4)->setGeometry(tw.rect(2880, 2520, 3975, kFieldHeight));
    {
        Row row(tw, 2880);
        row.add(label(frame2, "Label12", QStringLiteral("Ваш ник:")));
        row.moveTo(2880);
        row.add(text(frame2, 5), 3975);
        row.add(asterisk(frame2, "Label11"), 0, 375, -45);
    }
    {
        Row row(tw, 3360);
        row.add(label(frame2, "Label4", QStringLiteral("Время в течении которого длится раунд")));
        row.add(text(frame2, 7), 375);
        row.add(asterisk(frame2, "Label13"), 0, 375, -45);
        row.add(label(frame2, "Label10", QStringLiteral("МИН (от 1 до 9)"), false));
    }
    {
        Row row(tw, 3720);
        row.add(label(frame2, "Label14",
                      QStringLiteral("Время в начале игры отведённое для покупки оружия:")));
        row.add(text(frame2, 8), 375);
        row.add(asterisk(frame2, "Label16"), 0, 375, -45);
        row.add(label(frame2, "Label15", QStringLiteral("СЕК"), false));
    }
    {
        Row row(tw, 4200);
        row.add(label(frame2, "Label17",
                      QStringLiteral("Время в течении которого трупы остаются на земле:")));
        row.add(text(frame2, 9), 555);
        row.add(asterisk(frame2, "Label18"), 0, 375, -45);
        row.add(label(frame2, "Label19", QStringLiteral("СЕК"), false));
    }
    column(frame2, {{28, "Автомотически болансировать команды"}}, 4680, 6855);

    // Tab 4 "Полезности".
    QGroupBox *frame7 = page("Frame7", QStringLiteral("Полезности"), 6975);
    column(frame7, {{12, "Быстрое переключение оружия"}, {11, "Включить NetGraph"}}, 240, 6735);
    {
        Row row(tw, 720);
        row.add(check(frame7, 34, QStringLiteral("Деньги в начале игры:")), 2655, kFieldHeight);
        row.moveTo(2880);
        row.add(text(frame7, 6), 3975);
    }
    {
        // The caption is long: it wraps onto a second line rather than push the field out.
        Row row(tw, 1200);
        row.add(wrapCheck(frame7, 39,
                          QStringLiteral("Я использую консоль и скорость выпадения равно:")),
                4455, 480);
        row.add(text(frame7, 3), 1575);
        row.add(asterisk(frame7, "Label9"), 0, 375, -45);
    }
    column(frame7,
           {{35, "Можно стрелять в членов команды"},
            {4, "Включить режим читов"},
            {40, "Показать прицел"}},
           1680, 6735);
    {
        Row row(tw, 2400);
        row.add(label(frame7, "Label22", QStringLiteral("Позиция NetGraph")));
        row.add(text(frame7, 10), 315);
        row.add(label(frame7, "Label23", QStringLiteral("( 0 - лево; 1 - право; 2 - середина ) ")));
    }
    const struct
    {
        const char *label;
        const char *caption;
        int slider;
        int top;
    } speeds[] = {{"Label26", "Скорость движения вперёд", 3, 2880},
                  {"Label27", "Скорость движения назад", 4, 3240},
                  {"Label28", "Скорость движения мыши", 5, 3720}};
    for (const auto &speed : speeds) {
        placeSlider(label(frame7, speed.label, QString::fromUtf8(speed.caption)),
                    slider(frame7, speed.slider), tw(2880), speed.top, 3375, frame7);
    }

    // Tab 5 "POD-BOT 2.5".
    QGroupBox *frame10 = page("Frame10", QStringLiteral("POD-BOT 2.5"), 7095);
    m_pod = new QCheckBox(QStringLiteral("Я играю с POD BOT 2.5"), frame10);
    m_pod->setObjectName(QStringLiteral("pod"));
    m_pod->setGeometry(tw.rect(kControlLeft, 240, 4935, kCheckHeight));
    m_botExtras =
        frame(frame10, "Frame11", QStringLiteral("Приколы"), tw.rect(120, 600, 6855, 1215));
    column(m_botExtras,
           {{6, "Вокруг ботов светится ореал света"},
            {19, "Боты празднуют Новый год"},
            {20, "Контры светятся синем, а тероры красным"}},
           240, 6615);
    m_botExtras->hide();

    // The config box, right of the tabs, and the note under them.
    m_config = new QPlainTextEdit(client);
    m_config->setObjectName(QStringLiteral("config"));
    m_config->setFont(arial);
    m_config->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_config->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_config->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_config->setGeometry(tw.rect(7680, 0, 3375, 5895));
    m_config->setPlainText(QStringLiteral("Здесь будет ваш конфиг\n"));

    QLabel *note = asterisk(client, "Label5");
    note->setText(QStringLiteral("Поля помеченные \"*\" обязательны для заполнения!"));
    const QRect noteRect = tw.rect(2280, 6000, 6855, 375);
    // The note keeps its place; should the font run wider than the layout, it grows to the right
    // rather than lose its end.
    note->setGeometry(noteRect.x(), noteRect.y(), qMax(noteRect.width(), note->sizeHint().width()),
                      noteRect.height());

    for (int n : {1, 2, 3, 6, 7, 8, 9})
        m_digitFilter->attach(m_texts[n - 1]);

    m_tabs->setCurrentIndex(2); // "Звук"
}

void IndexRus::load()
{
    // A path file that names nothing, or cannot be read, leaves the folder empty; that is
    // reported once the limits are set, in place of the import.
    const PathFileRead read = m_store.read();
    if (read.status == PathFileRead::Folder)
        m_gameFolder = read.folder;

    m_texts[6 - 1]->setMaxLength(6);
    m_texts[7 - 1]->setMaxLength(1);
    m_texts[8 - 1]->setMaxLength(1);
    m_texts[9 - 1]->setMaxLength(3);
    m_texts[10 - 1]->setMaxLength(1);
    m_texts[11 - 1]->setMaxLength(3);

    m_config->clear();

    // Without a game folder there is nothing to import from; reading "/cstrike/config.cfg" at
    // the root of the disk instead would be a guess. One box says why, and the window opens.
    if (m_gameFolder.isEmpty()) {
        MessageBox::show(this, read.status == PathFileRead::Failed ? read.error : kNoFolderText,
                         ui::ErrorStyle);
        return;
    }

    const ImportResult result = importBindsFromGame(m_gameFolder);
    // The box is empty here, so setting the whole text at once is the same as appending each line.
    m_config->setPlainText(result.plainText);
    if (!result.ok()) {
        MessageBox::show(this, result.error, ui::ErrorStyle);
        return;
    }
    MessageBox::show(this,
                     QStringLiteral("Найдено ") + QString::number(result.count()) +
                         QStringLiteral(" bind(s) и alias"),
                     ui::InformationStyle);
}

OptionSnapshot IndexRus::snapshot() const
{
    OptionSnapshot options;
    options.combo1 = m_combo->currentText();
    for (int n = 1; n <= kTextCount; ++n)
        options.text(n) = m_texts[n - 1]->text();
    for (int n = 1; n <= kSliderCount; ++n)
        options.slider(n) = m_sliders[n - 1]->value();
    for (int n = 1; n <= kCheckCount; ++n)
        options.check(n) = checkValue(m_checks[n - 1]);
    options.pod = checkValue(m_pod);
    return options;
}

QString IndexRus::configText() const
{
    // toPlainText() would turn no-break spaces into plain ones; the raw text keeps every
    // character of the player's lines and only the line breaks need translating.
    QString text = m_config->document()->toRawText();
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text;
}

void IndexRus::showConfig()
{
    if (MessageBox::show(this, QStringLiteral("Все поля заполнены??"), ui::QuestionStyle) !=
        ui::Yes) {
        // Back to the first tab, where the connection type and the pings are filled in.
        m_tabs->setCurrentIndex(0);
        return;
    }
    GenerateConfig();
}

void IndexRus::GenerateConfig()
{
    appendToConfig(generateText(snapshot()));
}

void IndexRus::appendToConfig(const QString &text)
{
    QString lines = text;
    lines.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
    // Appended at the end, joined to the last line as it stands; the rest of the box is not
    // touched, so a large box takes no longer than a small one, and one run is one undo step.
    QTextCursor cursor(m_config->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    cursor.insertText(lines);
    cursor.endEditBlock();
}

void IndexRus::saveConfig()
{
    const PathFileRead read = m_store.read();
    if (read.status == PathFileRead::Failed) {
        MessageBox::show(this, read.error, ui::ErrorStyle);
        return;
    }
    if (read.status == PathFileRead::Folder)
        m_gameFolder = read.folder;
    if (m_gameFolder.isEmpty()) {
        // No folder was ever named: writing "/cstrike/autoexec.cfg" would miss the game.
        MessageBox::show(this, kNoFolderText, ui::ErrorStyle);
        return;
    }
    if (MessageBox::show(this, QStringLiteral("Вы уверены что хотите сохранить конфиг?"),
                         ui::QuestionStyle) != ui::Yes) {
        return;
    }
    // The raw text as it stands: Save writes its paragraph separators as line breaks anyway,
    // so translating them first would only cost a large box one more pass.
    const QString error = saveAutoexec(m_gameFolder, m_config->document()->toRawText());
    if (!error.isEmpty())
        MessageBox::show(this, error, ui::ErrorStyle);
}

void IndexRus::clearConfig()
{
    if (MessageBox::show(this, QStringLiteral("Вы уверены что хотите ОЧИСТИТЬ конфиг?"),
                         ui::QuestionStyle) != ui::Yes) {
        return;
    }
    // Removed as one edit, so Ctrl+Z can still bring the text back.
    QTextCursor cursor(m_config->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

void IndexRus::exitProgram()
{
    if (MessageBox::show(this, QStringLiteral("Вы действительно хотите выйти?"),
                         ui::QuestionStyle) == ui::Yes) {
        endProgram();
    }
}

void IndexRus::resetGameFolder()
{
    const QString question =
        QStringLiteral("Выдействительно хотите обнавить путь к папке с Half-Life?") +
        QStringLiteral("\r\n") +
        QStringLiteral(
            "Послетого как вы нажмёте на кнопку ДА надо будет запустипь программу заново!");
    if (MessageBox::show(this, question, ui::QuestionStyle) != ui::Yes)
        return;
    const QString error = m_store.remove();
    // The program ends either way; a file that stays would make the next start skip the
    // question for the folder, so the user hears about it first.
    if (!error.isEmpty())
        MessageBox::show(this, error, ui::ErrorStyle);
    endProgram();
}

void IndexRus::updateBotExtras()
{
    const bool show = checkValue(m_pod) == Checked;
    if (m_botExtras->isHidden() == show)
        m_botExtras->setVisible(show);
}

void IndexRus::endProgram()
{
    if (const QuitHandler &handler = quitHandler())
        handler();
    else
        defaultQuit();
}

void IndexRus::closeEvent(QCloseEvent *event)
{
    // The title bar's close button ends the program like Exit, without the question.
    event->accept();
    endProgram();
}

void IndexRus::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    if (const QScreen *s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace velmora
