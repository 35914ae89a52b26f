#include "boxanswerer.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QTest>

namespace {

QList<DialogHand *> &hands()
{
    static QList<DialogHand *> list;
    return list;
}

void closeLater(QDialog *dialog)
{
    QMetaObject::invokeMethod(
        dialog, [dialog] { dialog->reject(); }, Qt::QueuedConnection);
}

/// The one filter: hands are asked in the order they were made, so a probe made before an answerer
/// looks before the answerer's press is posted.
class DialogWatch : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show || event->spontaneous())
            return false;
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (!dialog || !dialog->isWindow() || !dialog->isModal())
            return false;
        bool taken = false;
        for (DialogHand *hand : QList(hands())) // a hand may end another's life as it looks
            taken = hand->shown(dialog) || taken;
        if (!taken) {
            const auto *box = qobject_cast<QMessageBox *>(dialog);
            const QString what =
                dialog->windowTitle() + QStringLiteral(": ") + (box ? box->text() : QString());
            QTest::qFail(qPrintable(QStringLiteral("a dialog no hand answers: ") + what), __FILE__,
                         __LINE__);
            closeLater(dialog);
        }
        return false;
    }
};

} // namespace

DialogHand::DialogHand()
{
    watchDialogs();
    hands().append(this);
}

DialogHand::~DialogHand()
{
    hands().removeOne(this);
}

void DialogHand::watchDialogs()
{
    static QPointer<DialogWatch> watch;
    if (watch)
        return;
    watch = new DialogWatch;
    watch->setParent(qApp);
    qApp->installEventFilter(watch);
}

void DialogHand::later(QDialog *dialog, std::function<void(QDialog *)> act)
{
    QMetaObject::invokeMethod(
        dialog,
        [dialog, act = std::move(act), hand = QPointer<DialogHand>(this)] {
            if (hand && dialog->isVisible())
                act(dialog);
        },
        Qt::QueuedConnection);
}

BoxAnswerer::BoxAnswerer(QString button)
    : m_button(std::move(button))
{
}

bool BoxAnswerer::shown(QDialog *dialog)
{
    auto *box = qobject_cast<QMessageBox *>(dialog);
    if (!box)
        return false;
    for (QPushButton *button : box->findChildren<QPushButton *>()) {
        if (button->text() != m_button)
            continue;
        texts.append(box->text());
        icons.append(box->icon());
        titles.append(box->windowTitle());
        details.append(box->detailedText());
        later(box, [button = QPointer<QPushButton>(button)](QDialog *) {
            if (button)
                button->click();
        });
        return true;
    }
    return false; // a box without that button is no box this hand expects
}

FileDialogAnswerer::FileDialogAnswerer(QString name)
    : m_name(std::move(name))
{
}

bool FileDialogAnswerer::shown(QDialog *dialog)
{
    auto *files = qobject_cast<QFileDialog *>(dialog);
    if (!files)
        return false;
    folders.append(files->directory().absolutePath());
    later(files, [name = m_name](QDialog *d) {
        if (name.isEmpty()) {
            d->reject();
            return;
        }
        static_cast<QFileDialog *>(d)->selectFile(name);
        d->accept(); // QFileDialog::accept(), as Return runs it
    });
    return true;
}

NextDialog::NextDialog(std::function<void(QDialog *)> act, QString objectName)
    : m_act(std::move(act))
    , m_name(std::move(objectName))
{
}

bool NextDialog::shown(QDialog *dialog)
{
    if (m_done || (!m_name.isEmpty() && dialog->objectName() != m_name))
        return false;
    m_done = true;
    later(dialog, m_act);
    return true;
}

DialogProbe::DialogProbe(std::function<void(QDialog *)> look)
    : m_look(std::move(look))
{
}

bool DialogProbe::shown(QDialog *dialog)
{
    m_look(dialog);
    return false;
}
