#pragma once

#include "core/codepage.h"
#include "sound/waveformat.h"

#include <QString>

namespace app {

// What the main window holds for the whole run and every part of the program reads:
// where the application folder is, who is logged in, the open dictionary's languages
// and sound folder, the lesson count and the recording format.
struct RunState {
    QString applicationFolder; // the working directory at start
    QString userName;
    QString czechLanguage = QStringLiteral("Česky");
    QString otherLanguage = QStringLiteral("Jiný jazyk");
    QString soundFolder;
    // The code page of the open dictionary's foreign words, which also names their sounds.
    const core::CodePage* foreignCodePage = &core::CodePage::windows1250();
    int lessonCount = 100;
    bool newIndex = false;
    bool loginCancelled = false;
    bool closeWithoutAsking = false;
    bool escapeMinimizes = false;
    bool recordAsWave = true;
    sound::WaveFormat recordingFormat;

    // Folders and files under the application folder.
    QString path(const QString& relative) const;
    QString otherFolder() const { return path(QStringLiteral("_other_")); }
    QString emptyTableFolder() const { return path(QStringLiteral("_EmptyTable_")); }
    QString helpPage(const QString& page) const;
    QString userFolder() const { return path(userName); }
    // A path as the user is shown it: relative to the application folder, where he finds it.
    QString shownPath(const QString& path) const;
};

} // namespace app
