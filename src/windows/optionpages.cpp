#include "windows/optionpages.h"

#include "config/consolevalue.h"
#include "config/digitfilter.h"
#include "config/linetable.h"
#include "ui/digitkeyfilter.h"
#include "ui/fonts.h"
#include "ui/slider.h"
#include "ui/twips.h"
#include "ui/wrapcheckbox.h"
#include "windows/optiontable.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace velmora {

using namespace optiontable;

namespace {

const QString kCaptionedFrameStyle = QStringLiteral(
    "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 6px; }"
    "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
    " left: 7px; padding: 0 2px; }");

QString numbered(const char *prefix, int number)
{
    return QLatin1StringView(prefix) + QString::number(number);
}

CheckValue checkValue(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return CheckValue::Checked;
    case Qt::PartiallyChecked:
        return CheckValue::Grayed;
    default:
        return CheckValue::Unchecked;
    }
}

/// A cell's caption: its own, or that of the option it stands for.
QString captionOf(const Cell &cell)
{
    if (cell.caption)
        return optionText(cell.caption);
    const OptionInfo *option = nullptr;
    if (cell.option)
        option = findOption(QString::fromLatin1(cell.option));
    else if (cell.control == Control::Check || cell.control == Control::WrapCheck ||
             cell.control == Control::Pod)
        option = &checkOption(cell.number);
    return option ? optionText(option->caption) : QString();
}

/// Grayed is the state a read config gives a check box whose lines it lacks; the player's first
/// click leaves it for good, since clicks only ever check and uncheck.
void setCheckValue(QCheckBox *box, CheckValue value)
{
    if (value != CheckValue::Grayed) {
        box->setTristate(false);
        box->setChecked(value == CheckValue::Checked);
        return;
    }
    box->setCheckState(Qt::PartiallyChecked);
    QObject::connect(
        box, &QCheckBox::clicked, box, [box] { box->setTristate(false); },
        Qt::SingleShotConnection);
}

QLabel *createLabel(QWidget *parent, const Cell &cell, bool ownFont)
{
    auto *label = new QLabel(captionOf(cell), parent);
    label->setObjectName(QLatin1StringView(cell.name));
    if (ownFont)
        label->setFont(ui::arialFont(9.75));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

} // namespace

QLabel *createRedLabel(QWidget *parent, const char *objectName, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1StringView(objectName));
    label->setFont(ui::arialFont(14.25));
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    label->setPalette(red);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

OptionPages::OptionPages(QWidget *parent)
    : ui::TabControl(parent)
    , m_digitFilter(new ui::DigitKeyFilter(this))
{
    setObjectName(QStringLiteral("SSTab1"));
    setRowHeight(ui::twips(this, kHeaderRowHeight));
    buildFromTable();
    // The pings, the drop speed, money and the times. The pings are read as numbers; the others
    // are written as they stand, no longer than the console reads a word.
    for (int n = 1; n <= kTextCount; ++n) {
        if (textField(n).digitsOnly)
            m_digitFilter->attach(text(n), n >= 3 ? textByteCap(n) : 0);
    }
    // The volume and the NetGraph position: the game reads a number there, and only a number.
    for (const int n : {field::kNetGraphPosition, field::kVolume}) {
        text(n)->setValidator(
            new ui::DigitValidator(textByteCap(n), text(n), numberForm(n) == NumberForm::Decimal));
    }

    m_botExtras = qobject_cast<QGroupBox *>(m_containers.value(QStringLiteral("Frame11")));
    m_botExtras->hide();
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &OptionPages::updateBotExtras);
    m_timer->start();

    setCurrentIndex(2); // "Звук"
}

