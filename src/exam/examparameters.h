#pragma once

#include <QString>
#include <QStringList>

#include <limits>
#include <optional>

namespace exam {

// What SetExaming is started for; the number is stored in the exam history.
enum class ExamType { SelfEvaluation = 1, Automatic = 2, Training = 100 };

// The items of the question-language group "Ptát se".
enum class QuestionLanguage { Czech = 0, Foreign = 1 };

// The items of the list "Ptát se" that says how a question is put.
enum class AskMode { WrittenOnly = 0, SoundOnly = 1, SoundAndWritten = 2 };

// The time limit stored in the exam history for "žádný" (0x7FFFFFF, not 0x7FFFFFFF).
inline constexpr int kNoTimeLimit = 134217727;
// Limits from this one up are taken for no limit: no clock runs and the report says so.
inline constexpr int kFirstLimitTakenAsNone = 134217717;
// The number of words for "vše": more than any dictionary holds.
inline constexpr int kAllWords = std::numeric_limits<int>::max();

// The exam settings dialog (TOKBottomDlg4) as a value: every control's state, lists by their
// 0-based positions as the dialog shows them. A position outside its list means that the list
// has no selection (exam.ini may set one, and nothing guards against it); the value functions
// below then give nothing. The defaults are the dialog's initial state.
struct ExamParameters {
    ExamType type = ExamType::Automatic;
    int lessonCount = 100; // the lesson lists hold "0" … lessonCount − 1

    QuestionLanguage questionLanguage = QuestionLanguage::Czech; // JazykRadioGroup
    int fromLesson = 0;                                          // OdComboBox
    int toLesson = 1;                                            // DoComboBox
    bool allLessons = false;                                     // CheckBoxLekce
    int wordCountPosition = 0;                                   // CountAllComboBox
    int sharePosition = 5;                                       // NeComboBox
    int timesPosition = 0;                                       // CountComboBox
    int worstCountPosition = 10;                                 // BadComboBox
    int worstTimesPosition = 1;                                  // BadCountComboBox
    bool reAddWorst = false;                                     // AddCheckBox
    int limitPosition = 11;                                      // LimitComboBox
    QStringList averageItems = defaultAverageItems();            // PrumerComboBox
    int averagePosition = -1;                                    // none selected
    bool onlyWithSound = false;                                  // OnlySound
    bool autoPlay = true;                                        // Auto
    AskMode ask = AskMode::SoundAndWritten;                      // Ask
    bool recordSound = false;                                    // RecordSound
    bool recordWholeLimit = false;                               // alllimit, else onbutton
    bool automaticOk = false;                                    // Automat

    static QStringList defaultAverageItems();

    // The click of "Vše": all lessons from 0 to the last, or back to lessons 0 to 1.
    void checkAllLessons(bool checked);

    // The values behind the positions.
    std::optional<int> wordCount() const;       // kAllWords for "vše"
    std::optional<int> sharePercent() const;    // of least-asked words
    std::optional<int> times() const;           // each chosen word is asked
    std::optional<int> worstCount() const;      // worst-remembered words added
    std::optional<int> worstTimes() const;      // each added word is asked
    std::optional<int> limitSeconds() const;    // kNoTimeLimit for "žádný"
    std::optional<QString> averageText() const; // the selected grade average
};

// The texts of the dialog's lists, in order, so that the dialog and the values agree.
QStringList lessonItems(int lessonCount); // "0" … lessonCount − 1
QStringList wordCountItems();             // "vše", "1" … "200"
QStringList shareItems();                 // "5", "10" … "80"
QStringList timesItems();                 // "1" … "9"
QStringList worstCountItems();            // "0" … "100"
QStringList limitItems();                 // "žádný", "3" … "30", "35" … "90"
QStringList askItems();                   // "Jen napsat", "Jen zvukem", "Zvukem i napsat"
QString czechLanguageItem();              // "Česky"

} // namespace exam
