#include "config/linetable.h"

#include <QCoreApplication>
#include <QString>

#include <array>

namespace velmora {

namespace {

constexpr ConnectionPreset kPresets[] = {
    {QT_TRANSLATE_NOOP("ConnectionType", "Модем 14400 бот"),
     {"1000", "10", "15"},
     "Modem 14400 bps"},
    {QT_TRANSLATE_NOOP("ConnectionType", "Модем 28800 бот"),
     {"2500", "15", "20"},
     "Modem 28800 bps"},
    {QT_TRANSLATE_NOOP("ConnectionType", "Модем 33600 бот"),
     {"3000", "17", "25"},
     "Modem 33600 bps"},
    {QT_TRANSLATE_NOOP("ConnectionType", "Модем 56000 бот"),
     {"4100", "20", "30"},
     "Modem 56000 bps"},
    {QT_TRANSLATE_NOOP("ConnectionType", "Двухканальный ISDN"),
     {"6000", "30", "40"},
     "Dual-channel ISDN"},
    {QT_TRANSLATE_NOOP("ConnectionType", "Кабельное соединение"),
     {"8500", "30", "40"},
     "Cable connection"},
    {QT_TRANSLATE_NOOP("ConnectionType", "xDSL/T1 и выше"),
     {"10000", "30", "40"},
     "xDSL/T1 and faster"},
    {QT_TRANSLATE_NOOP("ConnectionType", "LAN (10Mbps или 100 Mbps)"),
     {"20000", "30", "40"},
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
    static const auto rows = [] {
        std::array<CheckRow, kBoxCount> boxes{};
        for (int box = 1; box <= kBoxCount; ++box) {
            const OptionInfo &option = checkOption(box);
            boxes[box - 1] = CheckRow{box, option.checked, option.unchecked};
        }
        return boxes;
    }();
    return rows;
}

const CheckRow &checkRow(int box)
{
    return checkRows()[box - 1];
}

std::span<const ValueLine> valueLines()
{
    // In the order of the places the rows give their lines (each place is held once: options.cpp
    // checks it as it compiles).
    static const auto lines = [] {
        std::array<ValueLine, kValueLineCount> ordered{};
        for (const OptionInfo &option : optionInventory()) {
            if (option.linePlace > 0)
                ordered[option.linePlace - 1] = {option.command, option.source, option.number};
        }
        return ordered;
    }();
    return lines;
}

} // namespace velmora