void OptionPages::buildFromTable()
{
    const ui::TwipScale tw(this);
    for (const Step &step : optionPageSteps()) {
        QWidget *parent = step.in ? m_containers.value(QLatin1StringView(step.in)) : nullptr;
        switch (step.block) {
        case Block::Page: {
            auto *page = new QGroupBox(this);
            page->setObjectName(QLatin1StringView(step.name));
            addTab(page, optionText(step.caption));
            page->setGeometry(tw.rect(step.left, step.top, step.width, step.height));
            m_containers.insert(page->objectName(), page);
            break;
        }
        case Block::Frame:
            m_containers.insert(QLatin1StringView(step.name), createFrame(tw, step, parent));
            break;
        case Block::Row:
            placeRow(tw, step, parent);
            break;
        case Block::Column:
            placeColumn(tw, step, parent);
            break;
        case Block::Slider:
            placeSlider(tw, step, parent);
            break;
        case Block::Fixed:
            createControl(parent, step.cells[0])
                ->setGeometry(tw.rect(step.left, step.top, step.width, step.height));
            break;
        }
    }
}

QWidget *OptionPages::createControl(QWidget *parent, const Cell &cell)
{
    const QString caption = captionOf(cell);
    switch (cell.control) {
    case Control::Label:
    case Control::PlainLabel:
        return createLabel(parent, cell, cell.control == Control::Label);
    case Control::Mark:
        return createRedLabel(parent, cell.name, QStringLiteral("*"));
    case Control::Text: {
        auto *edit = new QLineEdit(defaultText(cell.number), parent);
        edit->setObjectName(numbered("Text", cell.number));
        edit->setFont(ui::arialFont(9.75));
        return m_texts[cell.number - 1] = edit;
    }
    case Control::Check:
    case Control::WrapCheck: {
        QCheckBox *box = cell.control == Control::Check ? new QCheckBox(caption, parent)
                                                        : new ui::WrapCheckBox(caption, parent);
        box->setObjectName(numbered("Check", cell.number));
        box->setFont(ui::arialFont(9.75));
        return m_checks[cell.number - 1] = box;
    }
    case Control::Combo:
        return createCombo(parent);
    case Control::Pod: {
        // In the window's own font, like the frames.
        auto *box = new QCheckBox(caption, parent);
        box->setObjectName(QLatin1StringView(checkOption(cell.number).name));
        return m_checks[cell.number - 1] = box;
    }
    case Control::None:
    case Control::MoveTo:
        break;
    }
    return nullptr;
}

QComboBox *OptionPages::createCombo(QWidget *parent)
{
    const QFont arial = ui::arialFont(9.75);
    m_combo = new QComboBox(parent);
    m_combo->setObjectName(QStringLiteral("Combo1"));
    m_combo->setEditable(true);
    // The frame's style sheet stops fonts from reaching the combo box's own field and list, so
    // each gets Arial by name.
    m_combo->setFont(arial);
    m_combo->lineEdit()->setFont(arial);
    m_combo->view()->setFont(arial);
    // The list is fixed and the typed text is taken exactly as typed: no completion that could
    // change its case, no typed text added to the list.
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setCompleter(nullptr);
    for (const char *item : connectionTypeItems())
        m_combo->addItem(shownConnectionName(QString::fromUtf8(item)));
    m_combo->setCurrentIndex(-1);
    m_combo->setEditText(QString());
    return m_combo;
}

QGroupBox *OptionPages::createFrame(const ui::TwipScale &tw, const Step &step, QWidget *parent)
{
    auto *frame = new QGroupBox(optionText(step.caption), parent);
    frame->setObjectName(QLatin1StringView(step.name));
    // The caption sits on the frame's top line, so the first row below it has room.
    frame->setStyleSheet(kCaptionedFrameStyle);
    frame->setGeometry(tw.rect(step.left, step.top, step.width, step.height));
    return frame;
}

void OptionPages::placeRow(const ui::TwipScale &tw, const Step &step, QWidget *parent)
{
    ui::TwipRow row(tw, step.top, step.left, kGap);
    for (const Cell &cell : step.cells) {
        if (cell.control == Control::None)
            break;
        if (cell.control == Control::MoveTo) {
            row.moveTo(cell.left);
            continue;
        }
        const bool mark = cell.control == Control::Mark;
        row.add(createControl(parent, cell), cell.width,
                cell.height > 0 ? cell.height : kFieldHeight, mark ? kMarkOffset : 0);
    }
}

