#pragma once

#include "exchange/lessonchange.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QRadioButton;

namespace widgets {
struct Services;
}

namespace exchange {

// The bulk change dialog (TMultiChange, "Hromadná změna"): a range of lessons whose entries
// are moved into one lesson or spread over the lessons above it. Every change of a list keeps
// the choices consistent and shows why it changed one. The chosen mode stays between showings.
class BulkChangeDialog : public QDialog {
    Q_OBJECT
public:
    explicit BulkChangeDialog(widgets::Services& services, QWidget* parent = nullptr);

    // Offers the lessons of the word list's lesson list (its items after "vše"), each list on
    // lesson 0 and 35 entries to a lesson; the consistent choices on OK, nothing on Cancel.
    std::optional<BulkLessonChoice> run(const QStringList& lessonItems);

private:
    BulkLessonChoice shownChoice() const;
    void showChoice(const BulkLessonChoice& choice);
    // Puts the choices right after a change and answers whether they were right already.
    bool keepConsistent(ChangedChoice changed);
    void enableModeControls();
    void acceptConsistent();

    widgets::Services& m_services;
    int m_lessonCount = 0;
    QComboBox* m_firstLesson;
    QComboBox* m_lastLesson;
    QRadioButton* m_moveTo;
    QRadioButton* m_spread;
    QComboBox* m_targetLesson;
    QComboBox* m_startLesson;
    QComboBox* m_perLesson;
    QLabel* m_perLessonBefore;
    QLabel* m_perLessonAfter;
};

} // namespace exchange
