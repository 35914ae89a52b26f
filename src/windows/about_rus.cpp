#include "windows/about_rus.h"

#include "ui/fonts.h"
#include "ui/twips.h"
#include "windows/support.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace velmora {

AboutRus::AboutRus(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("about_rus"));
    setWindowTitle(tr("О программе!"));
    // The title bar's close destroys the window; it is never the one whose closing ends Velmora.
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(ui::arialFont(8.25));

    auto *frame3 = new QGroupBox(this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    frame3->setGeometry(ui::twipRect(this, 120, 0, 4095, 2655));
    QLabel *notice =
        addLabel(frame3, "Label8",
                 tr("Velmora составляет autoexec.cfg для Counter-Strike: сетевые, графические и "
                    "звуковые настройки, боты и многое другое. Ваши bind и alias из config.cfg "
                    "переносятся в новый конфиг. Программа распространяется «как есть», без "
                    "каких-либо гарантий. Перед сохранением проверьте текст конфига."),
                 {120, 240, 3735, 2295}, ui::arialFont(9.75));
    notice->setWordWrap(true);

    auto *frame2 = new QGroupBox(tr("Програмист:"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    frame2->setGeometry(ui::twipRect(this, 120, 2760, 4095, 3255));
    QLabel *name = addLabel(frame2, "Label1", tr("Разработчики Velmora"), {120, 360, 3735, 375},
                            ui::arialFont(12));
    name->setToolTip(tr("Собственной персоны :)"));
    addLabel(frame2, "Label7", QStringLiteral("aka"), {1680, 720, 375, 255}, ui::arialFont(9.75));
    QFont black = ui::arialFont(12, QStringLiteral("Arial Black"));
    // Where Arial Black is missing, the heaviest weight of the substitute comes closest.
    black.setWeight(QFont::Black);
    addLabel(frame2, "Label2", QStringLiteral("VLM"), {1440, 960, 855, 375}, black);
    addLabel(frame2, "Label3", QStringLiteral("E-mail:"), {240, 1440, 735, 255},
             ui::arialFont(9.75));
    m_email = addLabel(frame2, "Label9", QStringLiteral("velmora@example.org"),
                       {1200, 1440, 2415, 375}, ui::arialFont(12));
    m_email->setToolTip(tr("Нажми чтобы скопировать"));
    addLabel(frame2, "Label5", QStringLiteral("ICQ:"), {240, 1800, 615, 255}, ui::arialFont(9.75));
    m_icq = addLabel(frame2, "Label6", QStringLiteral("123456789"), {1200, 1800, 1335, 255},
                     ui::arialFont(12));
    m_icq->setToolTip(tr("Нажми чтобы скопировать"));
    addLabel(frame2, "Label4", QStringLiteral("Web:"), {240, 2160, 615, 255}, ui::arialFont(9.75));
    m_web =
        addLabel(frame2, "Label10", supportAddress(), {1200, 2160, 2535, 375}, ui::arialFont(12));
    m_web->setToolTip(tr("Нажми на надаись чтобы посетить"));
    QLabel *hint = addLabel(frame2, "Label11",
                            tr("Нажмите на надпись чтоб скопировать в буфер обмена. "
                               "А на сайт можно зайти нажав на него!"),
                            {240, 2640, 3735, 495}, font());
    hint->setWordWrap(true);

    QPalette palette = m_email->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0));
    m_email->setPalette(palette);
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_web->setPalette(palette);

    auto *ok = new QPushButton(tr("ОК!"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setToolTip(tr("Ага буржуи лохи!"));
    ok->setAutoDefault(true);
    ok->setGeometry(ui::twipRect(this, 120, 6120, 4095, 495));
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    ok->setFocus();

    setFixedSize(ui::twips(this, 4365), ui::twips(this, 6720));
}

QLabel *AboutRus::addLabel(QWidget *container, const char *name, const QString &text, QRect twips,
                           const QFont &font)
{
    auto *label = new QLabel(text, container);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(ui::twipRect(this, twips.x(), twips.y(), twips.width(), twips.height()));
    label->installEventFilter(this);
    return label;
}

bool AboutRus::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = qobject_cast<QLabel *>(watched);
    if (!label || (label != m_email && label != m_icq && label != m_web))
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            m_pressed = label;
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        // A click is a press and a release on the same label.
        const bool click = mouse->button() == Qt::LeftButton && m_pressed == label &&
                           label->rect().contains(mouse->position().toPoint());
        m_pressed = nullptr;
        if (click)
            labelClicked(label);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void AboutRus::labelClicked(QLabel *label)
{
    // The whole clipboard is replaced by the label's text at the moment of the click.
    QGuiApplication::clipboard()->setText(label->text());
    if (label == m_web)
        openSupportPage();
}

} // namespace velmora
