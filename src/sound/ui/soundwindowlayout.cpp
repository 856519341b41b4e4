// The sound window's controls: the take's buttons and options, the track bar with the
// waveform under it, the selection panel, the storing buttons, and the word list with its
// search box, or the article panel in their place.
#include "sound/ui/soundwindow.h"

#include "sound/ui/articlepanel.h"
#include "sound/ui/trackbar.h"
#include "sound/ui/waveformview.h"
#include "widgets/namedwidgets.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace sound {

using namespace Qt::StringLiterals;
using widgets::checkBox;
using widgets::label;

namespace {

constexpr int kSearchLength = 80;

// The selection buttons of one edge: "<" and ">" for each step, the steps growing outwards
// from the edge's time between them.
struct EdgeStep {
    qint64 ms;
    const char* back;
    const char* on;
    const char* shown;
};
constexpr EdgeStep kStartSteps[] = {{50, "SpeedButton4", "SpeedButton5", "0,05 s"},
                                    {100, "SpeedButton6", "SpeedButton7", "0,1 s"},
                                    {500, "SpeedButton8", "SpeedButton9", "0,5 s"},
                                    {5000, "SpeedButton19", "SpeedButton21", "5 s"}};
constexpr EdgeStep kEndSteps[] = {{50, "SpeedButton10", "SpeedButton11", "0,05 s"},
                                  {100, "SpeedButton12", "SpeedButton13", "0,1 s"},
                                  {500, "SpeedButton14", "SpeedButton15", "0,5 s"},
                                  {5000, "SpeedButton22", "SpeedButton23", "5 s"}};
constexpr int kStepCount = 4;
constexpr int kTimeColumn = 1 + kStepCount;

} // namespace

QToolButton* SoundWindow::button(const char* name, const QString& caption,
                                 std::function<void()> action) {
    auto* button = widgets::named(new QToolButton(this), name);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // The F-keys work where the focus is; a click must not take it from there.
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QToolButton::clicked, this, std::move(action));
    return button;
}

void SoundWindow::buildLayout() {
    m_articlePanel = new ArticlePanel(this);
    m_articlePanel->hide();
    connect(m_articlePanel, &ArticlePanel::insertRequested, this, &SoundWindow::insertInterval);
    connect(m_articlePanel, &ArticlePanel::saveRequested, this, &SoundWindow::saveArticle);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildTakeBar());
    layout->addWidget(buildTrack());
    layout->addWidget(buildSelectionPanel());
    layout->addWidget(buildStoreBar());
    layout->addWidget(buildWordList(), 1);
    layout->addWidget(m_articlePanel, 1);
}

QWidget* SoundWindow::buildTakeBar() {
    auto* bar = new QWidget(this);
    m_confirmRecording = checkBox(u"CheckBox2"_s, u"Potvrdit nahrávání"_s, bar);
    m_confirmRecording->setChecked(true);
    m_pushToTalk = checkBox(u"CheckBox4"_s, u"F11 nahoru = stop"_s, bar);
    m_pushToTalk->setChecked(true);
    m_pushToTalk->setEnabled(false);
    connect(m_confirmRecording, &QCheckBox::toggled, m_pushToTalk, &QWidget::setDisabled);
    m_copyWord = checkBox(u"CheckBox3"_s, u"Zkopírovat do schránky"_s, bar);
    for (QCheckBox* option : {m_confirmRecording, m_pushToTalk, m_copyWord})
        option->setFocusPolicy(Qt::NoFocus);

    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(button("SpeedButton3", u"Nahrej záznam [F11]"_s, [this] { recordTake(); }));
    row->addWidget(button("SpeedButton2", u"Načti zvukový záznam"_s, [this] { loadTake(); }));
    row->addWidget(button("SpeedButton20", u"Přehrej [F5]"_s, [this] { playSelection(); }));
    row->addWidget(button("SpeedButton17", u"Další [F12]"_s, [this] { playNext(); }));
    row->addWidget(button("SpeedButton24", u"Vyber vše"_s, [this] { selectAll(); }));
    row->addStretch();
    row->addWidget(m_confirmRecording);
    row->addWidget(m_pushToTalk);
    row->addWidget(m_copyWord);
    row->addStretch();
    row->addWidget(button("SpeedButton18", u"?"_s, [this] {
        if (m_links.help)
            m_links.help();
    }));
    row->addWidget(button("SpeedButton1", u"Zavři"_s, [this] { reject(); }));
    return bar;
}

QWidget* SoundWindow::buildTrack() {
    auto* track = new QWidget(this);
    m_trackBar = widgets::named(new TrackBar(track), "TrackBar1");
    m_trackBar->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* saveWhole = widgets::named(new QAction(u"Ulož celý záznam"_s, m_trackBar), "SaveWhole");
    connect(saveWhole, &QAction::triggered, this, &SoundWindow::saveWholeTake);
    m_trackBar->addAction(saveWhole);
    connect(m_trackBar, &QSlider::valueChanged, this, [this](int value) {
        if (!m_showingPosition)
            moveByHand(value);
    });
    m_waveform = new WaveformView(track);
    connect(m_waveform, &WaveformView::clicked, this, [this](qint64 ms) {
        if (m_scale.msPerStep > 0)
            moveByHand(int((ms + m_scale.msPerStep / 2) / m_scale.msPerStep));
    });
    m_positionDisplay = widgets::named(new QPushButton(u"0.000"_s, track), "Panel4");
    m_positionDisplay->setFlat(true);
    m_positionDisplay->setFocusPolicy(Qt::NoFocus);
    m_positionDisplay->setMinimumWidth(
        m_positionDisplay->fontMetrics().horizontalAdvance(u"0000.000"_s) + 16);
    connect(m_positionDisplay, &QPushButton::clicked, this, &SoundWindow::goToTypedTime);

    auto* layout = new QGridLayout(track);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_trackBar, 0, 0);
    layout->addWidget(m_positionDisplay, 0, 1);
    layout->addWidget(m_waveform, 1, 0);
    return track;
}

