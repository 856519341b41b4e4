#include "sound/articleui/articlestopwindow.h"

#include "widgets/widgetcolors.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace sound {

using namespace Qt::StringLiterals;

ArticleStopWindow::ArticleStopWindow(const bool& escapeMinimizes, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_escapeMinimizes(escapeMinimizes) {
    // Shown without blocking, yet above the modal article window and the only window that
    // takes input while a playback runs.
    setWindowModality(Qt::ApplicationModal);
    setObjectName(u"TForm3"_s);
    widgets::setBackgroundColor(this, Qt::blue);
    auto* button = new QPushButton(u"STOP"_s, this);
    button->setObjectName(u"StopBtn"_s);
    button->setMinimumSize(160, 48);
    connect(button, &QPushButton::clicked, this, &ArticleStopWindow::stop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(button);
}

void ArticleStopWindow::showStop() {
    m_stopped = false;
    adjustSize();
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void ArticleStopWindow::stop() {
    m_stopped = true;
    hide();
}

void ArticleStopWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (m_escapeMinimizes) {
            for (QWidget* window : QApplication::topLevelWidgets())
                window->showMinimized();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void ArticleStopWindow::reject() {
    // Only "STOP" stops; Esc at most minimises.
}

} // namespace sound
