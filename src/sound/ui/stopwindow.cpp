#include "sound/ui/stopwindow.h"

#include "widgets/widgetcolors.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace sound {
namespace {

// Longer than the pause between the repeats of a held key (25 to 30 a second), shorter than
// letting a key go and pressing it again takes a hand.
constexpr int kRepeatGapMs = 60;

} // namespace

StopWindow::StopWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TForm2"));
    widgets::setBackgroundColor(this, Qt::blue);
    auto* stop = new QPushButton(QStringLiteral("STOP"), this);
    stop->setObjectName(QStringLiteral("StopBtn"));
    stop->setDefault(true);
    stop->setMinimumSize(160, 48);
    connect(stop, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(stop);
    m_repeatGap.setSingleShot(true);
    m_repeatGap.setInterval(kRepeatGapMs);
    connect(&m_repeatGap, &QTimer::timeout, this, [this] {
        m_closedByKey = true;
        accept();
    });
}

void StopWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_letGoKey = 0;
    m_closedByKey = false;
    m_repeatGap.stop();
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
}

void StopWindow::keyPressEvent(QKeyEvent* event) {
    if (m_repeatGap.isActive() && event->key() == m_letGoKey) {
        m_repeatGap.stop(); // the key is still held
        return;
    }
    if (!event->text().isEmpty())
        accept();
}

void StopWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat())
        return;
    if (event->key() == Qt::Key_F12 || (event->key() == Qt::Key_F11 && m_stopsOnF11Release)) {
        m_letGoKey = event->key();
        m_repeatGap.start();
        emit keyLetGo();
    }
}

} // namespace sound
