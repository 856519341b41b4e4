#include "sound/articleui/articlechooser.h"

#include "sound/articlefolder.h"
#include "widgets/dialogbutton.h"
#include "widgets/namedwidgets.h"
#include "widgets/services.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace sound {

using namespace Qt::StringLiterals;

ArticleChooser::ArticleChooser(widgets::Services& services, QWidget* parent)
    : QDialog(parent)
    , m_services(services) {
    setObjectName(u"TOKBottomDlg8"_s);
    setWindowTitle(u"Výběr článku"_s);
    m_list = widgets::named(new QListWidget(this), "ListBox1");
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(widgets::okCancelButtonRow(*this));
    resize(320, 360);
}

std::optional<QStringList> ArticleChooser::choose(const QString& practiceFolder, bool several) {
    const QStringList names = articleNames(practiceFolder);
    if (names.isEmpty()) {
        m_services.messages.error(u"Není připraven žádný článek."_s);
        return std::nullopt;
    }
    m_list->clear();
    m_list->addItems(names);
    m_list->setSelectionMode(several ? QAbstractItemView::ExtendedSelection
                                     : QAbstractItemView::SingleSelection);
    m_list->setCurrentRow(0);
    if (m_services.modals.exec(*this) != QDialog::Accepted)
        return std::nullopt;
    QStringList chosen;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->isSelected())
            chosen << m_list->item(row)->text();
    }
    return chosen;
}

} // namespace sound
