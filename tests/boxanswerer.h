#pragma once

// Answers a real QMessageBox the way a user does: a timer looks for the modal box that the code
// under test has opened and presses one of its buttons.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

class BoxAnswerer : public QObject
{
public:
    /// Presses the button with this caption on each box that appears, until disarmed.
    explicit BoxAnswerer(QString button)
        : m_button(std::move(button))
    {
        connect(&m_timer, &QTimer::timeout, this, &BoxAnswerer::poll);
        m_timer.start(10);
    }

    /// Texts of the boxes answered, in order.
    QStringList texts;
    QList<QMessageBox::Icon> icons;
    QStringList titles;

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        for (QPushButton *button : box->findChildren<QPushButton *>()) {
            if (button->text() == m_button) {
                texts.append(box->text());
                icons.append(box->icon());
                titles.append(box->windowTitle());
                button->click();
                return;
            }
        }
    }

    QString m_button;
    QTimer m_timer;
};
