// The sounds of the article window: the model, the attempt recorded while a key or button is
// held, both in turn, the whole article, and whole articles played one after another.
#include "sound/articleui/articlewindow.h"

#include "sound/articlefolder.h"
#include "sound/articleui/articlestopwindow.h"
#include "sound/audioerror.h"
#include "sound/mediaplayer.h"
#include "widgets/services.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QToolButton>

namespace sound {

using namespace Qt::StringLiterals;

bool ArticleWindow::playFile(const QString& path) {
    try {
        m_playPl->setFileName(path);
        m_playPl->open();
        m_playPl->setWait(true);
        m_playPl->play();
        return true;
    } catch (const AudioError&) {
        return false;
    }
}

void ArticleWindow::playModel() {
    const int row = m_fileList->currentRow();
    if (row < 0 || row >= m_files.size())
        return;
    if (!playFile(m_files.at(row)))
        m_services.messages.error(u"Soubor \""_s + m_fileList->item(row)->text() +
                                  u"\" nelze přehrát, není to zvuk."_s);
}

void ArticleWindow::playRecording() {
    if (m_recordPl->mode() == MediaPlayer::Mode::Recording || m_recordPl->length() < 1)
        return;
    try {
        m_recordPl->setWait(true);
        m_recordPl->play(0);
    } catch (const AudioError& error) {
        m_services.messages.error(error.message());
    }
}

void ArticleWindow::playBoth() {
    playModel();
    playRecording();
}

void ArticleWindow::startRecording() {
    if (m_recordHeld || !m_recordSound->isEnabled())
        return;
    m_recordHeld = true;
    m_recordSound->setDown(true);
    try {
        m_recordPl->openNew(m_recordingFormat);
        m_recordPl->record();
    } catch (const AudioError& error) {
        m_services.messages.error(error.message());
    }
}

void ArticleWindow::stopRecording() {
    if (!m_recordHeld)
        return;
    m_recordHeld = false;
    m_recordSound->setDown(false);
    m_recordPl->stop();
    if (m_autoPlay->isChecked())
        playBoth();
}

void ArticleWindow::playWholeArticle() {
    m_stopWindow.showStop();
    m_step->setText(u"Start [Enter]"_s);
    while (!m_closed && !m_stopWindow.stopped() && !m_files.isEmpty() &&
           m_fileList->currentRow() + 1 < m_files.size()) {
        step();
        QCoreApplication::processEvents();
    }
    m_stopWindow.hide();
    if (m_closed)
        return;
    m_step->setText(u"Start [Enter]"_s);
    m_fileList->setCurrentRow(m_files.isEmpty() ? -1 : 0);
}

void ArticleWindow::playArticles(const QStringList& articleFolders) {
    m_stopWindow.showStop();
    for (const QString& folder : articleFolders) {
        for (const QString& file : phraseFiles(folder)) {
            QCoreApplication::processEvents();
            if (m_stopWindow.stopped())
                break;
            // A file that is no sound is passed over.
            playFile(file);
        }
        if (m_stopWindow.stopped())
            break;
    }
    m_stopWindow.hide();
    m_playPl->close();
}

} // namespace sound
