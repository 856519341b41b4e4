#pragma once

#include "entry/testwordrules.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLineEdit;

namespace app {
struct RunState;
}
namespace widgets {
struct Services;
}

namespace entry {

// The evaluation settings dialog (TOKBottomDlg5): the rules that reduce an expression to
// its test word. It shows the rules it is given and hands back the edited ones on OK;
// Cancel changes nothing, so the rules in force stay those saved.
class EvaluationSettingsDialog : public QDialog {
    Q_OBJECT
public:
    EvaluationSettingsDialog(widgets::Services& services, const app::RunState& state,
                             QWidget* parent = nullptr);

    std::optional<TestWordRules> run(const TestWordRules& rules);

private:
    void showRules(const TestWordRules& rules);
    TestWordRules shownRules() const;

    widgets::Services& m_services;
    const app::RunState& m_state;
    QCheckBox* m_slashes;
    QCheckBox* m_backslashes;
    QCheckBox* m_square;
    QCheckBox* m_angle;
    QCheckBox* m_braces;
    QCheckBox* m_parentheses;
    QLineEdit* m_beginSet;
    QCheckBox* m_beginSpace;
    QLineEdit* m_endSet;
    QCheckBox* m_endSpace;
    QCheckBox* m_ignoreCase;
    QCheckBox* m_ignoreCommaSpaces;
};

} // namespace entry
