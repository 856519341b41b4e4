// The main window's controls, laid out from top to bottom: the toolbar, the dictionary
// pane, the progress bar and the status bar.
#include "shell/ui/mainwindow.h"

#include "app/helppages.h"
#include "shell/ui/dictionarypane.h"

#include "widgets/namedwidgets.h"
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace shell {

using widgets::named;

void MainWindow::buildLayout() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QComboBox* sortList = nullptr;
    QComboBox* lessonList = nullptr;
    layout->addWidget(buildToolbar(sortList, lessonList));
    auto* client = new QWidget(central);
    auto* clientLayout = new QHBoxLayout(client);
    clientLayout->setContentsMargins(5, 5, 5, 5);
    m_pane = new DictionaryPane(m_services, m_state, m_player, *sortList, *lessonList, client);
    clientLayout->addWidget(m_pane);
    layout->addWidget(client, 1);

    m_progress = named(new QProgressBar(central), "ProgressBar1");
    m_progress->setRange(0, 100);
    m_progress->hide();
    layout->addWidget(m_progress);
    setCentralWidget(central);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(true);
}

QWidget* MainWindow::buildToolbar(QComboBox*& sortList, QComboBox*& lessonList) {
    auto* toolbar = named(new QWidget(this), "Panel1");
    toolbar->setFixedHeight(41);
    auto* layout = new QHBoxLayout(toolbar);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(4);

    auto* wordEntry = widgets::iconButton("SpeedButton1", QStyle::SP_FileDialogNewFolder,
                                          QStringLiteral("Přidávání slovíček"), toolbar);
    auto* selfExam =
        widgets::iconButton("SpeedButton2", QStyle::SP_DialogApplyButton,
                            QStringLiteral("Zkoušení slovíček samohodnocením"), toolbar);
    auto* autoExam = widgets::iconButton("SpeedButton3", QStyle::SP_DialogYesButton,
                                         QStringLiteral("Automatické zkoušení slovíček"), toolbar);
    auto* exit = widgets::iconButton("SpeedButton4", QStyle::SP_DialogCloseButton,
                                     QStringLiteral("Ukončení programu"), toolbar);
    // The buttons do what their menu commands do, and are enabled when those are.
    const std::pair<QToolButton*, const char*> commands[] = {
        {wordEntry, "WordEntry"}, {selfExam, "SelfExam"}, {autoExam, "AutoExam"}, {exit, "Exit"}};
    for (const auto& [button, name] : commands) {
        QAction* action = command(QString::fromLatin1(name));
        connect(button, &QToolButton::clicked, action, &QAction::trigger);
        button->setEnabled(action->isEnabled());
        connect(action, &QAction::changed, button,
                [button, action] { button->setEnabled(action->isEnabled()); });
        layout->addWidget(button);
    }
    layout->addSpacing(8);

    // The lists of the dictionary pane's sort orders and lessons.
    layout->addWidget(named(new QLabel(QStringLiteral("Setřídění:"), toolbar), "Label1"));
    sortList = named(new QComboBox(toolbar), "ComboSort");
    sortList->addItems(QStringList(4, QStringLiteral("-")));
    layout->addWidget(sortList);
    layout->addWidget(named(new QLabel(QStringLiteral("Zobrazit lekci:"), toolbar), "Label2"));
    lessonList = named(new QComboBox(toolbar), "ComboBox1");
    layout->addWidget(lessonList);
    // Both lists are as wide as their longest item, whatever the language names.
    for (QComboBox* list : {sortList, lessonList})
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    layout->addStretch(1);

    auto* help = named(new QToolButton(toolbar), "HelpBtn");
    help->setText(QStringLiteral("?"));
    connect(help, &QToolButton::clicked, this, [this] {
        app::openHelpPage(m_services.system, m_services.messages, m_state,
                          app::helppage::kMainWindow);
    });
    layout->addWidget(help);
    return toolbar;
}

} // namespace shell
