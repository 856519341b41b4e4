#include "shell/windowstates.h"

#include "core/cp1250linereader.h"
#include "core/fileerror.h"
#include "core/filereplace.h"

#include <QStringList>

namespace shell {

WindowStates readWindowStates(const QString& path) {
    QStringList lines;
    try {
        lines = core::readCp1250FileLines(path);
    } catch (const core::FileError&) {
        return {};
    }
    WindowStates states;
    for (const QString& line : std::as_const(lines)) {
        const qsizetype separator = line.indexOf(u'=');
        if (separator <= 0)
            continue;
        const QByteArray::FromBase64Result state = QByteArray::fromBase64Encoding(
            line.mid(separator + 1).toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (state && !state.decoded.isEmpty())
            states[line.left(separator)] = state.decoded;
    }
    return states;
}

void writeWindowStates(const QString& path, const WindowStates& states) {
    QStringList lines;
    for (const auto& [name, state] : states)
        lines << name + u'=' + QString::fromLatin1(state.toBase64());
    core::replaceFileWithLines(path, lines);
}

} // namespace shell
