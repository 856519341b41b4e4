#pragma once

#include "dictionary/setini.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

class QMenu;
class QWidget;

namespace entry {

// A special-character menu of a dictionary (Czech, foreign or description characters).
// Every field it is attached to shows it as its context menu and takes its shortcuts
// while focused; choosing an item types the item's character into the field, as if the
// user had typed it (at the caret, over a selection, within the field's length limit).
// The word entry dialog attaches its own fields; the exam, the article practice and the
// main window attach theirs while they want the characters.
class CharacterMenu : public QObject {
    Q_OBJECT
public:
    explicit CharacterMenu(const QString& objectName, QObject* parent = nullptr);
    ~CharacterMenu() override;

    // Replaces the items: one per key, with its caption and shortcut; item i types the
    // i-th character.
    void setKeys(const std::vector<dictionary::CharHotKey>& keys);
    QString characters() const { return m_characters; }
    QMenu& menu() { return *m_menu; }

    void attach(QWidget* field);
    void detach(QWidget* field);

private:
    void addShortcutsTo(QWidget* field);
    void popUp(QWidget* field, const QPoint& position);
    void type(QChar character);
    QWidget* target() const;

    struct Attached {
        QPointer<QWidget> field;
        QMetaObject::Connection popUp;
    };

    std::unique_ptr<QMenu> m_menu;
    QString m_characters;
    std::vector<Attached> m_fields;
    QPointer<QWidget> m_poppedUpFrom;
};

} // namespace entry
