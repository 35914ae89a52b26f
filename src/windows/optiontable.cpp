#include "windows/optiontable.h"

#include "config/options.h"

#include <QtGlobal>

namespace velmora::optiontable {

namespace {

constexpr Cell label(const char *name, const char *caption)
{
    return {Control::Label, 0, name, caption};
}
/// The label before a field, a slider or Combo1: its text is that option's caption.
constexpr Cell captionOf(const char *name, const char *option)
{
    return {Control::Label, 0, name, nullptr, 0, 0, 0, option};
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
constexpr Cell check(int number, int width = 0, int height = 0)
{
    return {Control::Check, number, nullptr, nullptr, width, height};
}
constexpr Cell wrapCheck(int number, int width = 0, int height = 0)
{
    return {Control::WrapCheck, number, nullptr, nullptr, width, height};
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
    page("Frame9", QT_TRANSLATE_NOOP("Options", "Игра по сети"), 6975),
    frame("Frame9", "Frame1", QT_TRANSLATE_NOOP("Options", "Соединение"), 240, 1455),
    row("Frame1", 360, kControlLeft, captionOf("Label1", "Combo1"),
        Cell{Control::Combo, 1, nullptr, nullptr, 3615}, mark("Label6")),
    row("Frame1", 960, kControlLeft, captionOf("Label2", "Text1"), text(1, 1095), mark("Label7"),
        captionOf("Label3", "Text2"), text(2, 1095), mark("Label8")),
    frame("Frame9", "Frame5", QT_TRANSLATE_NOOP("Options", "Загрузка"), 1740, 1095),
    column("Frame5", 240, 6495, check(14), check(15), check(16)),

    page("Frame6", QT_TRANSLATE_NOOP("Options", "Графика"), 7095),
    column("Frame6", 240, 6855, check(2), check(3), check(5), check(37), check(13), check(33),
           check(29), check(42), check(41)),
    slider("Frame6", captionOf("Label21", "Slider2"), 2, 0, 2400, 4935),

    page("Frame8", QT_TRANSLATE_NOOP("Options", "Звук"), 6975),
    // 2175 twips high, Frame3 would reach 15 twips into Frame4 below it: it stops just short.
    frame("Frame8", "Frame3", QT_TRANSLATE_NOOP("Options", "Голосовая коммуникация"), 240, 2145),
    column("Frame3", 240, 6495, check(36), check(23), check(24), check(26), check(25), check(27)),
    slider("Frame3", captionOf("Label20", "Slider1"), 1, 2760, 1680, 3000),
    frame("Frame8", "Frame4", QT_TRANSLATE_NOOP("Options", "Настройка звука в игре"), 2400, 2175),
    // "Включить звук" is short; the volume field stands to its right, a little lower.
    row("Frame4", 240, kControlLeft, check(32, 0, kCheckHeight)),
    row("Frame4", 360, 2280, captionOf("Label24", "Text11"), text(11, 495),
        label("Label25", QT_TRANSLATE_NOOP("Options", "(от 0,1 до 100 )"))),
    column("Frame4", 720, 6495, check(9), check(10), check(21), check(31)),

    page("Frame2", QT_TRANSLATE_NOOP("Options", "Разное"), 7095),
    column("Frame2", 240, 6855, check(1), check(7), check(8), check(30), check(38), check(17),
           check(18), check(43)),
    // The caption ends where "Ваш ник:" begins.
    fixed("Frame2", wrapCheck(22), kControlLeft, 2160, 2655, 720),
    fixed("Frame2", text(4, 0), 2880, 2520, 3975, kFieldHeight),
    row("Frame2", 2880, kControlLeft, captionOf("Label12", "Text5"), moveTo(2880), text(5, 3975),
        mark("Label11")),
    row("Frame2", 3360, kControlLeft, captionOf("Label4", "Text7"), text(7, 375), mark("Label13"),
        plainLabel("Label10", QT_TRANSLATE_NOOP("Options", "МИН (от 1 до 9)"))),
    row("Frame2", 3720, kControlLeft, captionOf("Label14", "Text8"), text(8, 375), mark("Label16"),
        plainLabel("Label15", QT_TRANSLATE_NOOP("Options", "СЕК"))),
    row("Frame2", 4200, kControlLeft, captionOf("Label17", "Text9"), text(9, 555), mark("Label18"),
        plainLabel("Label19", QT_TRANSLATE_NOOP("Options", "СЕК"))),
    column("Frame2", 4680, 6855, check(28)),

    page("Frame7", QT_TRANSLATE_NOOP("Options", "Полезности"), 6975),
    column("Frame7", 240, 6735, check(12), check(11)),
    row("Frame7", 720, kControlLeft, check(34, 2655, kFieldHeight), moveTo(2880), text(6, 3975)),
    // The caption is long: it wraps onto a second line rather than push the field out.
    row("Frame7", 1200, kControlLeft, wrapCheck(39, 4455, 480), text(3, 1575), mark("Label9")),
    column("Frame7", 1680, 6735, check(35), check(4), check(40)),
    row("Frame7", 2400, kControlLeft, captionOf("Label22", "Text10"), text(10, 315),
        label("Label23", QT_TRANSLATE_NOOP("Options", "( 0 - лево; 1 - право; 2 - середина ) "))),
    slider("Frame7", captionOf("Label26", "Slider3"), 3, 2880, 2880, 3375),
    slider("Frame7", captionOf("Label27", "Slider4"), 4, 2880, 3240, 3375),
    slider("Frame7", captionOf("Label28", "Slider5"), 5, 2880, 3720, 3375),

    page("Frame10", "POD-BOT 2.5", 7095),
    fixed("Frame10", Cell{Control::Pod, kPodBox}, kControlLeft, 240, 4935, kCheckHeight),
    // Shown only while `pod` is ticked.
    frame("Frame10", "Frame11", QT_TRANSLATE_NOOP("Options", "Приколы"), 600, 1215, 120, 6855),
    column("Frame11", 240, 6615, check(6), check(19), check(20)),
};

} // namespace

std::span<const Step> optionPageSteps()
{
    return kSteps;
}

} // namespace velmora::optiontable
