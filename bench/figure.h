#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace velmora::bench {

/// One figure of the report: the real work's runs beside the runs of its floor.
struct Figure
{
    const char *name;
    const char *work;
    const char *floorWork;
    const char *unit;
    double goal; ///< the highest ratio of work to floor that still meets the goal
    QList<double> runs{};
    QList<double> floorRuns{};
    QString note{}; ///< a note holding "does not" marks the figure as failed
};

double median(QList<double> values);

double msSince(const QElapsedTimer &timer);

/// A figure's value as the report prints it: two decimals below 10, one above.
QString number(double value);

bool writeFile(const QString &path, const QByteArray &bytes);

/// Runs a tool in the C locale; returns its time in ms and, when asked, its trimmed output.
double runTool(const QString &tool, const QStringList &args, QByteArray *out);

/// One warm-up of each, then `runs` runs of the work and of its floor taken in turn.
void measure(Figure &figure, int runs, const std::function<double()> &work,
             const std::function<double()> &floorWork);

/// Prints the table of figures and writes their JSON copy to `jsonPath`; returns whether every
/// figure met its goal.
bool reportFigures(const QList<Figure> &figures, int runs, quint32 seed, const QString &jsonPath);

} // namespace velmora::bench
