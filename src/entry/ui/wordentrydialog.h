#pragma once

#include "dictionary/setini.h"
#include "entry/layoutswitching.h"
#include "entry/ui/charactermenu.h"

#include <QColor>
#include <QDialog>
#include <QImage>
#include <QPointer>

#include <array>
#include <functional>
#include <map>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QToolButton;

namespace app {
struct RunState;
}
namespace widgets {
struct Services;
}

namespace store {
class Cursor;
}

namespace entry {

// The word entry dialog (TOKBottomDlg, "Přidání slovíček"): the fast way to add many
// entries to the open dictionary. The user types a foreign expression, its Czech
// counterpart, picks a lesson and maybe a description, presses Enter, and the fields
// empty for the next entry. F1 to F4 recall the previous entry, F5 to F12 are the
// dictionary's hot keys, and the fields' context menus type special characters. The
// dialog is not modal; it lives for the whole run.
class WordEntryDialog : public QDialog {
    Q_OBJECT
public:
    // The keyboard layout follows the field being typed into: entering the foreign or the
    // Czech field asks for its language's layout, leaving it and showing or hiding the dialog
    // for the application's.
    using LayoutSwitch = std::function<void(LayoutRole)>;

    WordEntryDialog(widgets::Services& services, const app::RunState& state,
                    QWidget* parent = nullptr);
    ~WordEntryDialog() override;

    // The open dictionary: entries go into the cursor (whose before-post hook fills the
    // test words); the hot keys, the character menus and the foreign language's name
    // come from its settings.
    void setDictionary(store::Cursor& dictionary, const dictionary::DictionarySettings& settings);
    // The dictionary's fonts for the foreign field, the Czech field and both descriptions.
    void setFonts(const QFont& czech, const QFont& other, const QFont& description);
    // Offers the lessons 0 to count - 1, in numeric order, the first one chosen.
    void setLessonCount(int count);
    // Painted stretched over the whole dialog; a null image paints none.
    void setBackgroundPicture(const QImage& picture);
    void setMultiLineDescription(bool multiLine);
    // The colours exam.ini gives the dialog; an empty one keeps the designed colour.
    struct EntryDialogColors {
        std::optional<QColor> background;          // the dialog and RadioGroup1
        std::optional<QColor> font;                // the dialog and RadioGroup1
        std::optional<QColor> editBackground;      // ComboBox1, Edit1, Edit2, Popis, Memo1
        std::optional<QColor> editFont;            // the same five
        std::optional<QColor> checkBoxFont;        // CheckBox1, CheckBox2
        std::optional<QColor> buttonFont;          // SpeedButton1, SpeedButton2
        std::optional<QColor> characterButtonFont; // F5 … F12
    };
    void setColors(const EntryDialogColors& colors);
    // Checks "jump into the description".
    void setJump(bool jump);
    void setFullScreen();
    void setLayoutSwitch(LayoutSwitch layoutSwitch) { m_layoutSwitch = std::move(layoutSwitch); }

    // The special-character menus, for the other windows' answer and description fields.
    CharacterMenu& czechMenu() { return m_czechMenu; }
    CharacterMenu& foreignMenu() { return m_foreignMenu; }
    CharacterMenu& descriptionMenu() { return m_descriptionMenu; }

signals:
    void entryAdded(const QString& other, const QString& czech);
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void done(int result) override;

private:
    static constexpr int kFirstHotKey = 5; // the button of F5 comes first

    void buildLayout();
    void connectControls();
    bool handleKey(QWidget* control, int key);
    void pressEnter(QWidget* field);
    void pressEscape();
    void addEntry();
    void clearAfterAdding();
    void focusForeignField();
    void focusDescription();
    bool singleLineDescription() const;
    QString descriptionText() const;

    void recallAll();
    void recallForeign();
    void recallCzech();
    void recallDescription();
    void pressHotKey(int number);
    void useHotKey(const dictionary::HotKeyRecord& key);
    bool fits(const QLineEdit* field, const QString& text);
    void switchLayout(LayoutRole role);

    widgets::Services& m_services;
    const app::RunState& m_state;
    QPointer<store::Cursor> m_dictionary;
    std::map<int, dictionary::HotKeyRecord> m_hotKeys;
    CharacterMenu m_czechMenu{QStringLiteral("CzechCharacters")};
    CharacterMenu m_foreignMenu{QStringLiteral("ForeignCharacters")};
    CharacterMenu m_descriptionMenu{QStringLiteral("DescriptionCharacters")};
    LayoutSwitch m_layoutSwitch;
    QImage m_background;

    QString m_lastForeign;
    QString m_lastCzech;
    QString m_lastDescription;

    QComboBox* m_lesson;
    QCheckBox* m_jump;
    QCheckBox* m_foreignOnly;
    QRadioButton* m_singleLine;
    QRadioButton* m_multiLine;
    QLabel* m_foreignLabel;
    QLineEdit* m_foreign;
    QLineEdit* m_czech;
    QLineEdit* m_description;
    QPlainTextEdit* m_descriptionLines;
    std::array<QToolButton*, 8> m_hotKeyButtons{}; // F5 to F12
};

} // namespace entry
