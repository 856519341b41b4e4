// The word entry dialog's look as exam.ini gives it.
#include "entry/ui/wordentrydialog.h"

#include "widgets/widgetcolors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace entry {

void WordEntryDialog::setColors(const EntryDialogColors& colors) {
    auto* descriptionKind = findChild<QGroupBox*>(QStringLiteral("RadioGroup1"));
    if (colors.background) {
        widgets::setBackgroundColor(this, *colors.background);
        widgets::setBackgroundColor(descriptionKind, *colors.background);
    }
    if (colors.font) {
        widgets::setTextColor(this, *colors.font);
        widgets::setTextColor(descriptionKind, *colors.font);
    }
    const QList<QWidget*> boxes = {m_lesson, m_foreign, m_czech, m_description, m_descriptionLines};
    for (QWidget* box : boxes) {
        if (colors.editBackground)
            widgets::setBackgroundColor(box, *colors.editBackground);
        if (colors.editFont)
            widgets::setTextColor(box, *colors.editFont);
    }
    if (colors.checkBoxFont) {
        widgets::setTextColor(m_jump, *colors.checkBoxFont);
        widgets::setTextColor(m_foreignOnly, *colors.checkBoxFont);
    }
    if (colors.buttonFont) {
        for (const char* name : {"SpeedButton1", "SpeedButton2"})
            widgets::setTextColor(findChild<QToolButton*>(QLatin1StringView(name)),
                                  *colors.buttonFont);
    }
    if (colors.characterButtonFont) {
        for (QToolButton* button : m_hotKeyButtons)
            widgets::setTextColor(button, *colors.characterButtonFont);
    }
}

void WordEntryDialog::setJump(bool jump) {
    m_jump->setChecked(jump);
}

// Without a border over the whole screen; the controls keep their arrangement in the middle.
void WordEntryDialog::setFullScreen() {
    setWindowFlag(Qt::FramelessWindowHint);
    setWindowState(windowState() | Qt::WindowMaximized);
    layout()->setAlignment(Qt::AlignCenter);
}

} // namespace entry
