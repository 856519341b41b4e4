#include "app/helppages.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kHelpFolder = QStringLiteral(LEXITON_DATA_DIR "/help");

QString readPage(const QString& page) {
    QFile file(QDir(kHelpFolder).filePath(page));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(file.readAll());
    return decoder.hasError() ? QString() : text;
}

TEST(InstalledHelp, HoldsEveryPageTheProgramOpensAsUtf8Html) {
    for (const QString& page : app::helppage::allPages()) {
        SCOPED_TRACE(page.toStdString());
        const QString text = readPage(page);
        ASSERT_FALSE(text.isEmpty()) << "missing, empty or not UTF-8";
        EXPECT_TRUE(text.contains(u"<meta charset=\"utf-8\">"_s, Qt::CaseInsensitive));
        EXPECT_TRUE(text.contains(u"<title>"_s));
        EXPECT_TRUE(text.contains(u"</html>"_s));
    }
}

TEST(InstalledHelp, ContentsLinkEveryOtherPage) {
    const QString contents = readPage(app::helppage::kContents);
    for (const QString& page : app::helppage::allPages()) {
        if (page != app::helppage::kContents) {
            EXPECT_TRUE(contents.contains(u"href=\""_s + page + u'"')) << page.toStdString();
        }
    }
}

TEST(InstalledHelp, EveryLinkBetweenPagesLeadsToAnExistingPage) {
    const QDir help(kHelpFolder);
    for (const QString& page : help.entryList({u"*.html"_s}, QDir::Files)) {
        const QString text = readPage(page);
        qsizetype at = 0;
        while ((at = text.indexOf(u"href=\""_s, at)) >= 0) {
            at += 6;
            const QString target = text.mid(at, text.indexOf(u'"', at) - at).section(u'#', 0, 0);
            if (target.isEmpty() || target.contains(u':'))
                continue;
            EXPECT_TRUE(help.exists(target))
                << page.toStdString() << " -> " << target.toStdString();
        }
    }
}

} // namespace
