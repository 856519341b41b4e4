#include "widgets/czechtoolkit.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QTranslator>

#include <algorithm>

namespace widgets {
namespace {

// The width a window needs to show its caption whole on its title bar.
int captionWidth(const QWidget& window) {
    // Title bars draw the caption in a bold font and hold the window's icon and up to three
    // buttons besides it, each about two lines wide.
    constexpr int kTitleBarItems = 4;
    QFont bold = window.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(window.windowTitle()) + kTitleBarItems * 2 * metrics.height();
}

// Widens each dialog to its caption as it is shown, so one rule serves every dialog,
// the toolkit's own included, whatever its caption at that showing.
class CaptionRoom : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* dialog = qobject_cast<QDialog*>(watched);
            if (dialog && dialog->isWindow()) {
                const int width = std::min(captionWidth(*dialog), dialog->maximumWidth());
                if (dialog->minimumWidth() < width)
                    dialog->setMinimumWidth(width);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// Drop-down lists open as lists of at most their visible-item count (10 by default) in
// every style: styles that open them over the current item instead, as Fusion does, make a
// list of 101 lessons as high as the screen.
class ComboListStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

void setUpCzechToolkit(QApplication& app) {
    QApplication::setStyle(new ComboListStyle(QApplication::style()->name()));
    // Without Qt's translations the toolkit's own texts stay in English.
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    app.installEventFilter(new CaptionRoom(&app));
}

} // namespace widgets