void OptionPages::placeColumn(const ui::TwipScale &tw, const Step &step, QWidget *parent)
{
    int top = step.top;
    for (const Cell &cell : step.cells) {
        if (cell.control == Control::None)
            break;
        // As wide as the caption needs, never wider than the frame allows.
        QWidget *box = createControl(parent, cell);
        const QRect r = tw.rect(step.left, top, step.width, kCheckHeight);
        box->setGeometry(r.x(), r.y(), qMin(r.width(), box->sizeHint().width()), r.height());
        top += kCheckHeight;
    }
}

void OptionPages::placeSlider(const ui::TwipScale &tw, const Step &step, QWidget *parent)
{
    // The caption, the slider at its left, its value just after it, all inside the frame and
    // level with the slider's handle.
    QWidget *caption = createControl(parent, step.cells[0]);
    const int number = step.cells[1].number;
    const SliderRange range = sliderRange(number);
    auto *s = new ui::Slider(range.min, range.max, defaultSliderValue(number), parent);
    s->setObjectName(numbered("Slider", number));
    s->valueLabel()->setObjectName(s->objectName() + QStringLiteral("Value"));
    s->valueLabel()->setFont(ui::arialFont(9.75));
    m_sliders[number - 1] = s;

    const int left =
        step.left > 0 ? tw(step.left) : tw(kControlLeft) + caption->sizeHint().width() + tw(kGap);
    const int valueWidth =
        s->valueLabel()->fontMetrics().horizontalAdvance(QString::number(s->maximum())) + 4;
    const QRect r(left, tw(step.top), tw(step.width), tw(step.height));
    const int room = parent->width() - tw(kGap) - valueWidth - tw(kGap) - r.left();
    s->setGeometry(r.left(), r.top(), qMin(r.width(), room), r.height());
    s->placeValueLabel(tw(kGap));
    const int h = caption->sizeHint().height();
    caption->setGeometry(tw(kControlLeft), s->handleCentreY() - h / 2, caption->sizeHint().width(),
                         h);
}

void OptionPages::setInputLimits()
{
    for (int n = 1; n <= kTextCount; ++n) {
        const int limit = textField(n).maxLength;
        if (limit <= 0)
            continue;
        // A number field cuts what arrives after its refused characters are gone, so its
        // validator holds the limit: the field's own would cut a paste first.
        if (auto *digits = text(n)->findChild<ui::DigitValidator *>())
            digits->setDigitCap(limit);
        else
            text(n)->setMaxLength(limit);
    }
}

OptionSnapshot OptionPages::snapshot() const
{
    OptionSnapshot options;
    options.combo1 = canonicalConnectionName(m_combo->currentText());
    for (int n = 1; n <= kTextCount; ++n)
        options.text(n) = text(n)->text();
    for (int n = 1; n <= kSliderCount; ++n)
        options.slider(n) = slider(n)->value();
    for (int n = 1; n <= kBoxCount; ++n)
        options.check(n) = checkValue(check(n));
    return options;
}

void OptionPages::setSnapshot(const OptionSnapshot &options)
{
    m_combo->setCurrentText(shownConnectionName(options.combo1));
    for (int n = 1; n <= kTextCount; ++n)
        text(n)->setText(options.text(n));
    for (int n = 1; n <= kSliderCount; ++n)
        slider(n)->setValue(options.slider(n));
    for (int n = 1; n <= kBoxCount; ++n)
        setCheckValue(check(n), options.check(n));
    updateBotExtras();
}

void OptionPages::updateBotExtras()
{
    const bool show = checkValue(pod()) == CheckValue::Checked;
    if (m_botExtras->isHidden() == show)
        m_botExtras->setVisible(show);
}

} // namespace velmora
