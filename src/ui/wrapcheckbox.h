#pragma once

#include <QCheckBox>

namespace velmora::ui {

/// A check box whose caption wraps over as many lines as its width needs, the indicator beside the
/// first line. Clicking anywhere on it toggles it, as on a plain check box's caption.
class WrapCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit WrapCheckBox(const QString &caption, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

private:
    QRect indicatorRect() const;
    QRect captionRect(int width, int height) const;
};

} // namespace velmora::ui
