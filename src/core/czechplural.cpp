#include "core/czechplural.h"

namespace core {

QString czechCount(qint64 count, QStringView one, QStringView twoToFour, QStringView many) {
    const qint64 size = count < 0 ? -count : count;
    const QStringView form = size == 1 ? one : size >= 2 && size <= 4 ? twoToFour : many;
    return form.toString().arg(count);
}

} // namespace core
