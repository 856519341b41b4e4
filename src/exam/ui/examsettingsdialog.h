#pragma once

#include "exam/examparameters.h"

#include <QDialog>

#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace app {
struct RunState;
}
namespace widgets {
struct Services;
}

namespace exam {

class RadioGroup;

// The exam settings dialog (TOKBottomDlg4, "Nastavení zkoušení"), confirmed before every exam.
// Its controls react to each other as the exam type asks: choosing the question language,
// how a question is put or whether answers are recorded enables and sets the others. Setting
// a radio group or a check box in code runs its reaction as a click does; setting a list
// position in code does not, so positions read from exam.ini stay as written.
class ExamSettingsDialog : public QDialog {
    Q_OBJECT
public:
    ExamSettingsDialog(widgets::Services& services, const app::RunState& state,
                       QWidget* parent = nullptr);

    // Shows the parameters preset for the exam type, the foreign language named as given;
    // returns what the user confirmed with "Zkoušej", or nothing.
    std::optional<ExamParameters> run(const ExamParameters& parameters, ExamType type,
                                      const QString& foreignLanguageItem);

    // Puts the parameters into the controls.
    void load(const ExamParameters& parameters);
    // What the controls show.
    ExamParameters shown() const;
    // What the exam type asks of the controls before the dialog is shown.
    void preset(ExamType type);

private:
    void buildControls();
    void buildLayout();
    void connectReactions();

    void allLessonsClicked();
    void lessonRangeChanged();
    void limitChanged();
    void recordSoundClicked();
    void askClicked();
    void languageClicked();
    void setLimitAndAverageEnabled(bool enabled);
    QuestionLanguage language() const;
    AskMode ask() const;

    widgets::Services& m_services;
    const app::RunState& m_state;
    ExamType m_type = ExamType::Automatic;
    int m_lessonCount = 0;

    RadioGroup* m_language;
    QComboBox* m_fromLesson;
    QComboBox* m_toLesson;
    QCheckBox* m_allLessons;
    QComboBox* m_wordCount;
    QComboBox* m_share;
    QComboBox* m_times;
    QComboBox* m_worstCount;
    QComboBox* m_worstTimes;
    QCheckBox* m_reAddWorst;
    QComboBox* m_limit;
    QComboBox* m_average;
    QList<QLabel*> m_limitAndAverageLabels;
    QCheckBox* m_onlyWithSound;
    QCheckBox* m_autoPlay;
    RadioGroup* m_ask;
    QCheckBox* m_recordSound;
    QButtonGroup* m_recordWhen;
    QRadioButton* m_recordWholeLimit;
    QRadioButton* m_recordOnButton;
    QCheckBox* m_automaticOk;
};

} // namespace exam
