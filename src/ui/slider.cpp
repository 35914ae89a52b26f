#include "ui/slider.h"

#include <QLabel>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolTip>

namespace velmora::ui {

Slider::Slider(int minimum, int maximum, int value, QWidget *parent)
    : QSlider(Qt::Horizontal, parent)
    , m_valueLabel(new QLabel(parent))
{
    setRange(minimum, maximum);
    setSingleStep(1);
    setPageStep(5);
    setTickInterval(1);
    setTickPosition(QSlider::TicksBelow);
    setValue(value);

    m_valueLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_valueLabel->setText(QString::number(this->value()));
    connect(this, &QSlider::valueChanged, m_valueLabel,
            [this](int v) { m_valueLabel->setText(QString::number(v)); });
    connect(this, &QSlider::sliderMoved, this, &Slider::showValueTip);
}

int Slider::handleCentreY() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    return y() + handle.center().y();
}

void Slider::placeValueLabel(int gap)
{
    const QFontMetrics fm = m_valueLabel->fontMetrics();
    const int width = fm.horizontalAdvance(QString::number(maximum())) + 4;
    const int height = fm.height() + 2;
    m_valueLabel->setGeometry(geometry().right() + 1 + gap, handleCentreY() - height / 2, width,
                              height);
}

void Slider::showValueTip(int value)
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    QToolTip::showText(mapToGlobal(handle.topRight()), QString::number(value), this);
}

} // namespace velmora::ui
