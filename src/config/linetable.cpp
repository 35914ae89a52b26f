#include "config/linetable.h"

#include <QCoreApplication>
#include <QString>

#include <array>
#include <utility>

namespace velmora {

namespace {

constexpr ConnectionPreset kPresets[] = {
    {QT_TRANSLATE_NOOP("ConnectionType", "Модем 14400 бот"), "1000", "10", "15", "Modem 14400 bps"},
    {QT_TRANSLATE_NOOP("ConnectionType", "Модем 28800 бот"), "2500", "15", "20", "Modem 28800 bps"},
    {QT_TRANSLATE_NOOP("ConnectionType", "Модем 33600 бот"), "3000", "17", "25", "Modem 33600 bps"},
    {QT_TRANSLATE_NOOP("ConnectionType", "Модем 56000 бот"), "4100", "20", "30", "Modem 56000 bps"},
    {QT_TRANSLATE_NOOP("ConnectionType", "Двухканальный ISDN"), "6000", "30", "40",
     "Dual-channel ISDN"},
    {QT_TRANSLATE_NOOP("ConnectionType", "Кабельное соединение"), "8500", "30", "40",
     "Cable connection"},
    {QT_TRANSLATE_NOOP("ConnectionType", "xDSL/T1 и выше"), "10000", "30", "40",
     "xDSL/T1 and faster"},
    {QT_TRANSLATE_NOOP("ConnectionType", "LAN (10Mbps или 100 Mbps)"), "20000", "30", "40",
     "LAN (10Mbps or 100 Mbps)"},
};

constexpr const char *kConnectionTypeItems[] = {
    QT_TRANSLATE_NOOP("ConnectionType", "LAN (10Mbps или 100 Mbps)"),
    QT_TRANSLATE_NOOP("ConnectionType", "xDSL/T1 и выше"),
    QT_TRANSLATE_NOOP("ConnectionType", "Двухканальный ISDN"),
    QT_TRANSLATE_NOOP("ConnectionType", "Кабельное соединение"),
    QT_TRANSLATE_NOOP("ConnectionType", "Модем 14400 бот"),
    QT_TRANSLATE_NOOP("ConnectionType", "Модем 28800 бот"),
    QT_TRANSLATE_NOOP("ConnectionType", "Модем 33600 бот"),
    QT_TRANSLATE_NOOP("ConnectionType", "Модем 56000 бот"),
};

/// The order of the twelve lines every run writes; each control's row holds its command.
constexpr const char *kValueLineOrder[] = {
    "Text1",   "Text5",  "Text7",  "Text8",   "Text9",   "Slider1",
    "Slider2", "Text10", "Text11", "Slider3", "Slider4", "Slider5",
};

template<std::size_t... I>
std::array<ValueLine, sizeof...(I)> valueLinesOf(std::index_sequence<I...>)
{
    auto lineOf = [](const char *name) {
        const OptionInfo *option = findOption(QString::fromLatin1(name));
        return ValueLine{option->command, option->source, option->number};
    };
    return {lineOf(kValueLineOrder[I])...};
}

template<std::size_t... I>
std::array<CheckRow, sizeof...(I)> checkRowsOf(std::index_sequence<I...>)
{
    auto rowOf = [](int box) {
        const OptionInfo &option = checkOption(box);
        return CheckRow{box, option.checked, option.unchecked};
    };
    return {rowOf(int(I) + 1)...};
}

} // namespace

std::span<const ConnectionPreset> connectionPresets()
{
    return kPresets;
}

std::span<const char *const> connectionTypeItems()
{
    return kConnectionTypeItems;
}

QString shownConnectionName(const QString &name)
{
    for (const ConnectionPreset &preset : kPresets) {
        if (name == QString::fromUtf8(preset.comboText))
            return QCoreApplication::translate("ConnectionType", preset.comboText);
    }
    return name;
}

QString canonicalConnectionName(const QString &text)
{
    for (const ConnectionPreset &preset : kPresets) {
        if (text == QLatin1StringView(preset.englishName) ||
            text == QCoreApplication::translate("ConnectionType", preset.comboText))
            return QString::fromUtf8(preset.comboText);
    }
    return text;
}

std::span<const CheckRow> checkRows()
{
    static const auto rows = checkRowsOf(std::make_index_sequence<kCheckCount>());
    return rows;
}

const CheckRow &checkRow(int box)
{
    return checkRows()[box - 1];
}

std::span<const ValueLine> valueLines()
{
    static const auto lines = valueLinesOf(std::make_index_sequence<std::size(kValueLineOrder)>());
    return lines;
}

} // namespace velmora
