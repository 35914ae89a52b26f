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
            button->click();
            return;
        }
    }
}
