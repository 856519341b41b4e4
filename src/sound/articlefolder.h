#pragma once

#include "core/codepage.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace sound {

// The articles a user practises: one folder per article in the user's practice folder, holding
// the phrase sounds, the text strings.ini with one line per phrase and perhaps a picture.

// The article names: the sub-folders of the practice folder, sorted.
QStringList articleNames(const QString& practiceFolder);

// The phrase sounds of an article (the mask "*.wav;*.mp3"), full paths in file-name order.
QStringList phraseFiles(const QString& articleFolder);

// The text lines of strings.ini in the article folder, read in the code page of the foreign
// words (Windows-1250 unless the open dictionary's foreign font says otherwise), or the
// single line "Texty nejsou k dispozici" when there is no such file. A file that cannot be
// read raises core::FileError.
QStringList articleText(const QString& articleFolder,
                        const core::CodePage& codePage = core::CodePage::windows1250());

// The text of the phrase at index, or "Sorry - Neni definovano" where the text has no line.
QString phraseText(const QStringList& text, int index);

// The picture shown with the text: picture.jpg, else picture.bmp, else none.
std::optional<QString> articlePicture(const QString& articleFolder);

// Replaces strings.ini with the lines, so that a failed write leaves the old text. Returns the
// characters the code page cannot hold, written as '?'; raises core::FileError.
QList<char32_t> writeArticleText(const QString& articleFolder, const QStringList& lines,
                                 const core::CodePage& codePage = core::CodePage::windows1250());

} // namespace sound
