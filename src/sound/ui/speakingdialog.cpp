#include "sound/ui/speakingdialog.h"

#include "sound/audioerror.h"
#include "sound/missingsounds.h"
#include "widgets/namedwidgets.h"
#include "widgets/services.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace sound {

using namespace Qt::StringLiterals;

SpeakingDialog::SpeakingDialog(QWidget* parent)
    : QDialog(parent) {
    setObjectName(u"SpeakingDialog"_s);
    setWindowTitle(u"Namluvit chybějící zvuky"_s);
    m_word = new QLabel(this);
    m_bar = widgets::named(new QProgressBar(this), "ProgressBar1");
    auto* cancel = widgets::named(new QPushButton(u"Zrušit"_s, this), "CancelBtn");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_word);
    layout->addWidget(m_bar);
    layout->addWidget(cancel, 0, Qt::AlignRight);
    setMinimumWidth(360);
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &SpeakingDialog::speakNext);
    connect(this, &QDialog::finished, &m_timer, &QTimer::stop);
}

void SpeakingDialog::run(widgets::Services& services, MissingSounds& sounds,
                         const SpeechSynthesizer& synthesizer) {
    m_sounds = &sounds;
    m_synthesizer = &synthesizer;
    m_failure.clear();
    m_bar->setRange(0, int(sounds.total()));
    m_bar->setValue(0);
    m_word->setText(u"Namlouvám slovíčka bez zvuku…"_s);
    m_timer.start();
    const bool done = services.modals.exec(*this) == QDialog::Accepted;
    m_timer.stop();
    if (!m_failure.isEmpty())
        services.messages.error(m_failure);
    else
        services.messages.information(done ? sounds.countMessage()
                                           : u"Namlouvání přerušeno. "_s + sounds.countMessage());
}

void SpeakingDialog::speakNext() {
    if (m_sounds->finished()) {
        accept();
        return;
    }
    try {
        m_sounds->speakNext(*m_synthesizer);
    } catch (const AudioError& error) {
        m_failure = error.message();
        reject();
        return;
    }
    m_bar->setValue(int(m_sounds->done()));
    m_word->setText(u"Hotovo %1 z %2 slovíček"_s.arg(m_sounds->done()).arg(m_sounds->total()));
}

} // namespace sound