QWidget* SoundWindow::buildSelectionPanel() {
    m_selectionPanel = widgets::named(new QWidget(this), "PanelOvl");
    m_startLabel = label(u"odl"_s, u"0.00"_s, m_selectionPanel);
    m_endLabel = label(u"dol"_s, u"0.00"_s, m_selectionPanel);
    auto* layout = new QGridLayout(m_selectionPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    const auto addEdge = [&](int row, const QString& caption, QLabel* shown, SelectionEdge edge,
                             const EdgeStep(&steps)[kStepCount]) {
        layout->addWidget(new QLabel(caption, m_selectionPanel), row, 0);
        shown->setAlignment(Qt::AlignCenter);
        shown->setMinimumWidth(shown->fontMetrics().horizontalAdvance(u"0000.00"_s));
        layout->addWidget(shown, row, kTimeColumn);
        for (int i = 0; i < kStepCount; ++i) {
            const EdgeStep& step = steps[i];
            const qint64 ms = step.ms;
            const QString shownStep = QString::fromLatin1(step.shown);
            auto* back = button(step.back, u"<"_s, [this, edge, ms] { stepEdge(edge, -ms); });
            auto* on = button(step.on, u">"_s, [this, edge, ms] { stepEdge(edge, ms); });
            back->setToolTip(shownStep + u" zpět"_s);
            on->setToolTip(shownStep + u" dál"_s);
            layout->addWidget(back, row, kTimeColumn - 1 - i);
            layout->addWidget(on, row, kTimeColumn + 1 + i);
            if (row == 1) {
                for (int column : {kTimeColumn - 1 - i, kTimeColumn + 1 + i})
                    layout->addWidget(new QLabel(shownStep, m_selectionPanel), 0, column,
                                      Qt::AlignCenter);
            }
        }
    };
    addEdge(1, u"Začátek:"_s, m_startLabel, SelectionEdge::Start, kStartSteps);
    addEdge(2, u"Konec:"_s, m_endLabel, SelectionEdge::End, kEndSteps);
    layout->setColumnStretch(kTimeColumn + kStepCount + 1, 1);
    m_selectionPanel->hide();
    return m_selectionPanel;
}

QWidget* SoundWindow::buildStoreBar() {
    auto* bar = new QWidget(this);
    auto* assign = button("SpeedButton16", u"Přiřaď [F9]"_s, [this] { assignToWord(); });
    m_confirmAssign = checkBox(u"CheckBox1"_s, u"?"_s, bar);
    m_confirmAssign->setToolTip(u"Při přiřazení potvrzovat"_s);
    m_confirmAssign->setChecked(true);
    m_confirmAssign->setFocusPolicy(Qt::NoFocus);
    auto* named = button("SpeedButton26", u"Nové"_s, [this] { storeUnderName(); });
    m_soundButton = button("SoundBtn", u"Stávající zvuk"_s, [this] { playWordSound(); });
    m_deleteButton = button("Del", u"Del"_s, [this] { deleteWordSound(); });
    auto* wordEntry =
        button("SpeedButton25", u"Otevři přidávání slovíček"_s, [this] { openWordEntry(); });
    auto* speak = button("SpeakMissing", u"Namluvit chybějící zvuky"_s, [this] {
        if (m_links.speakMissing)
            m_links.speakMissing();
        reloadWordSound();
    });
    m_wordControls << assign << m_confirmAssign << named << wordEntry << speak;

    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(assign);
    row->addWidget(m_confirmAssign);
    row->addWidget(named);
    row->addSpacing(16);
    row->addWidget(m_soundButton);
    row->addWidget(m_deleteButton);
    row->addStretch();
    row->addWidget(speak);
    row->addWidget(wordEntry);
    return bar;
}

QWidget* SoundWindow::buildWordList() {
    auto* list = new QWidget(this);
    auto* searchBar = widgets::named(new QWidget(list), "Panel2");
    m_search = widgets::lineEdit(u"edit1"_s, kSearchLength, searchBar);
    connect(m_search, &QLineEdit::textEdited, this, &SoundWindow::searchWord);
    connect(m_search, &QLineEdit::returnPressed, m_search, &QLineEdit::selectAll);
    auto* searchRow = new QHBoxLayout(searchBar);
    searchRow->setContentsMargins(0, 0, 0, 0);
    searchRow->addWidget(new QLabel(u"   Hledej:"_s, searchBar));
    searchRow->addWidget(m_search, 1);

    m_grid = widgets::named(new QTableView(list), "DBGrid1");
    m_grid->setModel(&m_links.wordRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_gridEditing = widgets::named(new QAction(u"Edit"_s, m_grid), "GridEdit");
    m_gridEditing->setCheckable(true);
    connect(m_gridEditing, &QAction::toggled, this, &SoundWindow::setGridEditing);
    m_grid->addAction(m_gridEditing);
    setGridEditing(false);
    // The cursor follows once the grid is done moving: leaving an edited row posts it, which
    // may reorder the rows under the grid's own handling of the move.
    connect(
        m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current) { followGridRow(current.row()); }, Qt::QueuedConnection);
    connect(m_grid, &QTableView::doubleClicked, this, [this] {
        if (!m_gridEditing->isChecked())
            playWordSound();
    });
    m_wordControls << list;

    auto* layout = new QVBoxLayout(list);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(searchBar);
    layout->addWidget(m_grid, 1);
    return list;
}

} // namespace sound
