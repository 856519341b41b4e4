#include "dictionary/setini.h"

#include "core/cp1250linereader.h"
#include "core/settingsint.h"
#include "core/settingsline.h"

#include <algorithm>

namespace dictionary {

namespace {

// A character hot-key line: shortcut, comma, character, one skipped character, caption.
// A line without a comma has no shortcut and starts with its character.
std::optional<CharHotKey> parseCharHotKey(const QString& line) {
    if (line.size() < 7)
        return std::nullopt;
    const qsizetype comma = line.indexOf(u',');
    const qsizetype at = comma + 1;
    return CharHotKey{line.left(std::max<qsizetype>(comma, 0)),
                      at < line.size() ? line.at(at) : QChar(), line.mid(at + 2)};
}

class SetIniParser {
public:
    explicit SetIniParser(const QStringList& lines)
        : m_lines(lines) {}

    DictionarySettings parse() {
        while (const std::optional<QString> line = take())
            parseLine(*line);
        return std::move(m_settings);
    }

private:
    std::optional<QString> take() {
        if (m_next >= m_lines.size())
            return std::nullopt;
        return m_lines.at(m_next++);
    }

    // Gives every line up to the end line (which is consumed) or the end of the file.
    template <typename Visit> void readBlock(QStringView endKey, Visit visit) {
        while (const std::optional<QString> line = take()) {
            if (core::lineHasKey(*line, endKey))
                return;
            visit(*line);
        }
    }

    // No two keys can match the same line, so the first match decides the line.
    void parseLine(const QString& line) {
        using core::valueAfterKey;
        if (auto czech = valueAfterKey(line, u"language_cz=")) {
            m_settings.czechLanguage = std::move(czech);
        } else if (auto other = valueAfterKey(line, u"language=")) {
            m_settings.otherLanguage = std::move(other);
            m_settings.czechLanguageAtOtherLanguage = m_settings.czechLanguage;
        } else if (auto increment = valueAfterKey(line, u"soundincrementpath=")) {
            m_settings.soundKind = SoundFolderKind::Increment;
            m_settings.soundValue = *increment;
        } else if (auto full = valueAfterKey(line, u"soundfullpath=")) {
            m_settings.soundKind = SoundFolderKind::Full;
            m_settings.soundValue = *full;
        } else if (auto voice = valueAfterKey(line, u"voice=")) {
            m_settings.voice = *voice;
        } else if (!parseFontLine(line, u"fontcz", m_settings.fonts.cz) &&
                   !parseFontLine(line, u"fontother", m_settings.fonts.other) &&
                   !parseFontLine(line, u"fontintr", m_settings.fonts.intr)) {
            parseBlockStart(line);
        }
    }

    void parseBlockStart(const QString& line) {
        using core::lineHasKey;
        if (lineHasKey(line, u"{[..keycz..]}")) {
            readCharHotKeys(u"{[..endkeycz..]}", m_settings.czKeys);
        } else if (lineHasKey(line, u"{[..keyother..]}")) {
            readCharHotKeys(u"{[..endkeyother..]}", m_settings.otherKeys,
                            &foreignCodePage(m_settings));
        } else if (lineHasKey(line, u"{[..keyintr..]}")) {
            readCharHotKeys(u"{[..endkeyintr..]}", m_settings.intrKeys);
        } else if (auto number = core::valueAfterKey(line, u"key=F")) {
            readFunctionKey(core::parseSettingsInt(*number).value_or(5));
        } else if (lineHasKey(line, u"{[..memo..]}")) {
            readBlock(u"{[..endmemo..]}",
                      [&](const QString& noteLine) { m_settings.note << noteLine; });
        }
    }

    static bool parseFontLine(const QString& line, QStringView prefix, FontSetting& font) {
        const auto value = [&](QStringView suffix) {
            return core::valueAfterKey(line, QString(prefix.toString() + suffix));
        };
        if (auto face = value(u"=")) {
            font.face = *face;
        } else if (auto charset = value(u"char=")) {
            font.charset = core::parseSettingsInt(*charset).value_or(1);
        } else if (value(u"bold")) {
            font.bold = true;
        } else if (value(u"italic")) {
            font.italic = true;
        } else if (auto size = value(u"size=")) {
            font.size = core::parseSettingsInt(*size);
        } else {
            return false;
        }
        return true;
    }

