#include "ui/messagebox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace velmora::ui {

namespace {

struct SeamState
{
    QList<Answer> nextAnswers;
    QList<MessageBox::Record> history;
};

SeamState &seam()
{
    static SeamState state;
    return state;
}

Answer showReal(QWidget *parent, const MessageBox::Record &record)
{
    // A box over a window that is not on screen yet (the main window's load speaks before the
    // window shows) would be centred on where that window happens to stand, near the corner of
    // the screen: such a box stands on its own, centred on the screen.
    const bool overWindow = parent && parent->window()->isVisible();
    QMessageBox box(overWindow ? parent : nullptr);
    if (parent && !overWindow)
        box.setWindowIcon(parent->window()->windowIcon());
    box.setWindowTitle(record.title);
    box.setText(record.text);
    if (!record.details.isEmpty())
        box.setDetailedText(record.details);
    if (record.style == MessageStyle::Question) {
        box.setIcon(QMessageBox::Warning);
        QPushButton *yes = box.addButton(
            QCoreApplication::translate("velmora::ui::MessageBox", "Да"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(
            QCoreApplication::translate("velmora::ui::MessageBox", "Нет"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    box.setIcon(record.style == MessageStyle::Error ? QMessageBox::Critical
                                                    : QMessageBox::Information);
    QPushButton *ok = box.addButton(QCoreApplication::translate("velmora::ui::MessageBox", "OK"),
                                    QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return Answer::Ok;
}

} // namespace

Answer MessageBox::show(QWidget *parent, const QString &text, MessageStyle style,
                        const QString &details)
{
    SeamState &state = seam();
    const Record record{text, QString::fromLatin1(kTitle), style, details};
    state.history.append(record);
    if (!state.nextAnswers.isEmpty())
        return state.nextAnswers.takeFirst();
    return showReal(parent, record);
}

void MessageBox::setNextAnswers(QList<Answer> answers)
{
    seam().nextAnswers = std::move(answers);
}

QList<MessageBox::Record> MessageBox::history()
{
    return seam().history;
}

void MessageBox::clearHistory()
{
    seam().history.clear();
}

} // namespace velmora::ui
