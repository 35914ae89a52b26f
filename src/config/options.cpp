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

// The lines of the check boxes. A plain switch writes "1" when checked and "0" when unchecked.
#define VELMORA_SWITCH(n, command)                                                                 \
    constexpr CheckLine kOn##n[] = {valued(command, "1")};                                         \
    constexpr CheckLine kOff##n[] = {valued(command, "0")};

VELMORA_SWITCH(1, "r_mmx ")
VELMORA_SWITCH(2, "r_decals ")
VELMORA_SWITCH(3, "r_drawviewmodel ")
VELMORA_SWITCH(4, "sv_cheats ")
VELMORA_SWITCH(7, "joystick ")
VELMORA_SWITCH(8, "m_filter ")
VELMORA_SWITCH(9, "s_a3d ")
VELMORA_SWITCH(10, "s_eax ")
VELMORA_SWITCH(11, "net_graph ")
VELMORA_SWITCH(12, "hud_fastswitch ")
VELMORA_SWITCH(14, "cl_allowdownload ")
VELMORA_SWITCH(15, "cl_allowupload ")
VELMORA_SWITCH(16, "cl_download_ingame ")
VELMORA_SWITCH(17, "cl_lc ")
VELMORA_SWITCH(18, "cl_lw ")
VELMORA_SWITCH(21, "mp_footsteps ")
VELMORA_SWITCH(28, "mp_autoteambalance ")
VELMORA_SWITCH(30, "hud_centerid ")
VELMORA_SWITCH(31, "hisound ")
VELMORA_SWITCH(33, "cl_himodels ")
VELMORA_SWITCH(35, "mp_friendlyfire ")
VELMORA_SWITCH(36, "voice_enable ")
VELMORA_SWITCH(40, "crosshair ")
VELMORA_SWITCH(42, "hud_draw ")

#undef VELMORA_SWITCH

// Two-way rows whose lines differ in another way.
constexpr CheckLine kOn5[] = {valued("max_shells ", "999999999")};
constexpr CheckLine kOff5[] = {valued("max_shells ", "0")};
constexpr CheckLine kOn29[] = {bare("drawradar")};
constexpr CheckLine kOff29[] = {bare("hideradar")};
constexpr CheckLine kOn32[] = {valued("nosound ", "0")}; // "Включить звук" turns nosound off
constexpr CheckLine kOff32[] = {valued("nosound ", "1")};
// The game holds the weapon in the right hand at cl_righthand 1 and in the left at 0.
constexpr CheckLine kOn37[] = {valued("cl_righthand ", "1")};
constexpr CheckLine kOff37[] = {valued("setinfo lefthand ", "1")};
constexpr CheckLine kOn38[] = {keyValue("_vgui_menus", "0")};
constexpr CheckLine kOff38[] = {keyValue("_vgui_menus", "1")};
constexpr CheckLine kOn39[] = {valued("console ", "1"),
                               valuedFromField("scr_conspeed ", kConsoleSpeed)};
constexpr CheckLine kOff39[] = {valued("console ", "0")};
constexpr CheckLine kOn41[] = {valued("gl_overbright ", "0")}; // darker picture: overbright off
constexpr CheckLine kOff41[] = {valued("gl_overbright ", "1")};
constexpr CheckLine kOn43[] = {bare("+mlook")};
constexpr CheckLine kOff43[] = {bare("-mlook")};

// One-way rows: lines only when checked.
constexpr CheckLine kOn6[] = {bare("omg itstoodark")};
constexpr CheckLine kOn13[] = {bare("gunsmoke")};
constexpr CheckLine kOn19[] = {bare("omg itsnewyear")};
// POD-Bot's own word for its fun mode that lights terrorists red and counter-terrorists blue.
constexpr CheckLine kOn20[] = {bare("omg tronisback")};
constexpr CheckLine kOn22[] = {valuedFromField("sv_contact ", kContact)};
constexpr CheckLine kOn23[] = {valued("voice_loopback ", "1")};
constexpr CheckLine kOn24[] = {valued("voice_overdrive ", "2"),
                               valued("voice_overdrivefadetime ", "0.4")};
