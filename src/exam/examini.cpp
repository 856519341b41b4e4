#include "exam/examini.h"

#include "exam/keyhandlers.h"

#include "core/cp1250linereader.h"
#include "core/settingsint.h"

#include <QSize>

#include <vector>

namespace exam {
namespace {

using namespace Qt::StringLiterals;
using Handlers = std::vector<KeyHandler>;

// The window sizes of SetExam's three layouts.
constexpr std::array<QSize, 3> kLayoutSizes = {QSize(478, 371), QSize(635, 435), QSize(780, 580)};

int numberOr(const QString& value, int fallback) {
    return core::parseSettingsInt(value).value_or(fallback);
}

// exam.ini gives most lists their value, not their position: "ratio=4" is the fourth item.
int positionOfItem(const QString& value, int fallbackItem) {
    return static_cast<int>(static_cast<qint64>(numberOr(value, fallbackItem)) - 1);
}

ColorValue colorOr(const QString& value, quint32 fallback) {
    return {static_cast<quint32>(numberOr(value, static_cast<qint32>(fallback)))};
}

QString pictureName(const QString& value) {
    return value == u"NO" ? QString() : value;
}

void addResultKeys(Handlers& keys, ExamIni& ini) {
    ResultDisplay& results = ini.results;
    keys.push_back({u"noshowexamresultswitch=yes", [&](auto&) {
                        results.showAfterFinish = false;
                    }});
    keys.push_back({u"noshowexamresultbreak=yes", [&](auto&) {
                        results.showAfterBreak = false;
                    }});
    keys.push_back({u"askshowexamresultswitch=yes", [&](auto&) {
                        results.askAfterFinish = true;
                    }});
    keys.push_back({u"askshowexamresultbreak=yes", [&](auto&) {
                        results.askAfterBreak = true;
                    }});
    keys.push_back({u"escape=yes", [&](auto&) {
                        ini.escapeMinimizes = true;
                    }});
    keys.push_back({u"showright=yes", [&](auto&) {
                        ini.examWindow.showRight = true;
                    }});
}

void addExamWindowKeys(Handlers& keys, ExamWindowLook& look) {
    const auto color = [&](QStringView key, std::optional<ColorValue>& target, quint32 fallback) {
        keys.push_back({key, [&target, fallback](const QString& v) {
                            target = colorOr(v, fallback);
                        }});
    };
    color(u"bgcolor=", look.background, 0xA40000);
    keys.push_back({u"bgpicture=", [&](const QString& v) {
                        look.backgroundPicture = pictureName(v);
                    }});
    keys.push_back({u"fullscreen=yes", [&](auto&) {
                        look.fullScreen = true;
                    }});
    keys.push_back({u"width=", [&](const QString& v) {
                        look.width = numberOr(v, 635);
                    }});
    keys.push_back({u"height=", [&](const QString& v) {
                        look.height = numberOr(v, 435);
                    }});
    // A value that is not a number gives a colour that reads on the default background.
    color(u"textcolor=", look.text, 0xFFFFFF);
    color(u"questioncolor=", look.question, 0x00FFFF);
    color(u"bgwindows=", look.answerGrid, 0xFFEAC7);
    color(u"bgedit=", look.answerEdit, 0xFFFFFF);
    color(u"editfont=", look.answerFont, 0);
    color(u"bodcolor=", look.gradePanel, 0xFFEA6A);
    static const std::array<QStringView, 5> kGradeKeys = {u"bodfontcolor1=", u"bodfontcolor2=",
                                                          u"bodfontcolor3=", u"bodfontcolor4=",
                                                          u"bodfontcolor5="};
    // From green for the best grade to black for the worst, all dark on the grade panel.
    static constexpr std::array<quint32, 5> kGradeFallbacks = {0x006000, 0x005050, 0x004080,
                                                               0x0000A0, 0};
    for (size_t i = 0; i < kGradeKeys.size(); ++i)
        color(kGradeKeys[i], look.gradeButtonFonts[i], kGradeFallbacks[i]);
    static const std::array<QStringView, 3> kSizeKeys = {u"fontsize=small", u"fontsize=middle",
                                                         u"fontsize=big"};
    for (size_t size = 0; size < kSizeKeys.size(); ++size) {
        keys.push_back({kSizeKeys[size], [&look, size](auto&) {
                            look.layoutSize = static_cast<int>(size);
                            look.width = kLayoutSizes[size].width();
                            look.height = kLayoutSizes[size].height();
                        }});
    }
    keys.push_back({u"fgcolortime=", [&](const QString& v) {
                        look.clockForeground = colorOr(v, 0x0000FF);
                    }});
    keys.push_back({u"bgcolortime=", [&](const QString& v) {
                        look.clockBackground = colorOr(v, 0xFF0000);
                    }});
}

void addEntryDialogKeys(Handlers& keys, EntryDialogLook& look) {
    constexpr quint32 kButtonFace = 0x8000000F;
    constexpr quint32 kWindow = 0x80000005;
    constexpr quint32 kWindowText = 0x80000008;
    keys.push_back({u"bgcoloradd=", [&](const QString& v) {
                        look.background = colorOr(v, kButtonFace);
                    }});
    keys.push_back({u"bgpictureadd=", [&](const QString& v) {
                        look.backgroundPicture = pictureName(v);
                    }});
    keys.push_back({u"bgeditcoloradd=", [&](const QString& v) {
                        look.editBackground = colorOr(v, kWindow);
                    }});
    keys.push_back({u"editfontcoloradd=", [&](const QString& v) {
                        look.editFont = colorOr(v, kWindowText);
                    }});
    keys.push_back({u"fontcoloradd=", [&](const QString& v) {
                        look.font = colorOr(v, kWindowText);
                        look.checkBoxFont = colorOr(v, 0);
                    }});
    keys.push_back({u"fontcolorbuttonadd=", [&](const QString& v) {
                        look.buttonFont = colorOr(v, 0);
                        look.charButtonFont = colorOr(v, kWindowText);
                    }});
    keys.push_back({u"fullscreenadd=yes", [&](auto&) {
                        look.fullScreen = true;
                    }});
    keys.push_back({u"multirow=yes", [&](auto&) {
                        look.multiRow = true;
                    }});
    keys.push_back({u"jump=yes", [&](auto&) {
                        look.jump = true;
                    }});
}

void addParameterKeys(Handlers& keys, ExamParameters& p) {
    keys.push_back({u"languagequestion=other", [&](auto&) {
                        p.questionLanguage = QuestionLanguage::Foreign;
                    }});
    keys.push_back({u"fromlesson=", [&](const QString& v) {
                        p.fromLesson = numberOr(v, 0);
                    }});
    keys.push_back({u"tolesson=", [&](const QString& v) {
                        p.toLesson = numberOr(v, 1);
                    }});
    keys.push_back({u"alllesson=yes", [&](auto&) {
                        p.checkAllLessons(true);
                    }});
    keys.push_back({u"chosse=", [&](const QString& v) {
                        p.wordCountPosition = v == u"all" ? 0 : numberOr(v, 20);
                    }});
    keys.push_back({u"ratio=", [&](const QString& v) {
                        p.sharePosition = positionOfItem(v, 4);
                    }});
    keys.push_back({u"stexam=", [&](const QString& v) {
                        p.timesPosition = positionOfItem(v, 1);
                    }});
    keys.push_back({u"addbad=", [&](const QString& v) {
                        p.worstCountPosition = numberOr(v, 1);
                    }});
    keys.push_back({u"addexam=", [&](const QString& v) {
                        p.worstTimesPosition = positionOfItem(v, 1);
                    }});
    keys.push_back({u"timelimit=", [&](const QString& v) {
                        p.limitPosition = numberOr(v, 14);
                    }});
    keys.push_back({u"defaultendaverage=", [&](const QString& v) {
                        p.averagePosition = numberOr(v, 5);
                    }});
}

} // namespace

QString pictureLoadMessage(const QString& fileName) {
    return u"Nelze otevřít obrázek \""_s + fileName + u"\" v adresáři uživatele."_s;
}

void applyExamIni(const QStringList& lines, ExamIni& ini, ExamParameters& parameters) {
    Handlers keys;
    addResultKeys(keys, ini);
    addExamWindowKeys(keys, ini.examWindow);
    addEntryDialogKeys(keys, ini.entryDialog);
    addParameterKeys(keys, parameters);
    for (const QString& line : lines)
        applyFirstMatchingKey(line, keys);
}

void readExamIni(const QString& path, ExamIni& ini, ExamParameters& parameters) {
    applyExamIni(core::readCp1250FileLines(path, u"Chyba při čtení souboru \"exam.ini\"."_s), ini,
                 parameters);
}

} // namespace exam
