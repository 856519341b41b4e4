// What the sound window stores: the selection as the sound of the selected word, under a
// typed name or as the pieces of an article; a word's wave sound deleted; the whole take
// copied to a file of the user's choice.
#include "sound/ui/soundwindow.h"

#include "core/usererror.h"
#include "sound/article.h"
#include "sound/audioerror.h"
#include "sound/selectionstore.h"
#include "sound/soundfilename.h"
#include "sound/ui/articlepanel.h"
#include "sound/ui/namedialog.h"
#include "widgets/services.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>

namespace sound {

using namespace Qt::StringLiterals;

namespace {

const QString kNoTake = u"Není k dispozici záznam."_s;

} // namespace

void SoundWindow::assignToWord() {
    const QString target = wordSoundFile();
    if (target.isEmpty())
        return;
    if (m_confirmAssign->isChecked() &&
        !m_services.messages.confirm(u"Přiřadit tento zvukový záznam k vybranému slovíčku ?"_s))
        return;
    if (storeSelectionAs(target))
        reloadWordSound();
}

void SoundWindow::storeUnderName() {
    if (m_setup.soundFolder.isEmpty())
        return; // a dictionary without sounds of its own
    const std::optional<QString> name = m_nameDialog->run();
    if (!name || name->isEmpty())
        return;
    if (storeSelectionAs(m_setup.soundFolder + soundFileName(*name, *m_setup.soundNames) +
                         u".wav"_s))
        reloadWordSound();
}

// A file already there is replaced only when the user agrees, and only once the new one has
// been written whole. False when nothing was attempted.
bool SoundWindow::storeSelectionAs(const QString& target) {
    if (QFileInfo::exists(target) &&
        !m_services.messages.confirmDangerous(u"Zvuk již existuje, přepsat ?"_s))
        return false;
    try {
        if (!hasTake())
            throw AudioError(kNoTake);
        // An empty piece would leave a word silent.
        if (m_selection.endMs <= m_selection.startMs)
            throw AudioError(u"Vybraný úsek záznamu je prázdný."_s);
        // The word's sound may be the file replaced.
        m_links.mainPlayer.close();
        storeSelection(m_recorder->sound(), m_selection, target, Replace::Existing);
    } catch (const core::UserError& error) {
        m_services.messages.error(u"Zvuk nebylo možné přiřadit, hlášení zní: \r\n"_s +
                                  error.message());
    }
    return true;
}

// Only the word's wave sound; an MP3 sound is never deleted here.
void SoundWindow::deleteWordSound() {
    const QString target = wordSoundFile();
    if (target.isEmpty() || !QFileInfo::exists(target) ||
        !m_services.messages.confirmDangerous(u"Smazat zvuk ?"_s))
        return;
    m_links.mainPlayer.close();
    QFile file(target);
    if (!file.remove())
        m_services.messages.error(u"Zvuk nebylo možné smazat, hlášení zní: \r\n"_s +
                                  file.errorString());
    reloadWordSound();
}

// A copy of the take's file; an existing file is never replaced.
void SoundWindow::saveWholeTake() {
    if (!hasTake() || m_recorder->length() <= 0 || !QFileInfo::exists(m_takeFile)) {
        m_services.messages.error(kNoTake);
        return;
    }
    const std::optional<QString> target =
        m_services.files.pickFileToSave(u"Soubory wav (*.wav)"_s, u"wav"_s, this);
    if (target && !QFile::copy(m_takeFile, *target))
        m_services.messages.error(u"Není možné záznam uložit (zkopírovat)."_s);
}

void SoundWindow::insertInterval() {
    m_articlePanel->addInterval(formatInterval(m_selection));
}

void SoundWindow::saveArticle() {
    try {
        storeArticle(m_setup.practiceFolder, m_articlePanel->name(),
                     hasTake() ? m_recorder->sound() : PcmSound{}, m_articlePanel->intervals());
    } catch (const core::UserError& error) {
        m_services.messages.error(error.message());
        return;
    }
    m_articlePanel->clearIntervals();
}

} // namespace sound
