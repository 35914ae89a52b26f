#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace velmora {

/// The about window: who made Velmora and how to reach them. Not modal. "ОК!" hides it; the
/// title bar's close destroys it (it deletes itself on close) and never ends the program.
/// A click on the e-mail address or the ICQ number copies it to the clipboard; a click on the web
/// address copies it and then opens the page in the browser. The other labels do nothing.
class AboutRus : public QWidget
{
    Q_OBJECT

public:
    explicit AboutRus(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *addLabel(QWidget *container, const char *name, const QString &text, QRect twips,
                     const QFont &font);
    void labelClicked(QLabel *label);

    QLabel *m_email = nullptr;
    QLabel *m_icq = nullptr;
    QLabel *m_web = nullptr;
    QLabel *m_pressed = nullptr;
};

} // namespace velmora
