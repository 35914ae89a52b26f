// The about window `about_rus`: its texts and looks, what each click does to the clipboard and the
// browser, and the difference between hiding it and closing it.

#include "languagescope.h"
#include "ui/browser.h"
#include "ui/messagebox.h"
#include "ui/twips.h"
#include "windows/about_rus.h"
#include "windows/support.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using velmora::AboutRus;

namespace {

const QString kSentinel = QStringLiteral("what the user had copied before");

struct BrowserCall
{
    QUrl url;
    QString clipboardAtThatMoment;
};

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void frame();
    void labels_data();
    void labels();
    void colours();
    void layoutFitsTheWindow_data();
    void layoutFitsTheWindow();
    void focusStartsOnTheButton();

    void clicks_data();
    void clicks();
    void pressOnOneLabelReleaseOnAnother();
    void browserFailureIsHarmless();

    void okHides();
    void titleBarCloseDestroysAndNeverEndsTheProgram();
    void notModal();

private:
    QList<BrowserCall> m_calls;
    bool m_browserWorks = true;
};

void TestAbout::init()
{
    m_calls.clear();
    m_browserWorks = true;
    velmora::ui::setBrowserOpener([this](const QUrl &url) {
        m_calls.append({url, QGuiApplication::clipboard()->text()});
        return m_browserWorks;
    });
    velmora::ui::MessageBox::clearHistory();
    // Rich content, so that a click must replace the clipboard as a whole.
    auto *mime = new QMimeData;
    mime->setText(kSentinel);
    mime->setHtml(QStringLiteral("<b>") + kSentinel + QStringLiteral("</b>"));
    QGuiApplication::clipboard()->setMimeData(mime);
}

void TestAbout::cleanup()
{
    velmora::ui::setBrowserOpener({});
}

void TestAbout::frame()
{
    AboutRus about;
    QCOMPARE(about.objectName(), QStringLiteral("about_rus"));
    QCOMPARE(about.windowTitle(), QStringLiteral("О программе!"));
    const Qt::WindowFlags flags = about.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(about.size(),
             QSize(velmora::ui::twips(&about, 4365), velmora::ui::twips(&about, 6720)));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    auto *frame2 = about.findChild<QGroupBox *>(QStringLiteral("Frame2"));
    auto *frame3 = about.findChild<QGroupBox *>(QStringLiteral("Frame3"));
    QVERIFY(frame2 && frame3);
    QCOMPARE(frame2->title(), QStringLiteral("Програмист:"));
    QCOMPARE(frame3->title(), QString());
    auto *ok = about.findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("ОК!"));
    QCOMPARE(ok->toolTip(), QStringLiteral("Ага буржуи лохи!"));
}

void TestAbout::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("text"); // empty: the text is Velmora's own, not fixed here
    QTest::addColumn<QString>("family");
    QTest::addColumn<qreal>("points"); // 0: the window's font
    QTest::addColumn<QString>("toolTip");

    const QString arial = QStringLiteral("Arial");
    const QString copy = QStringLiteral("Нажми чтобы скопировать");
    QTest::newRow("Label8") << "Label8"
                            << "Frame3" << QString() << arial << 9.75 << QString();
    QTest::newRow("Label1") << "Label1"
                            << "Frame2" << QString() << arial << 12.0
                            << QStringLiteral("Собственной персоны :)");
    QTest::newRow("Label7") << "Label7"
                            << "Frame2"
                            << "aka" << arial << 9.75 << QString();
    QTest::newRow("Label2") << "Label2"
                            << "Frame2" << QString() << QStringLiteral("Arial Black") << 12.0
                            << QString();
    QTest::newRow("Label3") << "Label3"
                            << "Frame2"
                            << "E-mail:" << arial << 9.75 << QString();
    QTest::newRow("Label9") << "Label9"
                            << "Frame2" << QString() << arial << 12.0 << copy;
    QTest::newRow("Label5") << "Label5"
                            << "Frame2"
                            << "ICQ:" << arial << 9.75 << QString();
    QTest::newRow("Label6") << "Label6"
                            << "Frame2" << QString() << arial << 12.0 << copy;
    QTest::newRow("Label4") << "Label4"
                            << "Frame2"
                            << "Web:" << arial << 9.75 << QString();
    QTest::newRow("Label10") << "Label10"
                             << "Frame2" << velmora::supportAddress() << arial << 12.0
                             << QStringLiteral("Нажми на надаись чтобы посетить");
    QTest::newRow("Label11")
        << "Label11"
        << "Frame2"
        << QStringLiteral("Нажмите на надпись чтоб скопировать в буфер обмена. А на сайт можно "
                          "зайти нажав на него!")
        << QString() << 0.0 << QString();
}

void TestAbout::labels()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(QString, toolTip);

    AboutRus about;
    auto *label = about.findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->parentWidget()->objectName(), container);
    QVERIFY(!label->text().isEmpty());
    if (!text.isEmpty())
        QCOMPARE(label->text(), text);
    if (points > 0) {
        QCOMPARE(label->font().family(), family);
        QCOMPARE(label->font().pointSizeF(), points);
    } else {
        QCOMPARE(label->font(), about.font());
    }
    QCOMPARE(label->toolTip(), toolTip);
}

