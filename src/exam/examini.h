#pragma once

#include "exam/colorvalue.h"
#include "exam/examparameters.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace exam {

// Whether the results page opens by itself at the end of an exam.
struct ResultDisplay {
    bool showAfterFinish = true;
    bool showAfterBreak = true;
    bool askAfterFinish = false; // "Zobrazit výsledky zkoušení ?" first
    bool askAfterBreak = false;
};

// The exam window's look. A colour left empty keeps the window's designed colour.
struct ExamWindowLook {
    std::optional<ColorValue> background; // window, grade panel, answer grid, memo
    std::optional<ColorValue> text;       // window font
    std::optional<ColorValue> question;   // the question label otazka
    std::optional<ColorValue> answerGrid; // grid; memo and PanelSound take it too
    std::optional<ColorValue> answerEdit; // Edit1
    std::optional<ColorValue> answerFont; // Edit1's font
    std::optional<ColorValue> gradePanel; // Panel1
    std::array<std::optional<ColorValue>, 5> gradeButtonFonts;
    ColorValue clockForeground{0x0000FF};
    ColorValue clockBackground{0xFF0000};
    QString backgroundPicture; // relative to the user's folder; empty for none
    bool fullScreen = false;
    // SetExam's size (0 small, 1 middle, 2 big), when a "fontsize=" line chose one. The window
    // lays itself out in it first and then takes width x height, which is also its reference
    // size: a later "width=" or "height=" line overrides the layout's size.
    std::optional<int> layoutSize;
    int width = 780;
    int height = 580;
    bool showRight = false;
};

// The word entry dialog's look.
struct EntryDialogLook {
    std::optional<ColorValue> background;     // the dialog and RadioGroup1
    QString backgroundPicture;                // empty for none
    std::optional<ColorValue> editBackground; // ComboBox1, Edit1, Edit2, Popis, Memo1
    std::optional<ColorValue> editFont;       // the same five controls
    std::optional<ColorValue> font;           // the dialog and RadioGroup1
    std::optional<ColorValue> checkBoxFont;   // CheckBox1, CheckBox2
    std::optional<ColorValue> buttonFont;     // SpeedButton1, SpeedButton2
    std::optional<ColorValue> charButtonFont; // F5 … F12
    bool fullScreen = false;
    bool multiRow = false; // select "Víceřádkový" and run its click
    bool jump = false;     // check CheckBox1
};

// What exam.ini configures besides the exam parameters.
struct ExamIni {
    ResultDisplay results;
    bool escapeMinimizes = false;
    ExamWindowLook examWindow;
    EntryDialogLook entryDialog;
};

// The message for a background picture that cannot be loaded; reading goes on after it.
QString pictureLoadMessage(const QString& fileName);

// Applies the lines of an exam.ini. Keys are case-sensitive prefixes of the line (so keys in
// capitals are ignored), values the rest of the line untrimmed; a number that does not parse
// as a whole gives the key's fallback. The exam parameter keys set the dialog's positions as
// given, without the corrections the dialog makes when the user changes a list.
void applyExamIni(const QStringList& lines, ExamIni& ini, ExamParameters& parameters);

// Reads the file and applies it; raises core::FileError with "Chyba při čtení souboru
// "exam.ini"." when it cannot be read (a missing file included), leaving both values as
// they were.
void readExamIni(const QString& path, ExamIni& ini, ExamParameters& parameters);

} // namespace exam
