#include "figure.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSysInfo>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace velmora::bench {

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

QString number(double value)
{
    return QString::number(value, 'f', value < 10 ? 2 : 1);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

double runTool(const QString &tool, const QStringList &args, QByteArray *out)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    process.start(tool, args);
    process.waitForFinished(-1);
    const double ms = msSince(timer);
    if (out)
        *out = process.readAllStandardOutput().trimmed();
    return ms;
}

void measure(Figure &figure, int runs, const std::function<double()> &work,
             const std::function<double()> &floorWork)
{
    work();
    floorWork();
    for (int i = 0; i < runs; ++i) {
        // Alternate, so a slow spell of the machine falls on both.
        figure.runs.append(work());
        figure.floorRuns.append(floorWork());
    }
}

namespace {

QJsonArray jsonRuns(const QList<double> &runs)
{
    QJsonArray out;
    for (double run : runs)
        out.append(run);
    return out;
}

/// Prints the figure's two lines; returns its JSON record.
QJsonObject reportFigure(const Figure &f)
{
    const double value = median(f.runs);
    const double floorValue = median(f.floorRuns);
    const bool valid = value > 0 && floorValue > 0 && f.note.indexOf(u"does not") < 0;
    const double ratio = valid ? value / floorValue : 0;
    const bool met = valid && ratio <= f.goal;
    std::printf("%-6s %9s %-3s | floor %9s %-3s | ratio %5.2f (goal <= %.1f) %s\n", f.name,
                qPrintable(number(value)), f.unit, qPrintable(number(floorValue)), f.unit, ratio,
                f.goal, met ? "met" : (valid ? "MISSED" : "FAILED"));
    std::printf("       %s | floor: %s%s%s\n", f.work, f.floorWork, f.note.isEmpty() ? "" : " | ",
                qPrintable(f.note));
    return QJsonObject{{QStringLiteral("figure"), QString::fromLatin1(f.name)},
                       {QStringLiteral("work"), QString::fromUtf8(f.work)},
                       {QStringLiteral("floor_work"), QString::fromUtf8(f.floorWork)},
                       {QStringLiteral("unit"), QString::fromLatin1(f.unit)},
                       {QStringLiteral("median"), value},
                       {QStringLiteral("floor_median"), floorValue},
                       {QStringLiteral("ratio"), ratio},
                       {QStringLiteral("goal"), f.goal},
                       {QStringLiteral("met"), met},
                       {QStringLiteral("runs"), jsonRuns(f.runs)},
                       {QStringLiteral("floor_runs"), jsonRuns(f.floorRuns)},
                       {QStringLiteral("note"), f.note}};
}

} // namespace

bool reportFigures(const QList<Figure> &figures, int runs, quint32 seed, const QString &jsonPath)
{
    QJsonArray json;
    bool allMet = true;
    for (const Figure &f : figures) {
        const QJsonObject record = reportFigure(f);
        allMet = allMet && record.value(QStringLiteral("met")).toBool();
        json.append(record);
    }
    const QJsonObject document{{QStringLiteral("cores"), QThread::idealThreadCount()},
                               {QStringLiteral("system"), QSysInfo::prettyProductName()},
                               {QStringLiteral("runs"), runs},
                               {QStringLiteral("seed"), qint64(seed)},
                               {QStringLiteral("figures"), json}};
    writeFile(jsonPath, QJsonDocument(document).toJson());
    std::printf("JSON: %s\n", qPrintable(QFileInfo(jsonPath).absoluteFilePath()));
    return allMet;
}

} // namespace velmora::bench
