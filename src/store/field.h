#pragma once

#include "store/tableschema.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <QVariant>

namespace store {

class Cursor;

// A field of a cursor's current record (of the record being edited while the cursor is
// in edit or insert state). Reading an empty field gives "" or 0; writing needs edit or
// insert state. Integer fields hold 32-bit numbers.
class Field {
public:
    Field(Cursor& cursor, int index)
        : m_cursor(&cursor)
        , m_index(index) {}

    const FieldDef& definition() const;
    bool isNull() const;
    QVariant value() const;
    QString asString() const;
    qint32 asInteger() const;
    QString asMemo() const { return asString(); }
    QDate asDate() const;
    QTime asTime() const;
    // Whether the record being edited or inserted holds a value written here since.
    bool isModified() const;

    void setValue(const QVariant& value);
    void setAsString(const QString& text);
    void setAsInteger(qint64 number);
    void setAsMemo(const QString& text) { setAsString(text); }
    void setAsDate(QDate date);
    void setAsTime(QTime time);
    void clear();

private:
    Cursor* m_cursor;
    int m_index;
};

} // namespace store
