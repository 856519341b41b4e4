#include "shell/settingini.h"

#include "core/ansilower.h"
#include "core/cp1250linereader.h"
#include "core/fileerror.h"
#include "core/settingsint.h"
#include "core/settingsline.h"

#include <QFile>

namespace shell {
namespace {

constexpr int kDefaultLessonCount = 100;

} // namespace

void readSettingIni(const QString& path, RunState& state) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw core::FileError(QStringLiteral("Chyba při čtení souboru \"setting.ini\"."));
    state.lessonCount = kDefaultLessonCount;
    core::Cp1250LineReader reader(file);
    while (const std::optional<QString> line = reader.next()) {
        const QString lowered = core::ansiLower(*line);
        if (const auto value = core::valueAfterKey(lowered, u"lessoncount="))
            state.lessonCount = core::parseSettingsInt(*value).value_or(kDefaultLessonCount);
    }
    if (file.error() != QFileDevice::NoError)
        throw core::FileError(QStringLiteral("Chyba při čtení souboru \"setting.ini\"."));
}

} // namespace shell
