// Preloaded (LD_PRELOAD) into the program under measurement. When the first QMainWindow paints
// after being shown, it writes the monotonic clock and the peak resident memory to the file named
// by VELMORA_PROBE_OUT and ends the process. An information box on the way (the main window's
// count of carried binds) is answered with its default button, as a player would.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
#include <ctime>

namespace {

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

qint64 peakRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

class Probe : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *box = qobject_cast<QMessageBox *>(watched)) {
                QTimer::singleShot(0, box, [box] {
                    if (QPushButton *button = box->defaultButton())
                        button->click();
                    else
                        box->done(0);
                });
            } else if (qobject_cast<QMainWindow *>(watched)) {
                m_shown = static_cast<QWidget *>(watched);
            }
        } else if (event->type() == QEvent::Paint && m_shown && watched->isWidgetType() &&
                   static_cast<QWidget *>(watched)->window() == m_shown) {
            report();
        }
        return false;
    }

private:
    void report()
    {
        const qint64 now = monotonicNs();
        const QByteArray line = "shown_ns=" + QByteArray::number(now) +
                                " peak_rss_kb=" + QByteArray::number(peakRssKb()) + '\n';
        QFile out(QFile::decodeName(qgetenv("VELMORA_PROBE_OUT")));
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(line);
        out.close();
        std::_Exit(0);
    }

    QWidget *m_shown = nullptr;
};

void installProbe()
{
    if (qEnvironmentVariableIsEmpty("VELMORA_PROBE_OUT"))
        return;
    QCoreApplication::instance()->installEventFilter(new Probe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
