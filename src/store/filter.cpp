#include "store/filter.h"

#include "store/error.h"

#include <algorithm>

namespace store {
namespace {

// Deep enough for any filter a person writes, shallow enough for the stack.
constexpr int kMaxDepth = 64;

class FilterCompiler {
public:
    FilterCompiler(const QString& text, const TableSchema& schema)
        : m_text(text)
        , m_schema(schema) {}

    CompiledFilter compile() {
        skipBlanks();
        if (atEnd())
            return {};
        QString sql = expression();
        skipBlanks();
        if (!atEnd())
            fail(QStringLiteral("nečekaný znak „%1“").arg(m_text[m_pos]));
        return {std::move(sql), std::move(m_fields)};
    }

private:
    QString expression() {
        QString sql = term();
        while (acceptKeyword(u"and"))
            sql += QStringLiteral(" AND ") + term();
        return sql;
    }

    QString term() {
        skipBlanks();
        if (accept(u'(')) {
            if (++m_depth > kMaxDepth)
                fail(QStringLiteral("příliš mnoho vnořených závorek"));
            QString inner = expression();
            --m_depth;
            skipBlanks();
            if (!accept(u')'))
                fail(QStringLiteral("chybí pravá závorka"));
            return u'(' + inner + u')';
        }
        const QString left = operand();
        const QString op = comparison();
        const QString right = operand();
        return left + u' ' + op + u' ' + right;
    }

    QString operand() {
        skipBlanks();
        if (atEnd())
            fail(QStringLiteral("chybí pole nebo číslo"));
        const QChar c = m_text[m_pos];
        if (c.isDigit() || c == u'-' || c == u'+')
            return integer();
        if (c.isLetter() || c == u'_')
            return field();
        fail(QStringLiteral("čekáno pole nebo číslo místo „%1“").arg(c));
    }

    QString integer() {
        const qsizetype start = m_pos;
        if (m_text[m_pos] == u'-' || m_text[m_pos] == u'+')
            ++m_pos;
        const qsizetype digits = m_pos;
        while (!atEnd() && m_text[m_pos].isDigit() && m_text[m_pos].unicode() < 0x80)
            ++m_pos;
        bool ok = false;
        const qint64 value = m_text.mid(start, m_pos - start).toLongLong(&ok);
        if (m_pos == digits || !ok)
            fail(QStringLiteral("chybné číslo"));
        return QString::number(value);
    }

    QString field() {
        const QString name = word();
        if (name.compare(u"and", Qt::CaseInsensitive) == 0)
            fail(QStringLiteral("čekáno pole nebo číslo místo „and“"));
        const int index = m_schema.fieldIndex(name);
        if (index < 0)
            fail(QStringLiteral("neznámé pole %1").arg(name));
        const FieldDef& def = m_schema.fields[static_cast<size_t>(index)];
        if (def.type != FieldType::Integer && def.type != FieldType::AutoIncrement)
            fail(QStringLiteral("pole %1 není číselné").arg(def.name));
        if (std::find(m_fields.begin(), m_fields.end(), index) == m_fields.end())
            m_fields.push_back(index);
        return u'"' + def.name + u'"';
    }

    QString comparison() {
        skipBlanks();
        for (const char16_t* op : {u"<>", u"<=", u">=", u"=", u"<", u">"}) {
            const QStringView symbol(op);
            if (QStringView(m_text).mid(m_pos).startsWith(symbol)) {
                m_pos += symbol.size();
                return symbol.toString();
            }
        }
        fail(QStringLiteral("čekán operátor porovnání"));
    }

    QString word() {
        const qsizetype start = m_pos;
        while (!atEnd() && (m_text[m_pos].isLetterOrNumber() || m_text[m_pos] == u'_'))
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }

    bool acceptKeyword(QStringView keyword) {
        skipBlanks();
        const qsizetype start = m_pos;
        if (word().compare(keyword, Qt::CaseInsensitive) == 0)
            return true;
        m_pos = start;
        return false;
    }

    bool accept(QChar c) {
        if (atEnd() || m_text[m_pos] != c)
            return false;
        ++m_pos;
        return true;
    }

    void skipBlanks() {
        while (!atEnd() && m_text[m_pos].isSpace())
            ++m_pos;
    }

    bool atEnd() const { return m_pos >= m_text.size(); }

    [[noreturn]] void fail(const QString& what) const {
        throw Error(
            QStringLiteral("Chybný filtr „%1“: %2 (znak %3).").arg(m_text, what).arg(m_pos + 1));
    }

    const QString& m_text;
    const TableSchema& m_schema;
    qsizetype m_pos = 0;
    int m_depth = 0;
    std::vector<int> m_fields;
};

} // namespace

CompiledFilter compileFilter(const QString& text, const TableSchema& schema) {
    return FilterCompiler(text, schema).compile();
}

} // namespace store
