#include "config/options.h"

#include "config/consolevalue.h"

#include <QCoreApplication>

#include <algorithm>

namespace velmora {

namespace {

using namespace field;

constexpr CheckLine valued(const char *command, const char *value)
{
    return {LineForm::Valued, command, value, 0};
}
constexpr CheckLine valuedFromField(const char *command, int textField)
{
    return {LineForm::Valued, command, nullptr, textField};
}
constexpr CheckLine bare(const char *command)
{
    return {LineForm::Bare, command, nullptr, 0};
}
constexpr CheckLine keyValue(const char *key, const char *value)
{
    return {LineForm::KeyValue, key, value, 0};
}

/// The lines of one state of a box.
constexpr CheckLines lines()
{
    return {};
}
constexpr CheckLines lines(CheckLine line)
{
    return {{line, CheckLine{}}, 1};
}
constexpr CheckLines lines(CheckLine first, CheckLine second)
{
    return {{first, second}, 2};
}

enum class Entry { Free, Digits };

constexpr OptionInfo combo(const char *name, const char *caption,
                           std::array<const char *, kPresetCommandCount> presetCommands)
{
    return {.name = name,
            .kind = OptionKind::Combo,
            .number = 1,
            .caption = caption,
            .defaultText = "",
            .presetCommands = presetCommands};
}
constexpr OptionInfo text(const char *name, int n, const char *caption, const char *value,
                          Entry entry, int maxLength, qsizetype byteCap,
                          const char *command = nullptr, ValueSource source = ValueSource::None,
                          int linePlace = 0)
{
    return {.name = name,
            .kind = OptionKind::Text,
            .number = n,
            .caption = caption,
            .defaultText = value,
            .maxLength = maxLength,
            .digitsOnly = entry == Entry::Digits,
            .byteCap = byteCap,
            .command = command,
            .source = source,
            .linePlace = linePlace};
}
constexpr OptionInfo slider(const char *name, int n, const char *caption, int value, int min,
                            int max, const char *command, int linePlace)
{
    return {.name = name,
            .kind = OptionKind::Slider,
            .number = n,
            .caption = caption,
            .defaultValue = value,
            .range = {min, max},
            .command = command,
            .source = ValueSource::Slider,
            .linePlace = linePlace};
}
constexpr OptionInfo check(const char *name, int n, const char *caption, CheckLines checked,
                           CheckLines unchecked = {})
{
    return {.name = name,
            .kind = OptionKind::Check,
            .number = n,
            .caption = caption,
            .defaultValue = int(CheckValue::Unchecked),
            .range = {0, 2},
            .checked = checked,
            .unchecked = unchecked};
}
/// A plain switch: the command with "1" when checked, with "0" when unchecked.
constexpr OptionInfo onOff(const char *name, int n, const char *caption, const char *command)
{
    return check(name, n, caption, lines(valued(command, "1")), lines(valued(command, "0")));
}

constexpr qsizetype kCap = kValueByteCap;
constexpr auto kDigits = Entry::Digits;
constexpr auto kFree = Entry::Free;
constexpr auto kAsTyped = ValueSource::Text;

// Every start shows these values: nothing of the option state is stored between runs.
constexpr OptionInfo kInventory[] = {
    combo("Combo1", QT_TRANSLATE_NOOP("Options", "Тип соединения:"),
          {"rate ", "cl_updaterate ", "cl_cmdrate "}),
    // name, number, the label before it, start-up text, what the field lets through, its length
    // limit, its byte cap, the line every run writes with it and that line's place
    text("Text1", kLowestPing, QT_TRANSLATE_NOOP("Options", "Пинг от"), "", kDigits, 0, 0,
         "cl_latency ", ValueSource::Latency, 1),
    text("Text2", kHighestPing, QT_TRANSLATE_NOOP("Options", "до"), "", kDigits, 0, 0),
    text("Text3", kConsoleSpeed, "", "999999999", kDigits, 0, kCap),
    text("Text4", kContact, "", "player@example.org", kFree, 0, kContactByteCap),
    text("Text5", kNick, QT_TRANSLATE_NOOP("Options", "Ваш ник:"), "Player", kFree, 0, kNickByteCap,
         "name ", kAsTyped, 2),
    text("Text6", kStartMoney, "", "800", kDigits, 6, kCap),
    text("Text7", kRoundTime, QT_TRANSLATE_NOOP("Options", "Время в течении которого длится раунд"),
         "5", kDigits, 1, kCap, "mp_roundtime ", kAsTyped, 3),
    text("Text8", kBuyTime,
         QT_TRANSLATE_NOOP("Options", "Время в начале игры отведённое для покупки оружия:"), "5",
         kDigits, 1, kCap, "mp_freezetime ", kAsTyped, 4),
    text("Text9", kCorpseTime,
         QT_TRANSLATE_NOOP("Options", "Время в течении которого трупы остаются на земле:"), "600",
         kDigits, 3, kCap, "cl_corpsestay ", kAsTyped, 5),
    text("Text10", kNetGraphPosition, QT_TRANSLATE_NOOP("Options", "Позиция NetGraph"), "1", kFree,
         1, kCap, "net_graphpos ", kAsTyped, 8),
    text("Text11", kVolume, QT_TRANSLATE_NOOP("Options", "Громкость звука"), "0.8", kFree, 3, kCap,
         "volume ", ValueSource::Volume, 9),
    slider("Slider1", 1, QT_TRANSLATE_NOOP("Options", "Чуствительность голоса"), 1, 1, 10,
           "voice_scale ", 6),
    slider("Slider2", 2, QT_TRANSLATE_NOOP("Options", "Максимальное FPS"), 72, 1, 200, "fps_max ",
           7),
    slider("Slider3", 3, QT_TRANSLATE_NOOP("Options", "Скорость движения вперёд"), 400, 1, 500,
           "cl_forwardspeed ", 10),
    slider("Slider4", 4, QT_TRANSLATE_NOOP("Options", "Скорость движения назад"), 400, 1, 500,
           "cl_backspeed ", 11),
    slider("Slider5", 5, QT_TRANSLATE_NOOP("Options", "Скорость движения мыши"), 15, 1, 20,
           "sensitivity ", 12),
    // A box that writes nothing when unchecked leaves its lines out of that state.
    onOff("Check1", 1, QT_TRANSLATE_NOOP("Options", "Поддержка MMX"), "r_mmx "),
    onOff("Check2", 2, QT_TRANSLATE_NOOP("Options", "Кровь, следы от пуль и т.д"), "r_decals "),
    onOff("Check3", 3, QT_TRANSLATE_NOOP("Options", "Показ оружия на экране"), "r_drawviewmodel "),
    onOff("Check4", 4, QT_TRANSLATE_NOOP("Options", "Включить режим читов"), "sv_cheats "),
    check("Check5", 5, QT_TRANSLATE_NOOP("Options", "Показ гильз"),
          lines(valued("max_shells ", "999999999")), lines(valued("max_shells ", "0"))),
    check("Check6", 6, QT_TRANSLATE_NOOP("Options", "Вокруг ботов светится ореал света"),
          lines(bare("omg itstoodark"))),
    onOff("Check7", 7, QT_TRANSLATE_NOOP("Options", "Поддержка джойстика"), "joystick "),
    onOff("Check8", 8, QT_TRANSLATE_NOOP("Options", "Плавное перемищение курсора"), "m_filter "),
    onOff("Check9", 9, QT_TRANSLATE_NOOP("Options", "Звук  A3D"), "s_a3d "),
    onOff("Check10", 10, QT_TRANSLATE_NOOP("Options", "Звук  EAX"), "s_eax "),
    onOff("Check11", 11, QT_TRANSLATE_NOOP("Options", "Включить NetGraph"), "net_graph "),
    onOff("Check12", 12, QT_TRANSLATE_NOOP("Options", "Быстрое переключение оружия"),
          "hud_fastswitch "),
    check("Check13", 13, QT_TRANSLATE_NOOP("Options", "Дым из ствола (как в фильмах)"),
          lines(bare("gunsmoke"))),
    onOff("Check14", 14, QT_TRANSLATE_NOOP("Options", "Разрешить загрузку с сервера "),
          "cl_allowdownload "),
    onOff("Check15", 15, QT_TRANSLATE_NOOP("Options", "Разрешить загрузку с клиента"),
          "cl_allowupload "),
    onOff("Check16", 16, QT_TRANSLATE_NOOP("Options", "Загрузка файлов во время игры"),
          "cl_download_ingame "),
    onOff("Check17", 17, QT_TRANSLATE_NOOP("Options", "Оптимизация скорости"), "cl_lc "),
    onOff("Check18", 18, QT_TRANSLATE_NOOP("Options", "Оптимизация оружия"), "cl_lw "),
    check("Check19", 19, QT_TRANSLATE_NOOP("Options", "Боты празднуют Новый год"),
          lines(bare("omg itsnewyear"))),
    // POD-Bot's own word for its fun mode that lights terrorists red and counter-terrorists blue.
    check("Check20", 20, QT_TRANSLATE_NOOP("Options", "Контры светятся синем, а тероры красным"),
          lines(bare("omg tronisback"))),
    onOff("Check21", 21, QT_TRANSLATE_NOOP("Options", "Звук шагов"), "mp_footsteps "),
    check("Check22", 22,
          QT_TRANSLATE_NOOP("Options",
                            "Хочу в вести свою контактную информацию (E-amil, Web или Тел.) :"),
          lines(valuedFromField("sv_contact ", kContact))),
    check("Check23", 23,
          QT_TRANSLATE_NOOP("Options", "Что вы говорите будет слышно вам также как и другим"),
          lines(valued("voice_loopback ", "1"))),
    check("Check24", 24, QT_TRANSLATE_NOOP("Options", "Ослаблять все звуки в момент разговора"),
          lines(valued("voice_overdrive ", "2"), valued("voice_overdrivefadetime ", "0.4"))),
    check("Check25", 25, QT_TRANSLATE_NOOP("Options", "Удаление шума"),
          lines(valued("voice_avggain ", "0.3"))),
    check("Check26", 26, QT_TRANSLATE_NOOP("Options", "Удалить затухание голоса"),
          lines(valued("voice_fadeouttime ", "0.1"))),
    check("Check27", 27, QT_TRANSLATE_NOOP("Options", "Сглаживание голоса"),
          lines(valued("voice_maxgain ", "3"))),
    onOff("Check28", 28, QT_TRANSLATE_NOOP("Options", "Автомотически болансировать команды"),
          "mp_autoteambalance "),
    check("Check29", 29, QT_TRANSLATE_NOOP("Options", "Показывать радар"), lines(bare("drawradar")),
          lines(bare("hideradar"))),
    onOff("Check30", 30, QT_TRANSLATE_NOOP("Options", "Показывать имя игрока в центре"),
          "hud_centerid "),
    onOff("Check31", 31, QT_TRANSLATE_NOOP("Options", "Включить высококачественный звук"),
          "hisound "),
    // "Включить звук" turns nosound off.
    check("Check32", 32, QT_TRANSLATE_NOOP("Options", "Включить звук"),
          lines(valued("nosound ", "0")), lines(valued("nosound ", "1"))),
    onOff("Check33", 33,
          QT_TRANSLATE_NOOP("Options", "Режим высокого качества отбражения моделей игроков "),
          "cl_himodels "),
    check("Check34", 34, QT_TRANSLATE_NOOP("Options", "Деньги в начале игры:"),
          lines(valuedFromField("mp_startmoney ", kStartMoney))),
    onOff("Check35", 35, QT_TRANSLATE_NOOP("Options", "Можно стрелять в членов команды"),
          "mp_friendlyfire "),
    onOff("Check36", 36, QT_TRANSLATE_NOOP("Options", "Использовать голосовую комуникацию"),
          "voice_enable "),
    // Unchecked, the left hand's old key of the player's info (the command table says what the
    // game makes of both lines).
    check("Check37", 37, QT_TRANSLATE_NOOP("Options", "Показывать оружие в правой руке"),
          lines(valued("cl_righthand ", "1")), lines(valued("setinfo lefthand ", "1"))),
    check("Check38", 38,
          QT_TRANSLATE_NOOP("Options", "Меню без рисунков и указателя мыши (текстовое)"),
          lines(keyValue("_vgui_menus", "0")), lines(keyValue("_vgui_menus", "1"))),
    check("Check39", 39,
          QT_TRANSLATE_NOOP("Options", "Я использую консоль и скорость выпадения равно:"),
          lines(valued("console ", "1"), valuedFromField("scr_conspeed ", kConsoleSpeed)),
          lines(valued("console ", "0"))),
    onOff("Check40", 40, QT_TRANSLATE_NOOP("Options", "Показать прицел"), "crosshair "),
    // A darker picture: overbright off.
    check("Check41", 41, QT_TRANSLATE_NOOP("Options", "Темнее изображение (типо сумерки)"),
          lines(valued("gl_overbright ", "0")), lines(valued("gl_overbright ", "1"))),
    onOff("Check42", 42, QT_TRANSLATE_NOOP("Options", "Показывать хунды"), "hud_draw "),
    check("Check43", 43, QT_TRANSLATE_NOOP("Options", "Обзор мышкой"), lines(bare("+mlook")),
          lines(bare("-mlook"))),
    // Shows the page of the bot's extras; nothing of it reaches the config.
    check("pod", kPodBox, QT_TRANSLATE_NOOP("Options", "Я играю с POD BOT 2.5"), lines(), lines()),
};

/// Every line written on each run has one place among them, and each place one line.
constexpr bool eachLinePlaceOnce()
{
    int rows[kValueLineCount + 1] = {};
    for (const OptionInfo &option : kInventory) {
        if ((option.linePlace > 0) != (option.command != nullptr) || option.linePlace < 0 ||
            option.linePlace > kValueLineCount)
            return false;
        ++rows[option.linePlace];
    }
    return std::all_of(rows + 1, rows + kValueLineCount + 1, [](int n) { return n == 1; });
}
static_assert(eachLinePlaceOnce(), "the lines written on each run need places 1 to 12, once each");

const OptionInfo &find(OptionKind kind, int number)
{
    const auto it =
        std::find_if(std::begin(kInventory), std::end(kInventory),
                     [&](const OptionInfo &o) { return o.kind == kind && o.number == number; });
    Q_ASSERT(it != std::end(kInventory));
    return *it;
}

} // namespace

std::span<const OptionInfo> optionInventory()
{
    return kInventory;
}

const OptionInfo *findOption(QStringView name)
{
    for (const OptionInfo &option : kInventory) {
        if (name == QLatin1StringView(option.name))
            return &option;
    }
    return nullptr;
}

SliderRange sliderRange(int number)
{
    return find(OptionKind::Slider, number).range;
}

QString defaultText(int number)
{
    return QString::fromUtf8(find(OptionKind::Text, number).defaultText);
}

const OptionInfo &connectionOption()
{
    return find(OptionKind::Combo, 1);
}

const OptionInfo &textField(int number)
{
    return find(OptionKind::Text, number);
}

const OptionInfo &sliderOption(int number)
{
    return find(OptionKind::Slider, number);
}

const OptionInfo &checkOption(int number)
{
    return find(OptionKind::Check, number);
}

int defaultSliderValue(int number)
{
    return find(OptionKind::Slider, number).defaultValue;
}

OptionSnapshot::OptionSnapshot()
{
    for (int n = 1; n <= kTextCount; ++n)
        text(n) = defaultText(n);
    for (int n = 1; n <= kSliderCount; ++n)
        slider(n) = defaultSliderValue(n);
}

QString optionText(const char *text)
{
    if (!text || !*text)
        return {};
    return QCoreApplication::translate(kOptionTextContext, text);
}

} // namespace velmora
