#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace bench {

// One measured figure, with the same work done by SQLite directly where there is one.
struct Measurement {
    QString name;
    double value = 0;
    QString unit;
    std::optional<double> raw;

    std::optional<double> ratio() const;
};

// The figures of one run, as a table for people and as JSON for comparing runs.
class Report {
public:
    void add(const QString& name, double value, const QString& unit,
             std::optional<double> raw = std::nullopt);
    const std::vector<Measurement>& measurements() const { return m_measurements; }

    QString table() const;
    // One array of {"name", "value", "unit", "raw", "ratio"}; raw and ratio null when absent.
    QByteArray json() const;

private:
    std::vector<Measurement> m_measurements;
};

} // namespace bench