    // The foreign menu's characters are in the code page of the foreign font.
    void readCharHotKeys(QStringView endKey, std::vector<CharHotKey>& keys,
                         const core::CodePage* codePage = nullptr) {
        readBlock(endKey, [&](const QString& line) {
            if (auto key = parseCharHotKey(codePage ? codePage->fromCp1250Text(line) : line))
                keys.push_back(std::move(*key));
        });
    }

    // A block for a key outside F5 to F12 is read all the same, so that its lines are not
    // taken for other keys, but it sets nothing.
    void readFunctionKey(int number) {
        HotKeyRecord record;
        readBlock(u"endkey", [&](const QString& line) { parseFunctionKeyLine(line, record); });
        if (number >= 5 && number <= 12)
            m_settings.functionKeys[number] = std::move(record);
    }

    static void parseFunctionKeyLine(const QString& line, HotKeyRecord& record) {
        struct TextKey {
            QStringView key;
            QString HotKeyRecord::*text;
        };
        struct RemovalKeys {
            QStringView key;
            std::array<QString, 3> HotKeyRecord::*texts;
        };
        struct ModeKey {
            QStringView line;
            InsertMode HotKeyRecord::*mode;
            InsertMode value;
        };
        static const TextKey textKeys[] = {
            {u"other=", &HotKeyRecord::other},
            {u"cz=", &HotKeyRecord::cz},
            {u"introduce=", &HotKeyRecord::introduce},
            {u"hint=", &HotKeyRecord::hint},
        };
        static const RemovalKeys removalKeys[] = {
            {u"deleteintroduce", &HotKeyRecord::deleteIntroduce},
            {u"deleteother", &HotKeyRecord::deleteOther},
            {u"deletecz", &HotKeyRecord::deleteCz},
        };
        static const ModeKey modeKeys[] = {
            {u"introducetype=after", &HotKeyRecord::introduceMode, InsertMode::After},
            {u"introducetype=before", &HotKeyRecord::introduceMode, InsertMode::Before},
            {u"cztype=after", &HotKeyRecord::czMode, InsertMode::After},
            {u"cztype=overwrite", &HotKeyRecord::czMode, InsertMode::Replace},
            {u"othertype=after", &HotKeyRecord::otherMode, InsertMode::After},
            {u"othertype=overwrite", &HotKeyRecord::otherMode, InsertMode::Replace},
        };
        for (const TextKey& key : textKeys) {
            if (auto value = core::valueAfterKey(line, key.key))
                record.*key.text = *value;
        }
        for (const RemovalKeys& keys : removalKeys) {
            const QString stem = keys.key.toString();
            const QString names[] = {stem + u'=', stem + u"2=", stem + u"3="};
            for (size_t i = 0; i < 3; ++i) {
                if (auto value = core::valueAfterKey(line, names[i]))
                    (record.*keys.texts)[i] = *value;
            }
        }
        for (const ModeKey& key : modeKeys) {
            if (core::lineHasKey(line, key.line))
                record.*key.mode = key.value;
        }
    }

    const QStringList& m_lines;
    qsizetype m_next = 0;
    DictionarySettings m_settings;
};

} // namespace

QString soundFolder(const DictionarySettings& settings, const QString& applicationFolder) {
    switch (settings.soundKind) {
    case SoundFolderKind::Increment:
        return applicationFolder + u'/' + settings.soundValue + u'/';
    case SoundFolderKind::Full:
        return settings.soundValue + u'/';
    case SoundFolderKind::None:
        break;
    }
    return QString();
}

const core::CodePage& foreignCodePage(const DictionarySettings& settings) {
    return core::CodePage::forCharset(settings.fonts.other.charset);
}

DictionarySettings parseSetIni(const QStringList& lines) {
    return SetIniParser(lines).parse();
}

DictionarySettings readSetIni(const QString& path) {
    return parseSetIni(readSetIniLines(path));
}

QStringList readSetIniLines(const QString& path) {
    return core::readCp1250FileLines(
        path, QStringLiteral("Chyba při čtení souboru \"set.ini\" v adresáři slovníku."));
}

} // namespace dictionary
