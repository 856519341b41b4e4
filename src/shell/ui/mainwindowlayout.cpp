// The main window's controls, laid out from top to bottom: toolbar, the dictionary list
// and notes beside the word grid, description and search strip, navigator, progress
// bar and status bar.
#include "shell/ui/mainwindow.h"

#include "app/helppages.h"

#include "widgets/namedwidgets.h"
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace shell {

using widgets::named;

void MainWindow::buildLayout() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolbar());

    auto* client = new QWidget(central);
    auto* clientLayout = new QHBoxLayout(client);
    clientLayout->setContentsMargins(5, 5, 5, 5);
    auto* panes = named(new QSplitter(Qt::Horizontal, client), "Splitter1");

    auto* left = named(new QSplitter(Qt::Vertical, panes), "Splitter3");
    m_dictionaryList = named(new QListWidget(left), "ListBox1");
    m_dictionaryList->setSortingEnabled(false);
    m_notes = named(new QPlainTextEdit(left), "Memo1");
    m_notes->setReadOnly(true);
    m_notes->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_notes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    left->setSizes({300, 125});
    left->setMinimumWidth(100);

    panes->addWidget(left);
    panes->addWidget(buildWordPane());
    panes->setSizes({158, 470});
    panes->setStretchFactor(1, 1);
    clientLayout->addWidget(panes);
    layout->addWidget(client, 1);

    m_progress = named(new QProgressBar(central), "ProgressBar1");
    m_progress->setRange(0, 100);
    m_progress->hide();
    layout->addWidget(m_progress);
    setCentralWidget(central);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(true);

    for (QWidget* keyed : std::initializer_list<QWidget*>{
             m_dictionaryList, m_lessonCombo, m_sortCombo, m_grid, m_description, m_notes})
        keyed->installEventFilter(this);
}

QWidget* MainWindow::buildToolbar() {
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

    layout->addWidget(named(new QLabel(QStringLiteral("Setřídění:"), toolbar), "Label1"));
    m_sortCombo = named(new QComboBox(toolbar), "ComboSort");
    m_sortCombo->addItems(QStringList(4, QStringLiteral("-")));
    layout->addWidget(m_sortCombo);
    layout->addWidget(named(new QLabel(QStringLiteral("Zobrazit lekci:"), toolbar), "Label2"));
    m_lessonCombo = named(new QComboBox(toolbar), "ComboBox1");
    layout->addWidget(m_lessonCombo);
    // Both lists are as wide as their longest item, whatever the language names.
    for (QComboBox* list : {m_sortCombo, m_lessonCombo})
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

QWidget* MainWindow::buildWordPane() {
    auto* pane = named(new QSplitter(Qt::Vertical, this), "Splitter2");
    m_grid = named(new QTableView(pane), "DBGrid1");
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_grid->addAction(command(QStringLiteral("CountWords")));

    auto* lower = new QWidget(pane);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->setSpacing(2);
    m_description = named(new QPlainTextEdit(lower), "DBMemo1");
    m_description->setReadOnly(true);
    m_description->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_description->setFixedHeight(46);
    lowerLayout->addWidget(m_description);

    auto* strip = new QWidget(lower);
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    m_searchPanel = named(new QWidget(strip), "Panel2");
    auto* searchLayout = new QHBoxLayout(m_searchPanel);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    searchLayout->addWidget(new QLabel(QStringLiteral("   Hledej slovíčko"), m_searchPanel));
    m_searchEdit = named(new QLineEdit(m_searchPanel), "Edit1");
    m_searchEdit->setMaxLength(50);
    searchLayout->addWidget(m_searchEdit, 1);
    m_searchPanel->setEnabled(false); // until a dictionary is open
    stripLayout->addWidget(m_searchPanel, 1);
    m_soundButton = named(new QToolButton(strip), "SoundBtn");
    m_soundButton->setIcon(style()->standardIcon(QStyle::SP_MediaVolume));
    m_soundButton->hide(); // until the dictionary has a sound folder
    stripLayout->addWidget(m_soundButton);
    lowerLayout->addWidget(strip);
    lowerLayout->addWidget(buildNavigator());

    pane->addWidget(m_grid);
    pane->addWidget(lower);
    pane->setStretchFactor(0, 1);
    return pane;
}

} // namespace shell
