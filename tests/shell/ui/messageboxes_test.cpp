#include "widgets/qtmessages.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

struct KeyCase {
    const char* name;
    bool (widgets::QtMessages::*box)(const QString&);
    Qt::Key key;
    bool goesOn;
};

// Enter takes the default answer: going on, except where going on deletes for good.
const KeyCase kKeyCases[] = {
    {"ConfirmEnter", &widgets::QtMessages::confirm, Qt::Key_Return, true},
    {"ConfirmEsc", &widgets::QtMessages::confirm, Qt::Key_Escape, false},
    {"AskEnter", &widgets::QtMessages::ask, Qt::Key_Return, true},
    {"AskEsc", &widgets::QtMessages::ask, Qt::Key_Escape, false},
    {"DangerousEnter", &widgets::QtMessages::confirmDangerous, Qt::Key_Return, false},
    {"DangerousEsc", &widgets::QtMessages::confirmDangerous, Qt::Key_Escape, false},
};

class MessageBoxKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(MessageBoxKeyTest, AnswersAsTheKeySays) {
    const KeyCase& test = GetParam();
    QTimer::singleShot(0, [&test] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, test.key);
    });
    widgets::QtMessages messages;
    EXPECT_EQ((messages.*test.box)(u"Celkem exportovat 35 slovíček"_s), test.goesOn);
}

INSTANTIATE_TEST_SUITE_P(Keys, MessageBoxKeyTest, ::testing::ValuesIn(kKeyCases),
                         [](const auto& test) { return std::string(test.param.name); });

} // namespace
