#pragma once

#include "entry/commasplit.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace app {
struct RunState;
}
namespace widgets {
struct Services;
}

namespace entry {

// The split question of the comma re-evaluation (TOKBottomDlg6, "Dotaz"): the entry in
// full above, the two proposed records below in four editable boxes, and "ANO" to split,
// "NE" to keep the entry, "Přerušit" to end the whole walk.
class SplitQuestionDialog : public QDialog {
    Q_OBJECT
public:
    SplitQuestionDialog(widgets::Services& services, const app::RunState& state,
                        QWidget* parent = nullptr);

    // The dictionary's foreign font, shown bold at the size of the Czech texts.
    void setForeignFont(const QFont& font);

    // Asks about one entry; on Split the proposal holds the texts as the user left them.
    SplitAnswer ask(const QString& czech, const QString& other, SplitProposal& proposal);

private:
    widgets::Services& m_services;
    const app::RunState& m_state;
    QLabel* m_czech;
    QLabel* m_other;
    QLineEdit* m_firstCzech;
    QLineEdit* m_firstOther;
    QLineEdit* m_secondCzech;
    QLineEdit* m_secondOther;
    bool m_stop = false;
};

} // namespace entry
