#include "entry/layoutswitching.h"

#include "core/cp1250linereader.h"
#include "core/fileerror.h"
#include "core/filereplace.h"
#include "core/settingsint.h"

#include <QDir>

#include <algorithm>

namespace entry {
namespace {

constexpr std::size_t kMostLayouts = 512;

} // namespace

void LayoutSwitching::fillLayouts() {
    std::vector<core::KeyboardLayout> installed = m_system.installed();
    installed.resize(std::min(installed.size(), kMostLayouts));
    m_layouts.clear();
    for (const core::KeyboardLayout& layout : installed)
        m_layouts.push_back(layoutItem(layout));
    m_choices.fill(std::nullopt);
    if (m_layouts.empty())
        m_automatic = false;
}

QString LayoutSwitching::loadSettings(const QString& path) {
    QStringList lines;
    try {
        lines = core::readCp1250FileLines(path);
    } catch (const core::FileError&) {
        return QStringLiteral("Chyba čtení souboru ") + QDir::toNativeSeparators(path);
    }
    m_automatic = lines.value(0).trimmed().toLower() == u"on";
    for (std::size_t line = 0; line < std::size(kLayoutRoles); ++line) {
        const qint32 handle =
            core::parseSettingsInt(lines.value(int(line) + 1)).value_or(kNoChoice);
        const auto found =
            std::find_if(m_layouts.begin(), m_layouts.end(),
                         [handle](const LayoutItem& item) { return item.handle == handle; });
        choose(kLayoutRoles[line], found == m_layouts.end()
                                       ? std::nullopt
                                       : std::optional(int(found - m_layouts.begin())));
    }
    return m_automatic ? QStringLiteral("Automatické přepínání klávesnice aktivováno")
                       : QStringLiteral("Automatické přepínání klávesnice vypnuto");
}

void LayoutSwitching::saveSettings(const QString& path) const {
    QStringList lines{m_automatic ? QStringLiteral("on") : QStringLiteral("off")};
    for (const LayoutRole role : kLayoutRoles) {
        const std::optional<int> position = choice(role);
        lines << QString::number(position ? m_layouts[std::size_t(*position)].handle : kNoChoice);
    }
    core::replaceFileWithLines(path, lines);
}

void LayoutSwitching::activate(LayoutRole role) const {
    if (const std::optional<int> position = choice(role); m_automatic && position)
        m_system.activate(*position);
}

} // namespace entry
