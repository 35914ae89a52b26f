#include "boxanswerer.h"

#include <QApplication>
#include <QPushButton>

BoxAnswerer::BoxAnswerer(QString button)
    : m_button(std::move(button))
{
    connect(&m_timer, &QTimer::timeout, this, &BoxAnswerer::poll);
    m_timer.start(10);
}

void BoxAnswerer::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    for (QPushButton *button : box->findChildren<QPushButton *>()) {
        if (button->text() == m_button) {
            texts.append(box->text());
            icons.append(box->icon());
            titles.append(box->windowTitle());
            details.append(box->detailedText());
            button->click();
            return;
        }
    }
}

FileDialogAnswerer::FileDialogAnswerer(QString name)
    : m_name(std::move(name))
{
    connect(&m_timer, &QTimer::timeout, this, [this] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        folders.append(dialog->directory().absolutePath());
        if (m_name.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(m_name);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog::accept(), as Return runs it
    });
    m_timer.start(10);
}
