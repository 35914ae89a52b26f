#pragma once

// Answers a real QMessageBox the way a user does: a timer looks for the modal box that the code
// under test has opened and presses one of its buttons.

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

class BoxAnswerer : public QObject
{
public:
    /// Presses the button with this caption on each box that appears, until destroyed.
    explicit BoxAnswerer(QString button);

    /// Texts of the boxes answered, in order.
    QStringList texts;
    QList<QMessageBox::Icon> icons;
    QStringList titles;

private:
    void poll();

    QString m_button;
    QTimer m_timer;
};
