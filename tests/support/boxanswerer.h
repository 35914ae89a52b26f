#pragma once

// Answers a real QMessageBox the way a user does: a timer looks for the modal box that the code
// under test has opened and presses one of its buttons.

#include <QFileDialog>
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
    QStringList details; ///< the details part of each, empty where there is none

private:
    void poll();

    QString m_button;
    QTimer m_timer;
};

/// Answers the file dialogs that appear as a player does: types `name` (relative to the folder the
/// dialog opened at) and accepts, or cancels when `name` is empty.
class FileDialogAnswerer : public QObject
{
public:
    explicit FileDialogAnswerer(QString name);

    QStringList folders; ///< the folder each dialog opened at

private:
    QString m_name;
    QTimer m_timer;
};
