#pragma once

#include "core/usererror.h"
#include "sound/pcmsound.h"
#include "sound/selection.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace sound {

// An article that could not be stored, with the message the sound window shows.
class ArticleError : public core::UserError {
public:
    using UserError::UserError;
};

// The longest name the article name box takes.
constexpr int kArticleNameMaxLength = 64;

// "Ulož" of the article panel is enabled exactly when the name holds more than 2 characters
// and the interval list at least one line.
bool canStoreArticle(const QString& name, qsizetype intervalCount);

// One line of the article mode's interval list: start and end in seconds with three decimals,
// each right-aligned in 11 characters, separated by one space ("      1.250       2.700").
QString formatInterval(Selection selection);

// The line read back as the article store reads it (first 11 characters, the rest after the
// 12th), std::nullopt when either is no number.
std::optional<Selection> parseInterval(const QString& line);

// Why a name cannot become an article folder (path separator, "..", leading dot, control
// characters, empty), in Czech, or an empty string when it can.
QString articleNameProblem(const QString& name);

// Stores the article: creates practiceFolder if missing, refuses an existing article folder,
// creates it, and stores each interval line i as 000000.wav, 000001.wav, ... with
// storeSelection. A bad name or a line that is no interval of the take is refused before
// anything is created. Raises ArticleError carrying exactly the message the sound window shows
// ("Není možné vytvořit adresář "practice".", "Takové cvičení již existuje, zadej jiný název.",
// "Není možné vytvořit adresář "NAME".", "Zvuk nebylo možné přiřadit, hlášení zní: \r\n" +
// text).
void storeArticle(const QString& practiceFolder, const QString& name, const PcmSound& take,
                  const QStringList& intervalLines);

} // namespace sound
