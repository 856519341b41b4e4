#include "exam/ui/progresswindow.h"

#include "exam/ui/progresscharts.h"
#include "widgets/namedwidgets.h"
#include "widgets/services.h"

#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace exam {

using namespace Qt::StringLiterals;

ProgressWindow::ProgressWindow(const ProgressData& progress, widgets::Services& services,
                               QWidget* parent)
    : QDialog(parent)
    , m_data(progress)
    , m_services(services) {
    setObjectName(u"Pokroky"_s);
    setWindowTitle(u"Pokroky"_s);
    auto* layout = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setWidget(createProgressCharts(m_data, scroll));
    layout->addWidget(scroll);
    auto* save = widgets::named(new QPushButton(u"Uložit jako PNG"_s, this), "SavePng");
    connect(save, &QPushButton::clicked, this, &ProgressWindow::saveAsPng);
    layout->addWidget(save, 0, Qt::AlignRight);
    resize(900, 800);
}

void ProgressWindow::saveAsPng() {
    const std::optional<QString> path =
        m_services.files.pickFileToSave(u"Obrázky PNG (*.png)"_s, u"png"_s, this);
    if (path && !saveProgressPng(m_data, *path))
        m_services.messages.error(u"Obrázek nelze zapsat do souboru %1."_s.arg(*path));
}

} // namespace exam
