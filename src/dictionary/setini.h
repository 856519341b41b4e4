#pragma once

#include "core/codepage.h"
#include "dictionary/fontsetting.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <array>
#include <map>
#include <optional>
#include <vector>

namespace dictionary {

// The three fonts of a dictionary: Czech words, foreign words and descriptions.
struct DictionaryFonts {
    FontSetting cz;
    FontSetting other;
    FontSetting intr;

    bool operator==(const DictionaryFonts&) const = default;
};

// One item of a word field's context menu: the shortcut as written in the file (the dialog
// turns it into a key sequence with QKeySequence::fromString in portable form, e.g. "Ctrl+A"),
// the character the item types and the item's caption.
struct CharHotKey {
    QString shortcut;
    QChar character;
    QString caption;

    bool operator==(const CharHotKey&) const = default;
};

// How a function-key hot key puts its text into a field; the numbers are those of the files.
enum class InsertMode : quint8 { Replace = 1, After = 2, Before = 3 };

// What function key F5 to F12 of the word entry dialog does: first the nine removal texts
// are each taken out once, then the three texts go in by their modes.
struct HotKeyRecord {
    QString other;
    QString cz;
    QString introduce;
    QString hint = QStringLiteral("User hot key");
    std::array<QString, 3> deleteIntroduce;
    std::array<QString, 3> deleteOther;
    std::array<QString, 3> deleteCz;
    InsertMode introduceMode = InsertMode::Replace;
    InsertMode czMode = InsertMode::Before;
    InsertMode otherMode = InsertMode::Before;

    bool operator==(const HotKeyRecord&) const = default;
};

enum class SoundFolderKind {
    None,
    Increment, // below the application folder; also offers adding new sounds
    Full,      // an absolute folder
};

// The content of a dictionary's set.ini. What the file does not set stays empty, and the
// main window keeps its defaults for it ("Česky", "Jiný jazyk", its own font, no sounds).
struct DictionarySettings {
    std::optional<QString> czechLanguage;
    std::optional<QString> otherLanguage;
    // The Czech name in force when the last "language=" line was read; the sort items are
    // built at that moment and keep it. Nothing means the default name.
    std::optional<QString> czechLanguageAtOtherLanguage;

    SoundFolderKind soundKind = SoundFolderKind::None;
    QString soundValue;

    DictionaryFonts fonts;

    std::vector<CharHotKey> czKeys;
    std::vector<CharHotKey> otherKeys;
    std::vector<CharHotKey> intrKeys;

    // By function key number, 5 to 12.
    std::map<int, HotKeyRecord> functionKeys;

    QStringList note;

    // The espeak-ng voice that speaks the foreign words ("voice="); empty: by the language.
    QString voice;

    // "language=" came before "language_cz=", so the sort items keep the default Czech name.
    bool otherLanguageFirst() const {
        return otherLanguage && czechLanguage && !czechLanguageAtOtherLanguage;
    }
};

// The folder the dictionary's sounds live in, ending with '/', or an empty string when the
// file names none.
QString soundFolder(const DictionarySettings& settings, const QString& applicationFolder);

// The code page of the foreign words in the dictionary's text files and sound names: the one
// of the foreign font's character set ("fontotherchar=").
const core::CodePage& foreignCodePage(const DictionarySettings& settings);

// Reads set.ini line by line. A key matches only at the very start of a line, case-sensitive
// and untrimmed, so a leading space or "//" disables a line; the value is the rest of the line.
// A key met twice applies twice. Inside a block only that block's own keys count, and a block
// that is not closed takes every line up to the end of the file.
DictionarySettings parseSetIni(const QStringList& lines);

// Raises core::FileError with the message shown to the user when the file cannot be read.
DictionarySettings readSetIni(const QString& path);
QStringList readSetIniLines(const QString& path);

} // namespace dictionary
