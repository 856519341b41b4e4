#pragma once

#include <QDialog>
#include <QStringList>

#include <optional>

class QListWidget;

namespace widgets {
struct Services;
}

namespace sound {

// The article chooser (TOKBottomDlg8, "Výběr článku"): the names of the articles in the
// practice folder, one to practise or several to play.
class ArticleChooser : public QDialog {
    Q_OBJECT
public:
    explicit ArticleChooser(widgets::Services& services, QWidget* parent = nullptr);

    // The names chosen from the practice folder's articles, in list order; nothing when the
    // chooser was cancelled or there is no article ("Není připraven žádný článek.").
    std::optional<QStringList> choose(const QString& practiceFolder, bool several);

private:
    widgets::Services& m_services;
    QListWidget* m_list = nullptr;
};

} // namespace sound
