#include "windows/optiontable.h"

namespace velmora::optiontable {

namespace {

constexpr Cell label(const char *name, const char *caption)
{
    return {Control::Label, 0, name, caption};
}
constexpr Cell plainLabel(const char *name, const char *caption)
{
    return {Control::PlainLabel, 0, name, caption};
}
constexpr Cell mark(const char *name)
{
    return {Control::Mark, 0, name, nullptr, 0, kMarkHeight};
}
constexpr Cell text(int number, int width)
{
    return {Control::Text, number, nullptr, nullptr, width};
}
constexpr Cell check(int number, const char *caption, int width = 0, int height = 0)
{
    return {Control::Check, number, nullptr, caption, width, height};
}
constexpr Cell wrapCheck(int number, const char *caption, int width = 0, int height = 0)
{
    return {Control::WrapCheck, number, nullptr, caption, width, height};
}
constexpr Cell moveTo(int left)
{
    return {Control::MoveTo, 0, nullptr, nullptr, 0, 0, left};
}

constexpr Step page(const char *name, const char *caption, int width)
{
    return {Block::Page, nullptr, name, caption, kPageLeft, kPageTop, width, kPageHeight};
}
constexpr Step frame(const char *in, const char *name, const char *caption, int top, int height,
                     int left = 120, int width = 6735)
{
    return {Block::Frame, in, name, caption, left, top, width, height};
}
template<class... Cells>
constexpr Step row(const char *in, int top, int left, Cells... cells)
{
    return {Block::Row, in, nullptr, nullptr, left, top, 0, 0, {cells...}};
}
template<class... Cells>
constexpr Step column(const char *in, int top, int width, Cells... checks)
{
    return {Block::Column, in, nullptr, nullptr, kControlLeft, top, width, 0, {checks...}};
}
constexpr Step slider(const char *in, Cell caption, int number, int left, int top, int width)
{
    return {Block::Slider,
            in,
            nullptr,
            nullptr,
            left,
            top,
            width,
            kSliderHeight,
            {caption, Cell{Control::None, number}}};
}
constexpr Step fixed(const char *in, Cell cell, int left, int top, int width, int height)
{
    return {Block::Fixed, in, nullptr, nullptr, left, top, width, height, {cell}};
}

constexpr Step kSteps[] = {
    page("Frame9", "Игра по сети", 6975),
    frame("Frame9", "Frame1", "Соединение", 240, 1455),
    row("Frame1", 360, kControlLeft, label("Label1", "Тип соединения:"),
        Cell{Control::Combo, 1, nullptr, nullptr, 3615}, mark("Label6")),
    row("Frame1", 960, kControlLeft, label("Label2", "Пинг от"), text(1, 1095), mark("Label7"),
        label("Label3", "до"), text(2, 1095), mark("Label8")),
    frame("Frame9", "Frame5", "Загрузка", 1740, 1095),
    column("Frame5", 240, 6495, check(14, "Разрешить загрузку с сервера "),
           check(15, "Разрешить загрузку с клиента"), check(16, "Загрузка файлов во время игры")),

    page("Frame6", "Графика", 7095),
    column("Frame6", 240, 6855, check(2, "Кровь, следы от пуль и т.д"),
           check(3, "Показ оружия на экране"), check(5, "Показ гильз"),
           check(37, "Показывать оружие в правой руке"), check(13, "Дым из ствола (как в фильмах)"),
           check(33, "Режим высокого качества отбражения моделей игроков "),
           check(29, "Показывать радар"), check(42, "Показывать хунды"),
           check(41, "Темнее изображение (типо сумерки)")),
    slider("Frame6", label("Label21", "Максимальное FPS"), 2, 0, 2400, 4935),

    page("Frame8", "Звук", 6975),
    // 2175 twips high, Frame3 would reach 15 twips into Frame4 below it: it stops just short.
    frame("Frame8", "Frame3", "Голосовая коммуникация", 240, 2145),
    column("Frame3", 240, 6495, check(36, "Использовать голосовую комуникацию"),
           check(23, "Что вы говорите будет слышно вам также как и другим"),
           check(24, "Ослаблять все звуки в момент разговора"),
           check(26, "Удалить затухание голоса"), check(25, "Удаление шума"),
           check(27, "Сглаживание голоса")),
    slider("Frame3", label("Label20", "Чуствительность голоса"), 1, 2760, 1680, 3000),
    frame("Frame8", "Frame4", "Настройка звука в игре", 2400, 2175),
    // "Включить звук" is short; the volume field stands to its right, a little lower.
    row("Frame4", 240, kControlLeft, check(32, "Включить звук", 0, kCheckHeight)),
    row("Frame4", 360, 2280, label("Label24", "Громкость звука"), text(11, 495),
        label("Label25", "(от 0,1 до 100 )")),
    column("Frame4", 720, 6495, check(9, "Звук  A3D"), check(10, "Звук  EAX"),
           check(21, "Звук шагов"), check(31, "Включить высококачественный звук")),

    page("Frame2", "Разное", 7095),
    column("Frame2", 240, 6855, check(1, "Поддержка MMX"), check(7, "Поддержка джойстика"),
           check(8, "Плавное перемищение курсора"), check(30, "Показывать имя игрока в центре"),
           check(38, "Меню без рисунков и указателя мыши (текстовое)"),
           check(17, "Оптимизация скорости"), check(18, "Оптимизация оружия"),
           check(43, "Обзор мышкой")),
    // The caption ends where "Ваш ник:" begins.
    fixed("Frame2",
          wrapCheck(22, "Хочу в вести свою контактную информацию (E-amil, Web или Тел.) :"),
          kControlLeft, 2160, 2655, 720),
    fixed("Frame2", text(4, 0), 2880, 2520, 3975, kFieldHeight),
    row("Frame2", 2880, kControlLeft, label("Label12", "Ваш ник:"), moveTo(2880), text(5, 3975),
        mark("Label11")),
    row("Frame2", 3360, kControlLeft, label("Label4", "Время в течении которого длится раунд"),
        text(7, 375), mark("Label13"), plainLabel("Label10", "МИН (от 1 до 9)")),
    row("Frame2", 3720, kControlLeft,
        label("Label14", "Время в начале игры отведённое для покупки оружия:"), text(8, 375),
        mark("Label16"), plainLabel("Label15", "СЕК")),
    row("Frame2", 4200, kControlLeft,
        label("Label17", "Время в течении которого трупы остаются на земле:"), text(9, 555),
        mark("Label18"), plainLabel("Label19", "СЕК")),
    column("Frame2", 4680, 6855, check(28, "Автомотически болансировать команды")),

    page("Frame7", "Полезности", 6975),
    column("Frame7", 240, 6735, check(12, "Быстрое переключение оружия"),
           check(11, "Включить NetGraph")),
    row("Frame7", 720, kControlLeft, check(34, "Деньги в начале игры:", 2655, kFieldHeight),
        moveTo(2880), text(6, 3975)),
    // The caption is long: it wraps onto a second line rather than push the field out.
    row("Frame7", 1200, kControlLeft,
        wrapCheck(39, "Я использую консоль и скорость выпадения равно:", 4455, 480), text(3, 1575),
        mark("Label9")),
    column("Frame7", 1680, 6735, check(35, "Можно стрелять в членов команды"),
           check(4, "Включить режим читов"), check(40, "Показать прицел")),
    row("Frame7", 2400, kControlLeft, label("Label22", "Позиция NetGraph"), text(10, 315),
        label("Label23", "( 0 - лево; 1 - право; 2 - середина ) ")),
    slider("Frame7", label("Label26", "Скорость движения вперёд"), 3, 2880, 2880, 3375),
    slider("Frame7", label("Label27", "Скорость движения назад"), 4, 2880, 3240, 3375),
    slider("Frame7", label("Label28", "Скорость движения мыши"), 5, 2880, 3720, 3375),

    page("Frame10", "POD-BOT 2.5", 7095),
    fixed("Frame10", Cell{Control::Pod, 0, "pod", "Я играю с POD BOT 2.5"}, kControlLeft, 240, 4935,
          kCheckHeight),
    // Shown only while `pod` is ticked.
    frame("Frame10", "Frame11", "Приколы", 600, 1215, 120, 6855),
    column("Frame11", 240, 6615, check(6, "Вокруг ботов светится ореал света"),
           check(19, "Боты празднуют Новый год"),
           check(20, "Контры светятся синем, а тероры красным")),
};

} // namespace

std::span<const Step> optionPageSteps()
{
    return kSteps;
}

} // namespace velmora::optiontable