constexpr CheckLine kOn25[] = {valued("voice_avggain ", "0.3")};
constexpr CheckLine kOn26[] = {valued("voice_fadeouttime ", "0.1")};
constexpr CheckLine kOn27[] = {valued("voice_maxgain ", "3")};
constexpr CheckLine kOn34[] = {valuedFromField("mp_startmoney ", kStartMoney)};

constexpr std::span<const CheckLine> kNothing;

enum class Entry { Free, Digits };

constexpr OptionInfo combo(const char *name, const char *caption, const char *tipNote)
{
    return {.name = name,
            .kind = OptionKind::Combo,
            .number = 1,
            .caption = caption,
            .defaultText = "",
            .tipNote = tipNote};
}
constexpr OptionInfo text(const char *name, int n, const char *caption, const char *value,
                          Entry entry, int maxLength, qsizetype byteCap,
                          const char *command = nullptr, ValueSource source = ValueSource::None)
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
            .source = source};
}
constexpr OptionInfo slider(const char *name, int n, const char *caption, int value, int min,
                            int max, const char *command, const char *tipNote = nullptr)
{
    return {.name = name,
            .kind = OptionKind::Slider,
            .number = n,
            .caption = caption,
            .defaultValue = value,
            .range = {min, max},
            .command = command,
            .source = ValueSource::Slider,
            .tipNote = tipNote};
}
constexpr OptionInfo check(const char *name, int n, const char *caption,
                           std::span<const CheckLine> checked, std::span<const CheckLine> unchecked,
                           const char *tipNote = nullptr)
{
    return {.name = name,
            .kind = OptionKind::Check,
            .number = n,
            .caption = caption,
            .defaultValue = int(CheckValue::Unchecked),
            .range = {0, 2},
            .checked = checked,
            .unchecked = unchecked,
            .tipNote = tipNote};
}

constexpr qsizetype kCap = kValueByteCap;
constexpr auto kDigits = Entry::Digits;
constexpr auto kFree = Entry::Free;
constexpr auto kAsTyped = ValueSource::Text;

