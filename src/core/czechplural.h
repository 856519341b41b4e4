#pragma once

#include <QString>
#include <QStringView>

namespace core {

// A count in a sentence of the program's own, in the Czech form the count asks for: the
// first form for 1, the second for 2, 3 and 4, the third for every other count ("0 řádků",
// "5 řádků", "22 řádků"). Each form holds "%1" where the count goes:
//   czechCount(2, u"Nenačten %1 řádek", u"Nenačteny %1 řádky", u"Nenačteno %1 řádků")
// gives "Nenačteny 2 řádky".
QString czechCount(qint64 count, QStringView one, QStringView twoToFour, QStringView many);

} // namespace core
