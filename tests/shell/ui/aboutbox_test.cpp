#include "mainwindowfixture.h"

#include "shell/ui/aboutbox.h"

#include <QLabel>

namespace {

class AboutBoxTest : public MainWindowFixture {
protected:
    shell::AboutBox box{services};
};

struct LinkCase {
    const char* name;
    const char* address;
};

class AboutBoxLinkTest : public AboutBoxTest, public ::testing::WithParamInterface<LinkCase> {};

// The update link sends the version the box shows.
TEST_P(AboutBoxLinkTest, ALeftClickOpensItsAddressThroughTheSystem) {
    child<QLabel>(box, u"Version"_s).setText(u"1.9a"_s);
    box.show();
    auto& link = child<QLabel>(box, QString::fromUtf8(GetParam().name));
    QTest::mouseClick(&link, Qt::RightButton);
    EXPECT_TRUE(system.opened.isEmpty());
    QTest::mouseClick(&link, Qt::LeftButton);
    EXPECT_EQ(system.opened, QStringList({QString::fromUtf8(GetParam().address)}));
    EXPECT_TRUE(box.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Links, AboutBoxLinkTest,
    ::testing::Values(LinkCase{"HomeLink", "https://lexiton.example.org/"},
                      LinkCase{"UpdateLink",
                               "https://lexiton.example.org/update?hlexiton_ver=1.9a"},
                      LinkCase{"FeedbackLink", "https://lexiton.example.org/feedback"}),
    [](const ::testing::TestParamInfo<LinkCase>& param) { return param.param.name; });

TEST_F(AboutBoxTest, ShowsTheVersionAndOkClosesTheBoxShownByTheMainWindow) {
    EXPECT_EQ(child<QLabel>(box, u"Version"_s).text(), u"1.8f"_s);
    modals.script(u"AboutBox"_s, [](QDialog& dialog) { click(dialog, u"OKButton"_s); });
    EXPECT_EQ(modals.exec(box), QDialog::Accepted);
    EXPECT_FALSE(box.isVisible());
    EXPECT_TRUE(system.opened.isEmpty());
}

} // namespace