// Every start shows these values: nothing of the option state is stored between runs.
constexpr OptionInfo kInventory[] = {
    combo("Combo1", QT_TRANSLATE_NOOP("Options", "Тип соединения:"),
          QT_TRANSLATE_NOOP("Options",
                            "Игра хранит rate не в config.cfg, а в hl.conf, общем для всех игр на "
                            "движке Half-Life, и читает его уже после файлов настроек, так что "
                            "значение оттуда может заменить строку rate.")),
    // name, number, the label before it, start-up text, what the field lets through, its length
    // limit, its byte cap, the line every run writes with it
    text("Text1", kLowestPing, QT_TRANSLATE_NOOP("Options", "Пинг от"), "", kDigits, 0, 0,
         "cl_latency ", ValueSource::Latency),
    text("Text2", kHighestPing, QT_TRANSLATE_NOOP("Options", "до"), "", kDigits, 0, 0),
    text("Text3", kConsoleSpeed, "", "999999999", kDigits, 0, kCap),
    text("Text4", kContact, "", "player@example.org", kFree, 0, kContactByteCap),
    text("Text5", kNick, QT_TRANSLATE_NOOP("Options", "Ваш ник:"), "Player", kFree, 0, kNickByteCap,
         "name ", kAsTyped),
    text("Text6", kStartMoney, "", "800", kDigits, 6, kCap),
    text("Text7", kRoundTime, QT_TRANSLATE_NOOP("Options", "Время в течении которого длится раунд"),
         "5", kDigits, 1, kCap, "mp_roundtime ", kAsTyped),
    text("Text8", kBuyTime,
         QT_TRANSLATE_NOOP("Options", "Время в начале игры отведённое для покупки оружия:"), "5",
         kDigits, 1, kCap, "mp_freezetime ", kAsTyped),
    text("Text9", kCorpseTime,
         QT_TRANSLATE_NOOP("Options", "Время в течении которого трупы остаются на земле:"), "600",
         kDigits, 3, kCap, "cl_corpsestay ", kAsTyped),
    text("Text10", kNetGraphPosition, QT_TRANSLATE_NOOP("Options", "Позиция NetGraph"), "1", kFree,
         1, kCap, "net_graphpos ", kAsTyped),
    text("Text11", kVolume, QT_TRANSLATE_NOOP("Options", "Громкость звука"), "0.8", kFree, 3, kCap,
         "volume ", ValueSource::Volume),
    slider("Slider1", 1, QT_TRANSLATE_NOOP("Options", "Чуствительность голоса"), 1, 1, 10,
           "voice_scale "),
    // The game's own limits on fps_max come with the command table's note.
    slider("Slider2", 2, QT_TRANSLATE_NOOP("Options", "Максимальное FPS"), 72, 1, 200, "fps_max "),
    slider("Slider3", 3, QT_TRANSLATE_NOOP("Options", "Скорость движения вперёд"), 400, 1, 500,
           "cl_forwardspeed "),
    slider("Slider4", 4, QT_TRANSLATE_NOOP("Options", "Скорость движения назад"), 400, 1, 500,
           "cl_backspeed "),
    slider("Slider5", 5, QT_TRANSLATE_NOOP("Options", "Скорость движения мыши"), 15, 1, 20,
           "sensitivity "),
    check("Check1", 1, QT_TRANSLATE_NOOP("Options", "Поддержка MMX"), kOn1, kOff1),
    check("Check2", 2, QT_TRANSLATE_NOOP("Options", "Кровь, следы от пуль и т.д"), kOn2, kOff2),
    check("Check3", 3, QT_TRANSLATE_NOOP("Options", "Показ оружия на экране"), kOn3, kOff3),
    check("Check4", 4, QT_TRANSLATE_NOOP("Options", "Включить режим читов"), kOn4, kOff4),
    check("Check5", 5, QT_TRANSLATE_NOOP("Options", "Показ гильз"), kOn5, kOff5),
    check("Check6", 6, QT_TRANSLATE_NOOP("Options", "Вокруг ботов светится ореал света"), kOn6,
          kNothing),
    check("Check7", 7, QT_TRANSLATE_NOOP("Options", "Поддержка джойстика"), kOn7, kOff7),
    check("Check8", 8, QT_TRANSLATE_NOOP("Options", "Плавное перемищение курсора"), kOn8, kOff8),
    check("Check9", 9, QT_TRANSLATE_NOOP("Options", "Звук  A3D"), kOn9, kOff9),
    check("Check10", 10, QT_TRANSLATE_NOOP("Options", "Звук  EAX"), kOn10, kOff10),
    check("Check11", 11, QT_TRANSLATE_NOOP("Options", "Включить NetGraph"), kOn11, kOff11),
    check("Check12", 12, QT_TRANSLATE_NOOP("Options", "Быстрое переключение оружия"), kOn12,
          kOff12),
    check("Check13", 13, QT_TRANSLATE_NOOP("Options", "Дым из ствола (как в фильмах)"), kOn13,
          kNothing),
    check("Check14", 14, QT_TRANSLATE_NOOP("Options", "Разрешить загрузку с сервера "), kOn14,
          kOff14),
    check("Check15", 15, QT_TRANSLATE_NOOP("Options", "Разрешить загрузку с клиента"), kOn15,
          kOff15),
    check("Check16", 16, QT_TRANSLATE_NOOP("Options", "Загрузка файлов во время игры"), kOn16,
          kOff16),
    check("Check17", 17, QT_TRANSLATE_NOOP("Options", "Оптимизация скорости"), kOn17, kOff17),
    check("Check18", 18, QT_TRANSLATE_NOOP("Options", "Оптимизация оружия"), kOn18, kOff18),
    check("Check19", 19, QT_TRANSLATE_NOOP("Options", "Боты празднуют Новый год"), kOn19, kNothing),
    check("Check20", 20, QT_TRANSLATE_NOOP("Options", "Контры светятся синем, а тероры красным"),
          kOn20, kNothing),
    check("Check21", 21, QT_TRANSLATE_NOOP("Options", "Звук шагов"), kOn21, kOff21),
    check("Check22", 22,
          QT_TRANSLATE_NOOP("Options",
                            "Хочу в вести свою контактную информацию (E-amil, Web или Тел.) :"),
          kOn22, kNothing),
    check("Check23", 23,
          QT_TRANSLATE_NOOP("Options", "Что вы говорите будет слышно вам также как и другим"),
          kOn23, kNothing),
    check("Check24", 24, QT_TRANSLATE_NOOP("Options", "Ослаблять все звуки в момент разговора"),
          kOn24, kNothing),
    check("Check25", 25, QT_TRANSLATE_NOOP("Options", "Удаление шума"), kOn25, kNothing),
    check("Check26", 26, QT_TRANSLATE_NOOP("Options", "Удалить затухание голоса"), kOn26, kNothing),
    check("Check27", 27, QT_TRANSLATE_NOOP("Options", "Сглаживание голоса"), kOn27, kNothing),
    check("Check28", 28, QT_TRANSLATE_NOOP("Options", "Автомотически болансировать команды"), kOn28,
          kOff28),
    check("Check29", 29, QT_TRANSLATE_NOOP("Options", "Показывать радар"), kOn29, kOff29),
    check("Check30", 30, QT_TRANSLATE_NOOP("Options", "Показывать имя игрока в центре"), kOn30,
          kOff30),
    check("Check31", 31, QT_TRANSLATE_NOOP("Options", "Включить высококачественный звук"), kOn31,
          kOff31),
    check("Check32", 32, QT_TRANSLATE_NOOP("Options", "Включить звук"), kOn32, kOff32),
    check("Check33", 33,
          QT_TRANSLATE_NOOP("Options", "Режим высокого качества отбражения моделей игроков "),
          kOn33, kOff33),
    check("Check34", 34, QT_TRANSLATE_NOOP("Options", "Деньги в начале игры:"), kOn34, kNothing,
          QT_TRANSLATE_NOOP("Options", "Игра держит сумму между 800 и 16000.")),
    check("Check35", 35, QT_TRANSLATE_NOOP("Options", "Можно стрелять в членов команды"), kOn35,
          kOff35),
    check("Check36", 36, QT_TRANSLATE_NOOP("Options", "Использовать голосовую комуникацию"), kOn36,
          kOff36),
    check("Check37", 37, QT_TRANSLATE_NOOP("Options", "Показывать оружие в правой руке"), kOn37,
          kOff37,
          QT_TRANSLATE_NOOP("Options",
                            "Игра держит оружие в правой руке при cl_righthand 1 и в левой при 0. "
                            "Строка setinfo lefthand ни на что не влияет (этот ключ никто не "
                            "читает), но игра с тех пор хранит его в config.cfg.")),
    check("Check38", 38,
          QT_TRANSLATE_NOOP("Options", "Меню без рисунков и указателя мыши (текстовое)"), kOn38,
          kOff38),
    check("Check39", 39,
          QT_TRANSLATE_NOOP("Options", "Я использую консоль и скорость выпадения равно:"), kOn39,
          kOff39),
    check("Check40", 40, QT_TRANSLATE_NOOP("Options", "Показать прицел"), kOn40, kOff40),
    check("Check41", 41, QT_TRANSLATE_NOOP("Options", "Темнее изображение (типо сумерки)"), kOn41,
          kOff41,
          QT_TRANSLATE_NOOP("Options",
                            "В юбилейной сборке место gl_overbright занял gl_use_shaders, который "
                            "сервер может запретить (sv_allow_shaders). Какое его значение даёт "
                            "картинку темнее, не подтверждено, поэтому Velmora его не пишет.")),
    check("Check42", 42, QT_TRANSLATE_NOOP("Options", "Показывать хунды"), kOn42, kOff42),
    check("Check43", 43, QT_TRANSLATE_NOOP("Options", "Обзор мышкой"), kOn43, kOff43),
    check("pod", 0, QT_TRANSLATE_NOOP("Options", "Я играю с POD BOT 2.5"), kNothing, kNothing),
};

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
