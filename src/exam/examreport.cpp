#include "exam/examreport.h"

#include "exam/examparameters.h"

#include "core/codepoints.h"
#include "core/cp1250codec.h"

namespace exam {
namespace {

using namespace Qt::StringLiterals;

const QString kMarker = u"{[..here..]}"_s;

QString highlighted(const QString& value) {
    return u"<FONT COLOR=\"#00FFFF\">"_s + value + u"</FONT>"_s;
}

QString typeLine(int type) {
    switch (type) {
    case 1:
        return u"<H3>Zkoušení samokontrolou</H3>"_s;
    case 2:
        return u"<H3>Automatické zkoušení</H3>"_s;
    default:
        return {};
    }
}

QString limitLine(int limitSeconds) {
    if (limitSeconds < kFirstLimitTakenAsNone)
        return u"Časový limit: "_s + highlighted(QString::number(limitSeconds)) + u" sekund"_s;
    return u"Časový limit: <FONT COLOR=\"#00FFFF\">Bez omezení </FONT>"_s;
}

} // namespace

ReportTemplate splitReportTemplate(const QStringList& lines) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith(kMarker))
            return {lines.first(i), lines.sliced(i + 1)};
    }
    return {lines, {}};
}

QString reportFileName(int number, QDate date) {
    return QString::number(number) + u'_' + date.toString(u"dd.MM.yyyy"_s) + u".html"_s;
}

QString htmlText(QStringView text) {
    QString escaped;
    escaped.reserve(text.size());
    core::forEachCodePoint(text, [&escaped](char32_t codePoint) {
        switch (codePoint) {
        case U'<':
            escaped += u"&lt;";
            break;
        case U'>':
            escaped += u"&gt;";
            break;
        case U'&':
            escaped += u"&amp;";
            break;
        case U'"':
            escaped += u"&quot;";
            break;
        default:
            if (core::cp1250Byte(codePoint))
                escaped += QChar(static_cast<char16_t>(codePoint));
            else
                escaped += u"&#"_s + QString::number(codePoint) + u';';
        }
    });
    return escaped;
}

QStringList reportSettingsLines(const ExamRecordText& record, int questionCount) {
    const auto number = [](int value) {
        return QString::number(value);
    };
    return {
        u"<FONT COLOR=\"#FF0000\"><H2>Zkoušení číslo: "_s + number(record.number) +
            u"</H2></FONT>"_s,
        typeLine(record.type),
        u"Datum a čas zkoušení: "_s + record.date + u"&nbsp;&nbsp;&nbsp;"_s + record.time +
            u"<P>"_s,
        u"<B><H3>Tázací jazyk: "_s + highlighted(htmlText(record.questionLanguage)) + u"</H3>"_s,
        u"Zkoušení od lekce: <FONT COLOR=\"#00FFFF\">"_s + number(record.fromLesson) +
            u" </FONT>do lekce: "_s + highlighted(number(record.toLesson)) + u"<BR>"_s,
        u"Počet slovíček celkem: "_s + highlighted(number(questionCount)) + u"<BR>"_s,
        u"z toho nastaveno: "_s + highlighted(number(record.selected)) +
            u" ve standartním výběru a "_s + highlighted(number(record.worstSelected)) +
            u" špatně zapamatovatelných slovíček<BR>"_s,
        u"Na slovíčka ze standardního výběru dotazováno minimálně: "_s +
            highlighted(number(record.times)) + u"x<BR>"_s,
        u"Na špatně zapamatovatelné dotazováno minimálně: "_s +
            highlighted(number(record.worstTimes)) + u"x<BR>"_s,
        limitLine(record.limitSeconds),
    };
}

QStringList reportTotalsLines(const ExamTotals& totals, bool interrupted) {
    QStringList lines{
        u"</B><HR><B>Počet odpovědí celkem:<FONT COLOR=\"#00FFFF\"> "_s +
            QString::number(totals.right + totals.wrong) + u"</FONT><P>"_s,
        u"Správných odpovědí celkem: "_s + highlighted(QString::number(totals.right)) + u"<P>"_s,
        u"Špatných odpovědí celkem: "_s + highlighted(QString::number(totals.wrong)) + u"<P>"_s,
        u"Celkový průměr ze všech známek: "_s +
            highlighted(gradeAverageText(totals.gradeCount, totals.gradeSum)) + u"<P>"_s,
    };
    if (interrupted)
        lines << u"<FONT COLOR=\"#FF0000\" SIZE=5>Zkoušení bylo přerušeno !!!</FONT><P>"_s;
    return lines;
}

QString reportGradeLine(const QString& grade) {
    return u"<H1>Známka: <FONT COLOR=\"#FF0000\">"_s + grade + u"</FONT></H1></B><P>"_s;
}

QString gradeAverageText(int gradeCount, int gradeSum) {
    if (gradeCount == 0 || gradeSum == 0)
        return u"Nelze spočítat"_s;
    return QString::number(static_cast<double>(gradeSum) / gradeCount, 'f', 3);
}

} // namespace exam
