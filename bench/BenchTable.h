#pragma once

// What the benchmark's measurements share: the table of figures with their
// targets, the settings of a run and the environment of a child process.

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <vector>

// --- Figures and the table ----------------------------------------------------

struct Spread
{
    double median = 0;
    double min = 0;
    double max = 0;
};

inline Spread spreadOf(std::vector<double> samples)
{
    if (samples.empty())
        return {};
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    const double median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    return {median, samples.front(), samples.back()};
}

// A target is met when the median lies under the limit (times, memory) or
// reaches it (throughput ratio). A row without a target only informs.
enum class Target { None, Under, AtLeast };

struct Row
{
    QString figure;
    QString unit;
    Spread spread;
    Target target = Target::None;
    double limit = 0;
    int runs = 0;
};

class Table
{
public:
    void add(const QString &figure, const QString &unit, const std::vector<double> &samples,
             Target target = Target::None, double limit = 0)
    {
        m_rows.push_back({figure, unit, spreadOf(samples), target, limit, int(samples.size())});
    }

    void print() const
    {
        std::printf("| %-44s | %9s | %9s | %9s | %-5s | %-10s | %-6s |\n", "Figure", "Median", "Min", "Max", "Unit",
                    "Target", "Result");
        std::printf("|%s|%s:|%s:|%s:|%s|%s|%s|\n", dashes(46).constData(), dashes(10).constData(),
                    dashes(10).constData(), dashes(10).constData(), dashes(7).constData(), dashes(12).constData(),
                    dashes(8).constData());
        for (const Row &row : m_rows) {
            std::printf("| %-44s | %9s | %9s | %9s | %-5s | %-10s | %-6s |\n", qPrintable(row.figure),
                        qPrintable(number(row.spread.median)), qPrintable(number(row.spread.min)),
                        qPrintable(number(row.spread.max)), qPrintable(row.unit), qPrintable(targetText(row)),
                        qPrintable(result(row)));
        }
        std::fflush(stdout);
    }

    bool allMet() const
    {
        return std::all_of(m_rows.begin(), m_rows.end(), [](const Row &row) { return result(row) != "miss"; });
    }

private:
    static QByteArray dashes(int count) { return QByteArray(count, '-'); }

    static QString number(double value)
    {
        const int decimals = value >= 100 ? 0 : value >= 10 ? 1 : value >= 1 ? 2 : 3;
        return QString::number(value, 'f', decimals);
    }

    static QString targetText(const Row &row)
    {
        switch (row.target) {
        case Target::None: return QString();
        case Target::Under: return QStringLiteral("< ") + number(row.limit);
        case Target::AtLeast: return QStringLiteral(">= ") + number(row.limit);
        }
        return QString();
    }

    static QString result(const Row &row)
    {
        const double median = row.spread.median;
        switch (row.target) {
        case Target::None: return QString();
        case Target::Under: return median < row.limit ? QStringLiteral("pass") : QStringLiteral("miss");
        case Target::AtLeast: return median >= row.limit ? QStringLiteral("pass") : QStringLiteral("miss");
        }
        return QString();
    }

    std::vector<Row> m_rows;
};

inline double milliseconds(qint64 nanoseconds)
{
    return double(nanoseconds) / 1e6;
}

inline void progress(const QString &text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

struct Settings
{
    int runs = 21;
    int memoryRuns = 3;
    int notices = 10000;
    QString folder;  // where the output files go
    QString program; // notice-capture
};

inline QProcessEnvironment childEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}
