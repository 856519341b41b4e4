#include "report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cmath>

namespace bench {
namespace {

// Enough digits to compare runs, no more.
QString formatted(double value) {
    const double size = std::abs(value);
    const int decimals = size >= 100 ? 1 : size >= 1 ? 2 : 3;
    return QString::number(value, 'f', decimals);
}

QJsonValue jsonNumber(std::optional<double> value) {
    return value && std::isfinite(*value) ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

} // namespace

std::optional<double> Measurement::ratio() const {
    if (!raw || *raw <= 0)
        return std::nullopt;
    return value / *raw;
}

void Report::add(const QString& name, double value, const QString& unit,
                 std::optional<double> raw) {
    m_measurements.push_back({name, value, unit, raw});
}

QString Report::table() const {
    const QStringList header = {QStringLiteral("name"), QStringLiteral("value"),
                                QStringLiteral("unit"), QStringLiteral("raw"),
                                QStringLiteral("store/raw")};
    std::vector<QStringList> lines = {header};
    for (const Measurement& m : m_measurements) {
        const std::optional<double> ratio = m.ratio();
        lines.push_back({m.name, formatted(m.value), m.unit,
                         m.raw ? formatted(*m.raw) : QStringLiteral("-"),
                         ratio ? QString::number(*ratio, 'f', 2) + u'x' : QStringLiteral("-")});
    }
    std::vector<qsizetype> widths(header.size(), 0);
    for (const QStringList& line : lines) {
        for (qsizetype i = 0; i < line.size(); ++i)
            widths[static_cast<size_t>(i)] =
                std::max(widths[static_cast<size_t>(i)], line[i].size());
    }
    QString text;
    for (const QStringList& line : lines) {
        for (qsizetype i = 0; i < line.size(); ++i) {
            const int width = static_cast<int>(widths[static_cast<size_t>(i)]);
            text += i == 0 ? line[i].leftJustified(width) : u"  " + line[i].rightJustified(width);
        }
        text += u'\n';
    }
    return text;
}

QByteArray Report::json() const {
    QJsonArray array;
    for (const Measurement& m : m_measurements) {
        array.append(QJsonObject{{QStringLiteral("name"), m.name},
                                 {QStringLiteral("value"), m.value},
                                 {QStringLiteral("unit"), m.unit},
                                 {QStringLiteral("raw"), jsonNumber(m.raw)},
                                 {QStringLiteral("ratio"), jsonNumber(m.ratio())}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

} // namespace bench
