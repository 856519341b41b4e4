#include "entry/layouthandle.h"

#include <QByteArray>

#include <algorithm>
#include <iterator>

namespace entry {
namespace {

struct Language {
    const char* layout; // the keyboard configuration's name of the language's layout
    quint16 identifier; // Windows language identifier
    const char* name;
};

// The languages of the usual layouts, named as a Czech system names them.
constexpr Language kLanguages[] = {
    {"ara", 0x0401, "Arabština"},
    {"at", 0x0C07, "Němčina (Rakousko)"},
    {"bg", 0x0402, "Bulharština"},
    {"br", 0x0416, "Portugalština (Brazílie)"},
    {"by", 0x0423, "Běloruština"},
    {"ca", 0x0C0C, "Francouzština (Kanada)"},
    {"ch", 0x0807, "Němčina (Švýcarsko)"},
    {"cn", 0x0804, "Čínština"},
    {"cz", 0x0405, "Čeština"},
    {"de", 0x0407, "Němčina"},
    {"dk", 0x0406, "Dánština"},
    {"ee", 0x0425, "Estonština"},
    {"es", 0x0C0A, "Španělština"},
    {"fi", 0x040B, "Finština"},
    {"fr", 0x040C, "Francouzština"},
    {"gb", 0x0809, "Angličtina (Velká Británie)"},
    {"gr", 0x0408, "Řečtina"},
    {"hr", 0x041A, "Chorvatština"},
    {"hu", 0x040E, "Maďarština"},
    {"ie", 0x083C, "Irština"},
    {"il", 0x040D, "Hebrejština"},
    {"is", 0x040F, "Islandština"},
    {"it", 0x0410, "Italština"},
    {"jp", 0x0411, "Japonština"},
    {"kr", 0x0412, "Korejština"},
    {"latam", 0x080A, "Španělština (Latinská Amerika)"},
    {"lt", 0x0427, "Litevština"},
    {"lv", 0x0426, "Lotyština"},
    {"nl", 0x0413, "Nizozemština"},
    {"no", 0x0414, "Norština"},
    {"pl", 0x0415, "Polština"},
    {"pt", 0x0816, "Portugalština"},
    {"ro", 0x0418, "Rumunština"},
    {"rs", 0x0C1A, "Srbština"},
    {"ru", 0x0419, "Ruština"},
    {"se", 0x041D, "Švédština"},
    {"si", 0x0424, "Slovinština"},
    {"sk", 0x041B, "Slovenština"},
    {"tr", 0x041F, "Turečtina"},
    {"ua", 0x0422, "Ukrajinština"},
    {"us", 0x0409, "Angličtina (USA)"},
};

const Language* languageOf(const QString& layout) {
    const auto found = std::find_if(
        std::begin(kLanguages), std::end(kLanguages),
        [&layout](const Language& language) { return layout == QLatin1String(language.layout); });
    return found == std::end(kLanguages) ? nullptr : found;
}

// FNV-1a: the same value on every machine and in every run, unlike qHash.
quint32 stableHash(const QString& text) {
    quint32 hash = 2166136261u;
    for (const char byte : text.toUtf8()) {
        hash ^= static_cast<quint8>(byte);
        hash *= 16777619u;
    }
    return hash;
}

qint32 handleOf(quint16 high, quint16 low) {
    return static_cast<qint32>((quint32(high) << 16) | low);
}

} // namespace

LayoutItem layoutItem(const core::KeyboardLayout& layout) {
    const Language* language = languageOf(layout.layout);
    const quint16 identifier = language ? language->identifier : 0;
    if (language && layout.variant.isEmpty())
        return {handleOf(identifier, identifier), QString::fromUtf8(language->name)};

    QString names = layout.layout.isEmpty() ? layout.name : layout.layout;
    if (!layout.variant.isEmpty())
        names += u'(' + layout.variant + u')';
    const quint32 hash = stableHash(names);
    const auto high =
        static_cast<quint16>(0xA000 | ((hash ^ (hash >> 12) ^ (hash >> 24)) & 0x0FFF));
    const QString shown = layout.name.isEmpty() ? names : layout.name;
    return {handleOf(high, identifier),
            language ? QString::fromUtf8(language->name) + QStringLiteral(" – ") + shown : shown};
}

} // namespace entry
