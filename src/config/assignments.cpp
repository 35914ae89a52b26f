#include "config/assignments.h"

#include "config/linetable.h"

namespace velmora {

namespace {

/// A whole decimal integer: optional sign, then digits only.
bool parseInteger(QStringView text, int *value)
{
    QStringView digits = text;
    if (digits.startsWith(u'-') || digits.startsWith(u'+'))
        digits = digits.mid(1);
    if (digits.isEmpty())
        return false;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
    }
    bool ok = false;
    *value = text.toInt(&ok);
    return ok;
}

} // namespace

QString applyAssignment(OptionSnapshot &options, QStringView argument)
{
    const qsizetype equals = argument.indexOf(u'=');
    if (equals < 0)
        return QStringLiteral("expected NAME=VALUE");
    const QStringView name = argument.left(equals);
    const QStringView value = argument.mid(equals + 1);

    const OptionInfo *option = findOption(name);
    if (!option)
        return QStringLiteral("unknown control \"%1\"").arg(name);

    switch (option->kind) {
    case OptionKind::Combo:
        options.combo1 = canonicalConnectionName(value.toString());
        return {};
    case OptionKind::Text:
        options.text(option->number) = value.toString();
        return {};
    case OptionKind::Slider: {
        int position = 0;
        const SliderRange range = option->range;
        if (!parseInteger(value, &position) || !range.contains(position))
            return QStringLiteral("%1 takes a whole number from %2 to %3")
                .arg(name)
                .arg(range.min)
                .arg(range.max);
        options.slider(option->number) = position;
        return {};
    }
    case OptionKind::Check: {
        if (value != u"0" && value != u"1" && value != u"2")
            return QStringLiteral("%1 takes 0 (unchecked), 1 (checked) or 2 (grayed)").arg(name);
        options.check(option->number) = CheckValue(value.at(0).digitValue());
        return {};
    }
    }
    return QStringLiteral("unknown control \"%1\"").arg(name);
}

QStringList assignmentsFor(const OptionSnapshot &options)
{
    const OptionSnapshot startUp;
    QStringList arguments;
    for (const OptionInfo &option : optionInventory()) {
        const QString name = QString::fromLatin1(option.name);
        switch (option.kind) {
        case OptionKind::Combo:
            if (options.combo1 != startUp.combo1)
                arguments.append(name + u'=' + options.combo1);
            break;
        case OptionKind::Text:
            if (options.text(option.number) != startUp.text(option.number))
                arguments.append(name + u'=' + options.text(option.number));
            break;
        case OptionKind::Slider:
            if (options.slider(option.number) != startUp.slider(option.number))
                arguments.append(name + u'=' + QString::number(options.slider(option.number)));
            break;
        case OptionKind::Check: {
            const CheckValue value = options.check(option.number);
            if (value != CheckValue::Unchecked)
                arguments.append(name + u'=' + QString::number(int(value)));
            break;
        }
        }
    }
    return arguments;
}

} // namespace velmora
