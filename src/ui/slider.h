#pragma once

#include <QSlider>

class QLabel;

namespace velmora::ui {

/// A horizontal integer slider: small step 1, large step 5, one tick mark per unit. Its value is
/// always on view in a small label that the owner places beside it, and in a tool tip while the
/// handle is dragged.
class Slider : public QSlider
{
    Q_OBJECT

public:
    Slider(int minimum, int maximum, int value, QWidget *parent);

    /// The label that shows the slider's value; a sibling of the slider in the same parent.
    QLabel *valueLabel() const { return m_valueLabel; }
    /// Puts the value label this far right of the slider, level with the handle.
    void placeValueLabel(int gap);
    /// The height of the middle of the handle, in the parent's coordinates: where a caption
    /// beside the slider lines up.
    int handleCentreY() const;

private:
    void showValueTip(int value);

    QLabel *m_valueLabel;
};

} // namespace velmora::ui
