#pragma once

#include <QByteArrayView>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace core {

// Replaces the file at path as a whole: the content goes to a temporary file in the same
// folder, which then takes the old file's place. If the file cannot be written, FileError is
// raised; if writeContent throws, its exception passes through. Either way the old file stays
// as it was and no temporary file is left behind.
void replaceFile(const QString& path, const std::function<void(QIODevice& file)>& writeContent);

void replaceFile(const QString& path, QByteArrayView bytes);

// Writes the lines as Windows-1250 with CR LF endings; returns the code points that were
// written as '?' because the code page cannot hold them.
QList<char32_t> replaceFileWithLines(const QString& path, const QStringList& lines);

} // namespace core
