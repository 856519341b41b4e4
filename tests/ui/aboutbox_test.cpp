#include "shell/ui/aboutbox.h"

#include "recordingshell.h"
#include "scriptedfiles.h"
#include "scriptedfonts.h"
#include "scriptedmessages.h"
#include "scriptedmodals.h"
#include "scriptedrandom.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    QLabel* label(const QString& name) {
        auto* found = box.findChild<QLabel*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    ScriptedMessages messages;
    ScriptedModals modals;
    RecordingShell system;
    FixedClock clock;
    ScriptedFonts fonts;
    ScriptedFiles files;
    ScriptedRandom random;
    shell::Services services{messages, modals, system, clock, nullptr, fonts, files, random};
    shell::AboutBox box{services};
};

TEST_F(AboutBoxTest, ShowsProductVersionAndAuthor) {
    EXPECT_EQ(box.objectName(), u"AboutBox"_s);
    EXPECT_EQ(box.windowTitle(), u"O aplikaci"_s);
    EXPECT_EQ(label(u"ProductName"_s)->text(), u"Lexiton"_s);
    EXPECT_EQ(label(u"VersionLabel"_s)->text(), u"Verze:"_s);
    EXPECT_EQ(label(u"Version"_s)->text(), u"1.8f"_s);
    EXPECT_EQ(label(u"Copyright"_s)->text(), u"Autor: Tým Lexitonu"_s);
    EXPECT_FALSE(label(u"Comments"_s)->text().isEmpty());
    EXPECT_FALSE(label(u"ProgramIcon"_s)->pixmap().isNull());
}

TEST_F(AboutBoxTest, LinksCarryTheirTextsHintsAndAHandCursor) {
    struct Expected {
        QString name, text, toolTip;
    };
    const Expected links[] = {
        {u"HomeLink"_s, u"Domovská stránka https://lexiton.example.org"_s, QString()},
        {u"UpdateLink"_s, u"Domovská stránka Lexiton-a (update)."_s,
         u"Domovská stránka Lexiton-a"_s},
        {u"FeedbackLink"_s, u"Stránka k nahlášení chyb a nedostatků."_s,
         u"Strnánka s formulářem pro odesílání připomínek, nahlášení chyb a nestatků"_s},
    };
    for (const Expected& expected : links) {
        SCOPED_TRACE(expected.name.toStdString());
        QLabel* link = label(expected.name);
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(link->text(), expected.text);
        EXPECT_EQ(link->toolTip(), expected.toolTip);
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    }
}

struct LinkCase {
    const char* name;
    const char* address;
};

class AboutBoxLinkTest : public AboutBoxTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(AboutBoxLinkTest, AClickOpensItsAddressThroughTheSystem) {
    box.show();
    QLabel* link = label(QString::fromUtf8(GetParam().name));
    ASSERT_NE(link, nullptr);
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(system.opened, QStringList({QString::fromUtf8(GetParam().address)}));
    EXPECT_TRUE(system.started.empty());
    EXPECT_TRUE(box.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Links, AboutBoxLinkTest,
    ::testing::Values(LinkCase{"HomeLink", "https://lexiton.example.org/"},
                      LinkCase{"UpdateLink",
                               "https://lexiton.example.org/update?hlexiton_ver=1.8f"},
                      LinkCase{"FeedbackLink", "https://lexiton.example.org/feedback"}));

TEST_F(AboutBoxTest, TheUpdateLinkSendsTheVersionShownInTheBox) {
    label(u"Version"_s)->setText(u"1.9a"_s);
    box.show();
    QTest::mouseClick(label(u"UpdateLink"_s), Qt::LeftButton);
    EXPECT_EQ(system.opened,
              QStringList({u"https://lexiton.example.org/update?hlexiton_ver=1.9a"_s}));
}

TEST_F(AboutBoxTest, ARightClickOpensNothing) {
    box.show();
    QTest::mouseClick(label(u"HomeLink"_s), Qt::RightButton);
    EXPECT_TRUE(system.opened.isEmpty());
}

TEST_F(AboutBoxTest, OkClosesTheBoxShownByTheMainWindow) {
    modals.script(u"AboutBox"_s, [](QDialog& dialog) {
        auto* ok = dialog.findChild<QPushButton*>(u"OKButton"_s);
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), u"OK"_s);
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    EXPECT_EQ(modals.exec(box), QDialog::Accepted);
    EXPECT_FALSE(box.isVisible());
    EXPECT_TRUE(modals.allScriptsUsed());
    EXPECT_TRUE(system.opened.isEmpty());
}

} // namespace
