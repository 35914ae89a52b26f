#pragma once

// Hands that answer real dialogs as a user does.
//
// One application event filter sees every modal dialog at its Show event. QDialog::exec() shows
// the dialog before it runs its own event loop, and the Show event is sent, not posted, so no
// dialog can stand on screen unseen. The hand that takes the dialog notes what it shows at once
// and posts its press to the dialog (Qt::QueuedConnection): the first turn of the dialog's own loop
// runs it, not a turn sooner: a press made inside show() itself would close the dialog before
// exec() has entered that loop. A dialog deleted first takes its posted press with it.
// A modal dialog that no hand takes fails the running test and is closed the same way, so a box
// nobody expected ends a test at once instead of holding it up until its time-out.

#include <QFileDialog>
#include <QMessageBox>
#include <QObject>
#include <QStringList>

#include <functional>

class DialogHand : public QObject
{
public:
    DialogHand();
    ~DialogHand() override;

    /// Starts watching the application's modal dialogs; hands start it themselves, a test that
    /// means to meet no real dialog calls it so that one failing it cannot hang.
    static void watchDialogs();

    /// Called as a modal `dialog` shows, before its loop runs; returns whether this hand answers
    /// it.
    virtual bool shown(QDialog *dialog) = 0;

protected:
    /// Runs `act` on `dialog` in the dialog's own event loop, while the dialog still shows and this
    /// hand still lives.
    void later(QDialog *dialog, std::function<void(QDialog *)> act);
};

/// Presses the button with this caption on each message box that has one, until destroyed.
class BoxAnswerer : public DialogHand
{
public:
    explicit BoxAnswerer(QString button);

    /// Texts of the boxes answered, in order.
    QStringList texts;
    QList<QMessageBox::Icon> icons;
    QStringList titles;
    QStringList details; ///< the details part of each, empty where there is none

    bool shown(QDialog *dialog) override;

private:
    QString m_button;
};

/// Answers the file dialogs that appear as a player does: types `name` (relative to the folder the
/// dialog opened at) and accepts, or cancels when `name` is empty.
class FileDialogAnswerer : public DialogHand
{
public:
    explicit FileDialogAnswerer(QString name);

    QStringList folders; ///< the folder each dialog opened at

    bool shown(QDialog *dialog) override;

private:
    QString m_name;
};

/// Works the next dialog named `objectName` (any dialog when empty) once it shows; `act` must close
/// it.
class NextDialog : public DialogHand
{
public:
    explicit NextDialog(std::function<void(QDialog *)> act, QString objectName = {});

    bool shown(QDialog *dialog) override;

private:
    std::function<void(QDialog *)> m_act;
    QString m_name;
    bool m_done = false;
};

/// Looks at each modal dialog as it shows, answering none.
class DialogProbe : public DialogHand
{
public:
    explicit DialogProbe(std::function<void(QDialog *)> look);

    bool shown(QDialog *dialog) override;

private:
    std::function<void(QDialog *)> m_look;
};
