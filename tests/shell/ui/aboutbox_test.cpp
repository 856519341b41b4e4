#include "mainwindowfixture.h"

#include "shell/ui/aboutbox.h"

#include <QLabel>

namespace {

class AboutBoxTest : public MainWindowFixture {
protected:
    shell::AboutBox box{services};
};

// The update link sends the version the box shows; OK closes the box.
TEST_F(AboutBoxTest, ALeftClickOnALinkOpensItsAddressThroughTheSystem) {
    EXPECT_EQ(child<QLabel>(box, u"Version"_s).text(), u"1.8f"_s);
    child<QLabel>(box, u"Version"_s).setText(u"1.9a"_s);
    modals.script(u"AboutBox"_s, [](QDialog& shown) {
        for (const QString& name : {u"HomeLink"_s, u"UpdateLink"_s, u"FeedbackLink"_s}) {
            QTest::mouseClick(&child<QLabel>(shown, name), Qt::RightButton);
            QTest::mouseClick(&child<QLabel>(shown, name), Qt::LeftButton);
        }
        EXPECT_TRUE(shown.isVisible());
        click(shown, u"OKButton"_s);
    });
    EXPECT_EQ(modals.exec(box), QDialog::Accepted);
    EXPECT_EQ(system.opened.join(u' '),
              u"https://lexiton.example.org/ https://lexiton.example.org/update?hlexiton_ver=1.9a "
              u"https://lexiton.example.org/feedback"_s)
        << "right clicks open nothing";
}

} // namespace