void TestAbout::colours()
{
    AboutRus about;
    const QColor email =
        about.findChild<QLabel *>(QStringLiteral("Label9"))->palette().color(QPalette::WindowText);
    const QColor web =
        about.findChild<QLabel *>(QStringLiteral("Label10"))->palette().color(QPalette::WindowText);
    QCOMPARE(email, QColor(0, 0, 0));
    QCOMPARE(web, QColor(0, 0, 255));
}

void TestAbout::layoutFitsTheWindow_data()
{
    QTest::addColumn<velmora::ui::Language>("language");
    for (velmora::ui::Language language : kBothLanguages)
        QTest::addRow("%d", int(language)) << language;
}

void TestAbout::layoutFitsTheWindow()
{
    // Every control lies inside its container, and no text is cut off at the right or below.
    QFETCH(velmora::ui::Language, language);
    const LanguageScope speaking(language);
    AboutRus about;
    for (QWidget *widget : about.findChildren<QWidget *>()) {
        if (!widget->parentWidget() || widget->objectName().isEmpty())
            continue;
        QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()),
                 qPrintable(widget->objectName()));
        auto *label = qobject_cast<QLabel *>(widget);
        if (label && !label->wordWrap()) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName()));
        } else if (label) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(label->objectName()));
        }
    }
}

void TestAbout::focusStartsOnTheButton()
{
    AboutRus about;
    about.show();
    about.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QCOMPARE(QApplication::focusWidget(), about.findChild<QWidget *>(QStringLiteral("Command1")));
}

void TestAbout::clicks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("copies");
    QTest::addColumn<bool>("opens");

    QTest::newRow("e-mail") << "Label9" << true << false;
    QTest::newRow("ICQ") << "Label6" << true << false;
    QTest::newRow("web") << "Label10" << true << true;
    for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label7", "Label8",
                             "Label11", "Frame2", "Frame3"})
        QTest::newRow(name) << QString::fromLatin1(name) << false << false;
}

void TestAbout::clicks()
{
    QFETCH(QString, name);
    QFETCH(bool, copies);
    QFETCH(bool, opens);

    AboutRus about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto *widget = about.findChild<QWidget *>(name);
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, 4));

    const QMimeData *content = QGuiApplication::clipboard()->mimeData();
    if (copies) {
        const QString text = qobject_cast<QLabel *>(widget)->text();
        QCOMPARE(content->text(), text);
        QVERIFY(!content->hasHtml());
    } else {
        QCOMPARE(content->text(), kSentinel);
        QVERIFY(content->hasHtml());
    }
    if (opens) {
        QCOMPARE(m_calls.size(), 1);
        QCOMPARE(m_calls[0].url, velmora::supportUrl());
        QCOMPARE(m_calls[0].url.host(), velmora::supportAddress());
        QVERIFY(m_calls[0].url.host().endsWith(QLatin1String("example.org")));
        // The address is on the clipboard before the browser is asked.
        QCOMPARE(m_calls[0].clipboardAtThatMoment, velmora::supportAddress());
    } else {
        QCOMPARE(m_calls.size(), 0);
    }
    // Nothing else happens: no box, the window stays.
    QVERIFY(velmora::ui::MessageBox::history().isEmpty());
    QVERIFY(about.isVisible());
    // A right click does nothing anywhere.
    QGuiApplication::clipboard()->setText(kSentinel);
    QTest::mouseClick(widget, Qt::RightButton, {}, QPoint(4, 4));
    QCOMPARE(QGuiApplication::clipboard()->text(), kSentinel);
    QCOMPARE(m_calls.size(), opens ? 1 : 0);
}

void TestAbout::pressOnOneLabelReleaseOnAnother()
{
    AboutRus about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto *email = about.findChild<QLabel *>(QStringLiteral("Label9"));
    QTest::mousePress(email, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseRelease(email, Qt::LeftButton, {}, QPoint(4, email->height() + 40));
    QCOMPARE(QGuiApplication::clipboard()->text(), kSentinel);
}

void TestAbout::browserFailureIsHarmless()
{
    m_browserWorks = false;
    AboutRus about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto *web = about.findChild<QLabel *>(QStringLiteral("Label10"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no web browser")));
    QTest::mouseClick(web, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(m_calls.size(), 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), velmora::supportAddress());
    QVERIFY(about.isVisible());
    QVERIFY(velmora::ui::MessageBox::history().isEmpty());
}

void TestAbout::okHides()
{
    QPointer<AboutRus> about = new AboutRus;
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QVERIFY(about->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!about.isNull());
    delete about.data();
}

void TestAbout::titleBarCloseDestroysAndNeverEndsTheProgram()
{
    // In the real event loop, the close of the last window displayed is what ends an application
    // (lastWindowClosed, then quit). The about window is closed as the only window displayed, the
    // worst case: it must not count.
    QPointer<AboutRus> about = new AboutRus;
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QTimer::singleShot(0, this, [&] {
        QVERIFY(about->close());
        QTimer::singleShot(0, this, [] { QCoreApplication::quit(); });
    });
    QCoreApplication::exec();
    QCOMPARE(lastClosed.count(), 0);
    QTRY_VERIFY(about.isNull());
}

void TestAbout::notModal()
{
    AboutRus about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QVERIFY(!about.isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
