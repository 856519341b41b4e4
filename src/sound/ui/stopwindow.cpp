#include "sound/ui/stopwindow.h"

#include "widgets/widgetcolors.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace sound {

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
}

void StopWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
}

void StopWindow::keyPressEvent(QKeyEvent* event) {
    if (!event->text().isEmpty())
        accept();
}

void StopWindow::keyReleaseEvent(QKeyEvent* event) {
    // A key held down repeats its release too; only letting it go counts.
    if (event->isAutoRepeat())
        return;
    if (event->key() == Qt::Key_F12 || (event->key() == Qt::Key_F11 && m_stopsOnF11Release))
        accept();
}

} // namespace sound
