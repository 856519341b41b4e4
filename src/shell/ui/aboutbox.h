#pragma once

#include "widgets/services.h"

#include <QDialog>

#include <functional>

class QLabel;

namespace shell {

// The about box (TAboutBox, "O aplikaci"): product, version, author and three web links
// that the system opens in the browser.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(widgets::Services& services, QWidget* parent = nullptr);

    static const QString kVersion;
    static const QString kHomePage;
    static const QString kUpdatePage;
    static const QString kFeedbackPage;

private:
    QLabel* addLink(const QString& objectName, const QString& text, const QString& toolTip,
                    std::function<QString()> address);

    widgets::Services& m_services;
    QLabel* m_version = nullptr;
};

} // namespace shell
