#include "residentmemory.h"

#include <QFile>

#include <malloc.h>

namespace bench {

double residentBytes() {
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (!line.startsWith("VmRSS:"))
            continue;
        // "VmRSS:     12345 kB"
        const QByteArray kilobytes = line.mid(6).trimmed().split(' ').value(0);
        return kilobytes.toDouble() * 1024;
    }
    return 0;
}

} // namespace bench
