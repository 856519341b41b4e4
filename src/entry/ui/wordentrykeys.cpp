// The word entry dialog's keys and commands: Enter and Escape, adding an entry, F1 to F4
// recalling the previous entry and F5 to F12 applying the dictionary's hot keys.
#include "entry/ui/wordentrydialog.h"

#include "app/runstate.h"
#include "entry/hotkeys.h"
#include "entry/wordentry.h"
#include "store/cursor.h"
#include "store/error.h"
#include "widgets/services.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextCursor>
#include <QToolButton>

namespace entry {
namespace {

// F10 brings the caret back to the foreign field whether or not the dictionary defines it.
constexpr int kFocusingHotKey = 10;

// Every window of the program goes to the task bar.
void minimizeApplication() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (window->isVisible() && (type == Qt::Window || type == Qt::Dialog))
            window->showMinimized();
    }
}

} // namespace

bool WordEntryDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* control = static_cast<QWidget*>(watched);
    const bool expressionField = control == m_foreign || control == m_czech;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (handleKey(control, static_cast<QKeyEvent*>(event)->key()))
            return true;
        break;
    case QEvent::FocusIn:
        // A special-character menu borrows the focus only while it is open.
        if (expressionField && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            switchLayout(control == m_foreign ? LayoutRole::Foreign : LayoutRole::Czech);
        break;
    case QEvent::FocusOut:
        if (expressionField && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            switchLayout(LayoutRole::Application);
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void WordEntryDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        pressEscape(); // never closes the dialog
        return;
    }
    QDialog::keyPressEvent(event);
}

// Keys of the lesson list, the jump box, the expression fields and the descriptions.
bool WordEntryDialog::handleKey(QWidget* control, int key) {
    switch (key) {
    case Qt::Key_F1:
        recallAll();
        return true;
    case Qt::Key_F2:
        recallForeign();
        return true;
    case Qt::Key_F3:
        recallCzech();
        return true;
    case Qt::Key_F4:
        recallDescription();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (control == m_descriptionLines || control == m_lesson || control == m_jump)
            return false;
        pressEnter(control);
        return true;
    case Qt::Key_Escape:
        pressEscape();
        return true;
    default:
        break;
    }
    if (key >= Qt::Key_F5 && key <= Qt::Key_F12) {
        pressHotKey(kFirstHotKey + (key - Qt::Key_F5));
        return true;
    }
    return false;
}

void WordEntryDialog::pressEnter(QWidget* field) {
    if (field == m_foreign && !m_foreignOnly->isChecked())
        m_czech->setFocus();
    else if (field != m_description && m_jump->isChecked())
        focusDescription();
    else
        addEntry();
}

void WordEntryDialog::pressEscape() {
    if (m_state.escapeMinimizes)
        minimizeApplication();
}

void WordEntryDialog::addEntry() {
    if (!hasBothWords(m_czech->text(), m_foreign->text()))
        return;
    store::Cursor* dictionary = m_dictionary.data();
    if (!dictionary || !dictionary->active()) {
        m_services.messages.error(QStringLiteral("Není vybrán žádný slovník"));
        focusForeignField();
        return;
    }
    NewEntry entry{m_foreign->text(), m_czech->text(), m_lesson->currentText(),
                   descriptionLines(descriptionText())};
    m_lastCzech = entry.czech;
    m_lastForeign = entry.other;
    m_lastDescription = entry.descriptionLines.value(0);
    try {
        entry::addEntry(*dictionary, entry);
        clearAfterAdding();
        emit entryAdded(entry.other, entry.czech);
    } catch (const store::Error&) {
        m_services.messages.error(QStringLiteral("Takový záznam již existuje."));
    }
    focusForeignField();
}

void WordEntryDialog::clearAfterAdding() {
    m_foreign->clear();
    if (!m_foreignOnly->isChecked())
        m_czech->clear();
    m_description->clear();
    m_descriptionLines->clear();
}

void WordEntryDialog::focusForeignField() {
    m_foreign->setFocus();
}

void WordEntryDialog::focusDescription() {
    if (singleLineDescription())
        m_description->setFocus();
    else
        m_descriptionLines->setFocus();
}

bool WordEntryDialog::singleLineDescription() const {
    return m_singleLine->isChecked();
}

QString WordEntryDialog::descriptionText() const {
    return singleLineDescription() ? m_description->text() : m_descriptionLines->toPlainText();
}

// A text that does not fit its field is never cut: the field stays as it was and the
// user is told why.
bool WordEntryDialog::fits(const QLineEdit* field, const QString& text) {
    if (text.size() <= field->maxLength())
        return true;
    m_services.messages.error(QStringLiteral("Text „%1“ je delší než %2 znaků, do pole se nevejde.")
                                  .arg(text)
                                  .arg(field->maxLength()));
    return false;
}

void WordEntryDialog::recallAll() {
    recallForeign();
    recallCzech();
    recallDescription();
    m_foreign->end(false);
    focusForeignField();
}

void WordEntryDialog::recallForeign() {
    m_foreign->setText(m_lastForeign);
}

void WordEntryDialog::recallCzech() {
    m_czech->setText(m_lastCzech);
}

void WordEntryDialog::recallDescription() {
    if (singleLineDescription()) {
        if (fits(m_description, m_lastDescription))
            m_description->setText(m_lastDescription);
        return;
    }
    QTextCursor start(m_descriptionLines->document());
    start.insertText(m_descriptionLines->document()->isEmpty() ? m_lastDescription
                                                               : m_lastDescription + u'\n');
}

void WordEntryDialog::pressHotKey(int number) {
    const QToolButton* button = m_hotKeyButtons[static_cast<size_t>(number - kFirstHotKey)];
    const auto key = m_hotKeys.find(number);
    if (!button->isHidden() && key != m_hotKeys.end())
        useHotKey(key->second);
    if (number == kFocusingHotKey)
        focusForeignField();
}

void WordEntryDialog::useHotKey(const dictionary::HotKeyRecord& key) {
    const bool singleLine = singleLineDescription();
    const EntryTexts texts =
        applyHotKey(key, {m_foreign->text(), m_czech->text(), m_description->text()}, singleLine);
    if (fits(m_foreign, texts.other) && fits(m_czech, texts.czech) &&
        (!singleLine || fits(m_description, texts.description))) {
        m_foreign->setText(texts.other);
        m_czech->setText(texts.czech);
        if (singleLine)
            m_description->setText(texts.description);
    }
    m_foreign->end(false);
    focusForeignField();
}

} // namespace entry
