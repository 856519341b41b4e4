#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <utility>
#include <vector>

namespace exchange {

// One entry of the export's special-character table: a character of the foreign expression
// and the text written instead (an HTML entity, say).
using SpecialCharacter = std::pair<QChar, QString>;

// The settings section of the export template, with its defaults.
struct HtmlExportSettings {
    QString col1 = QStringLiteral("\"45%\"");
    QString col2 = QStringLiteral("\"45%\"");
    QString col3 = QStringLiteral("\"10%\"");
    int maxCz = 80;
    int maxOther = 80;
    int newlineCz = 25;
    int newlineOther = 25;
    bool border = false;
    QString colTitle = QStringLiteral("#00FFFF");
    std::vector<SpecialCharacter> special; // at most kMaxSpecialCharacters
};

inline constexpr int kMaxSpecialCharacters = 40;

// The template cut into its three parts: the head before the line starting "{[..here..]}",
// the settings up to the line starting "{[..end..]}" (both marker lines dropped) and the
// tail after it. Without the first marker the whole template is the head; without the end
// marker everything after the first is settings.
struct ExportTemplate {
    QStringList head;
    HtmlExportSettings settings;
    QStringList tail;
};

ExportTemplate parseExportTemplate(const QStringList& lines);

// Appends a cell of the export to out: the expression cut to its first limit characters, a
// "<BR>" after every step characters but not at the end (a step below 1 breaks nothing),
// then escaped: ">" and "<" become entities, except a "<" that starts "<BR>", which stays a
// line break; with a special table, its characters are replaced too (the first entry for a
// character wins); "&" and quotation marks pass unchanged. Every other character a
// Windows-1250 page cannot hold becomes a numeric character reference ("&#1076;").
void appendHtmlCell(QString& out, QStringView expression, int limit, int step,
                    const std::vector<SpecialCharacter>* special);

} // namespace exchange
