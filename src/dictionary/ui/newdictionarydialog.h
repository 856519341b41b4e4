#pragma once

#include "dictionary/fontsetting.h"

#include <QDialog>
#include <QFont>
#include <QStringList>

#include <optional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace app {
struct RunState;
}
namespace widgets {
struct Services;
}

namespace dictionary {

// What the user asked for in the new dictionary dialog. The language and the three fonts
// are the user's own only when the settings are set by hand ("Ručně"); otherwise they
// come from a settings set chosen afterwards.
struct NewDictionaryChoice {
    QString name;
    bool manual = false;
    QString language; // the language box as it was left
    QStringList noteLines;
    FontSetting czech;
    FontSetting other;
    FontSetting description;
};

// The new dictionary dialog (TOKBottomDlg3): the dictionary's name, and either settings
// from a settings set ("Z konfigurace") or a language and three fonts set by hand
// ("Ručně"), with a description. It closes with OK only when the name (and, by hand, the
// language) is filled in.
class NewDictionaryDialog : public QDialog {
    Q_OBJECT
public:
    NewDictionaryDialog(widgets::Services& services, const app::RunState& state,
                        QWidget* parent = nullptr);

    // Shows the dialog with its defaults; nothing when the user cancels.
    std::optional<NewDictionaryChoice> run();

    // Whether the last showing ended by cancelling (Cancel, Escape or the close box).
    bool cancelled() const { return m_cancelled; }

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // A font of the new dictionary with the character set the settings files give it, which
    // QFont does not carry.
    struct FontSlot {
        QFont font;
        int charset = 1;
    };

    void prepareDefaults();
    void chooseFont(FontSlot& slot);
    void updateEnabled();
    NewDictionaryChoice choice() const;

    widgets::Services& m_services;
    const app::RunState& m_state;
    QRadioButton* m_manual;
    QRadioButton* m_fromSettings;
    QLineEdit* m_name;
    QLineEdit* m_language;
    QPlainTextEdit* m_note;
    QPushButton* m_czechFontButton;
    QPushButton* m_otherFontButton;
    QPushButton* m_descriptionFontButton;
    FontSlot m_czech;
    FontSlot m_other;
    FontSlot m_description;
    bool m_cancelled = false;
};

} // namespace dictionary
