#include "store/field.h"

#include "store/cursor.h"
#include "store/error.h"

#include <limits>

namespace store {
namespace {

const QString kDateFormat = QStringLiteral("d.M.yyyy");
const QString kTimeFormat = QStringLiteral("H:mm:ss");

qint32 checkedInteger(const FieldDef& def, qint64 number) {
    if (number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<qint32>::max())
        throw Error(QStringLiteral("Hodnota %1 je mimo rozsah pole %2.").arg(number).arg(def.name));
    return static_cast<qint32>(number);
}

qint64 parseInteger(const QString& text) {
    bool ok = false;
    const qint64 number = text.trimmed().toLongLong(&ok);
    if (!ok)
        throw Error(QStringLiteral("„%1“ není platné celé číslo.").arg(text));
    return number;
}

} // namespace

const FieldDef& Field::definition() const {
    return m_cursor->schema().fields[static_cast<size_t>(m_index)];
}

bool Field::isNull() const {
    const QVariant stored = value();
    return !stored.isValid() || stored.isNull() ||
           (definition().type == FieldType::Text && stored.toString().isEmpty());
}

QVariant Field::value() const {
    return m_cursor->readField(m_index);
}

QString Field::asString() const {
    const QVariant stored = value();
    if (!stored.isValid() || stored.isNull())
        return {};
    switch (definition().type) {
    case FieldType::Date:
        return stored.toDate().toString(kDateFormat);
    case FieldType::Time:
        return stored.toTime().toString(kTimeFormat);
    default:
        return stored.toString();
    }
}

qint32 Field::asInteger() const {
    const FieldDef& def = definition();
    const QVariant stored = value();
    switch (def.type) {
    case FieldType::Integer:
    case FieldType::AutoIncrement:
        return static_cast<qint32>(stored.toLongLong());
    case FieldType::Text:
    case FieldType::Memo:
        return stored.toString().isEmpty() ? 0
                                           : checkedInteger(def, parseInteger(stored.toString()));
    case FieldType::Date:
    case FieldType::Time:
        break;
    }
    throw Error(QStringLiteral("Pole %1 nelze číst jako číslo.").arg(def.name));
}

QDate Field::asDate() const {
    if (definition().type != FieldType::Date)
        throw Error(QStringLiteral("Pole %1 není datum.").arg(definition().name));
    return value().toDate();
}

QTime Field::asTime() const {
    if (definition().type != FieldType::Time)
        throw Error(QStringLiteral("Pole %1 není čas.").arg(definition().name));
    return value().toTime();
}

bool Field::isModified() const {
    const auto index = static_cast<size_t>(m_index);
    return index < m_cursor->m_changed.size() && m_cursor->m_changed[index];
}

void Field::setValue(const QVariant& newValue) {
    if (!newValue.isValid() || newValue.isNull()) {
        clear();
        return;
    }
    switch (definition().type) {
    case FieldType::Integer:
    case FieldType::AutoIncrement:
        if (newValue.typeId() == QMetaType::QString)
            setAsString(newValue.toString());
        else
            setAsInteger(newValue.toLongLong());
        return;
    case FieldType::Date:
        setAsDate(newValue.toDate());
        return;
    case FieldType::Time:
        setAsTime(newValue.toTime());
        return;
    case FieldType::Text:
    case FieldType::Memo:
        setAsString(newValue.toString());
        return;
    }
}

void Field::setAsString(const QString& text) {
    const FieldDef& def = definition();
    switch (def.type) {
    case FieldType::Text:
    case FieldType::Memo:
        m_cursor->writeField(m_index, text);
        return;
    case FieldType::Integer:
    case FieldType::AutoIncrement:
        if (text.trimmed().isEmpty())
            clear();
        else
            setAsInteger(parseInteger(text));
        return;
    case FieldType::Date: {
        const QDate date = QDate::fromString(text.trimmed(), kDateFormat);
        if (!text.trimmed().isEmpty() && !date.isValid())
            throw Error(QStringLiteral("„%1“ není platné datum.").arg(text));
        setAsDate(date);
        return;
    }
    case FieldType::Time: {
        const QTime time = QTime::fromString(text.trimmed(), kTimeFormat);
        if (!text.trimmed().isEmpty() && !time.isValid())
            throw Error(QStringLiteral("„%1“ není platný čas.").arg(text));
        setAsTime(time);
        return;
    }
    }
}

void Field::setAsInteger(qint64 number) {
    const FieldDef& def = definition();
    switch (def.type) {
    case FieldType::Integer:
    case FieldType::AutoIncrement:
        m_cursor->writeField(m_index, QVariant(static_cast<qint64>(checkedInteger(def, number))));
        return;
    case FieldType::Text:
    case FieldType::Memo:
        m_cursor->writeField(m_index, QString::number(number));
        return;
    case FieldType::Date:
    case FieldType::Time:
        break;
    }
    throw Error(QStringLiteral("Do pole %1 nelze zapsat číslo.").arg(def.name));
}

void Field::setAsDate(QDate date) {
    if (definition().type != FieldType::Date)
        throw Error(QStringLiteral("Pole %1 není datum.").arg(definition().name));
    m_cursor->writeField(m_index, date.isValid() ? QVariant(date) : QVariant());
}

void Field::setAsTime(QTime time) {
    if (definition().type != FieldType::Time)
        throw Error(QStringLiteral("Pole %1 není čas.").arg(definition().name));
    m_cursor->writeField(m_index, time.isValid() ? QVariant(time) : QVariant());
}

void Field::clear() {
    const FieldDef& def = definition();
    m_cursor->writeField(m_index, def.type == FieldType::Text ? QVariant(QString()) : QVariant());
}

} // namespace store
