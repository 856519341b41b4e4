#pragma once

#include <QDialog>

#include <optional>

class QComboBox;

namespace widgets {
struct Services;
}

namespace exchange {

// What the user chose to import: one lesson, or every lesson when nothing.
struct LessonChoice {
    std::optional<int> lesson;
};

// The lesson selection dialog (TSelLekceDlg) of the import from another dictionary.
class LessonSelectionDialog : public QDialog {
    Q_OBJECT
public:
    explicit LessonSelectionDialog(widgets::Services& services, QWidget* parent = nullptr);

    // Offers the items of the word list's lesson list ("vše", "0", "1", ...) with the first
    // chosen; nothing when the user cancels.
    std::optional<LessonChoice> run(const QStringList& lessonItems);

private:
    widgets::Services& m_services;
    QComboBox* m_lessons;
};

} // namespace exchange
