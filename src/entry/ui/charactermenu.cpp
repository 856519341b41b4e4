#include "entry/ui/charactermenu.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>

#include <algorithm>

namespace entry {

CharacterMenu::CharacterMenu(const QString& objectName, QObject* parent)
    : QObject(parent)
    , m_menu(std::make_unique<QMenu>()) {
    setObjectName(objectName);
    m_menu->setObjectName(objectName);
}

CharacterMenu::~CharacterMenu() = default;

void CharacterMenu::setKeys(const std::vector<dictionary::CharHotKey>& keys) {
    m_menu->clear(); // deleting the actions takes them off every field too
    m_characters.clear();
    for (const dictionary::CharHotKey& key : keys) {
        QAction* item = m_menu->addAction(key.caption);
        item->setShortcut(QKeySequence::fromString(key.shortcut, QKeySequence::PortableText));
        // The shortcut belongs to the fields that show this menu, while they have focus.
        item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        const QChar character = key.character;
        connect(item, &QAction::triggered, this, [this, character] { type(character); });
        m_characters += character;
    }
    for (const Attached& attached : m_fields)
        addShortcutsTo(attached.field);
}

void CharacterMenu::attach(QWidget* field) {
    if (std::any_of(m_fields.begin(), m_fields.end(),
                    [field](const Attached& attached) { return attached.field == field; }))
        return;
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    const QMetaObject::Connection popUp =
        connect(field, &QWidget::customContextMenuRequested, this,
                [this, field](const QPoint& position) { this->popUp(field, position); });
    m_fields.push_back({field, popUp});
    addShortcutsTo(field);
}

void CharacterMenu::detach(QWidget* field) {
    const auto attached =
        std::find_if(m_fields.begin(), m_fields.end(),
                     [field](const Attached& candidate) { return candidate.field == field; });
    if (attached == m_fields.end())
        return;
    disconnect(attached->popUp);
    m_fields.erase(attached);
    field->setContextMenuPolicy(Qt::DefaultContextMenu);
    for (QAction* item : m_menu->actions())
        field->removeAction(item);
}

void CharacterMenu::addShortcutsTo(QWidget* field) {
    if (field)
        field->addActions(m_menu->actions());
}

void CharacterMenu::popUp(QWidget* field, const QPoint& position) {
    if (m_menu->isEmpty())
        return;
    // A scroll area reports the position in its viewport.
    const auto* scrollArea = qobject_cast<QAbstractScrollArea*>(field);
    const QWidget* origin = scrollArea ? scrollArea->viewport() : field;
    m_poppedUpFrom = field;
    m_menu->popup(origin->mapToGlobal(position));
}

// The field the user chose the item for: the attached field with the keyboard focus,
// else the one whose menu was opened last, else the one that is its visible window's
// focused control.
QWidget* CharacterMenu::target() const {
    const auto isAttached = [this](const QWidget* widget) {
        return widget && std::any_of(m_fields.begin(), m_fields.end(),
                                     [widget](const Attached& a) { return a.field == widget; });
    };
    if (QWidget* focused = QApplication::focusWidget(); isAttached(focused))
        return focused;
    if (QWidget* popped = m_poppedUpFrom.data(); isAttached(popped) && popped->isVisible())
        return popped;
    for (const Attached& attached : m_fields) {
        QWidget* field = attached.field;
        if (field && field->isVisible() && field->window()->focusWidget() == field)
            return field;
    }
    return nullptr;
}

void CharacterMenu::type(QChar character) {
    QWidget* field = target();
    m_poppedUpFrom = nullptr;
    if (!field)
        return;
    const QString text(character);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QApplication::sendEvent(field, &release);
}

} // namespace entry
