#pragma once

#include <QString>
#include <QStringView>

namespace core {

// Lower-cases text as Windows does for the Windows-1250 code page: every upper-case letter the
// code page holds becomes its lower-case letter in the same code page (Č -> č, Ł -> ł, Ő -> ő),
// other characters of the code page, ß among them, stay as they are. The length never changes.
QString ansiLower(QStringView text);

} // namespace core
