#include "sound/articleui/articlewindow.h"

#include "core/cp1250linewriter.h"
#include "core/fileerror.h"
#include "sound/articlefolder.h"
#include "sound/articleui/articlestopwindow.h"
#include "sound/mediaplayer.h"
#include "widgets/namedwidgets.h"
#include "widgets/services.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QVBoxLayout>

namespace sound {

using namespace Qt::StringLiterals;

namespace {

constexpr auto kStart = u"Start [Enter]";
constexpr auto kNext = u"Další [Enter]";

QToolButton* speedButton(const char* name, const QString& caption, const QString& hint,
                         QWidget* parent) {
    auto* button = widgets::named(new QToolButton(parent), name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setMinimumHeight(30);
    return button;
}

QWidget* titled(const QString& title, QWidget* content, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(title, box));
    layout->addWidget(content);
    return box;
}

// A text pane that is read only shows the window's colour; an editable one the colour of
// edit boxes.
void setEditable(QPlainTextEdit* pane, bool editable) {
    pane->setReadOnly(!editable);
    QPalette palette = pane->palette();
    palette.setColor(QPalette::Base, editable ? QPalette().color(QPalette::Base)
                                              : QPalette().color(QPalette::Window));
    pane->setPalette(palette);
}

} // namespace

ArticleWindow::ArticleWindow(widgets::Services& services, const WaveFormat& recordingFormat,
                             ArticleStopWindow& stopWindow, QWidget* parent)
    : QDialog(parent)
    , m_services(services)
    , m_recordingFormat(recordingFormat)
    , m_stopWindow(stopWindow) {
    setObjectName(u"TOKBottomDlg7"_s);
    setWindowTitle(u"Cvičení článku"_s);
    buildControls();
    m_playPl = widgets::named(new MediaPlayer(m_services.audioDevice(), this), "PlayPl");
    m_recordPl = widgets::named(new MediaPlayer(m_services.audioDevice(), this), "RecordPl");
}

ArticleWindow::~ArticleWindow() = default;

void ArticleWindow::buildControls() {
    m_fileList = widgets::named(new QListWidget(this), "FileListBox1");
    m_wholeText = widgets::named(new QPlainTextEdit(this), "RichEdit1");
    m_phrase = widgets::named(new QPlainTextEdit(this), "RichEdit2");
    m_phrase->setReadOnly(true);
    m_phrase->setMaximumHeight(90);
    m_picture = widgets::named(new QLabel(this), "Image1");
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setMinimumHeight(60);

    m_step = speedButton("SpeedButton2", QString::fromUtf16(kStart), {}, this);
    m_questionSound = speedButton("questionsound", u" F5 - přehrej orginál"_s, u"Orginál"_s, this);
    m_answerSound =
        speedButton("answersound", u" F6 - přehrej nahrávku"_s, u"Tvoje nahrávka"_s, this);
    m_bothSounds =
        speedButton("obasound", u" F7 - přehrej za sebou"_s, u"Orginál + tvoje nahrávka"_s, this);
    m_recordSound = speedButton("recordsound", u"  F12 - nahrávej"_s, u"Nahrávání"_s, this);
    m_autoPlay = widgets::checkBox(u"CheckBox1"_s, u"Automaticky přehrát"_s, this);
    m_autoPlay->setChecked(true);
    m_playAll = speedButton("SpeedButtonAll", u"Přehrej celý článek"_s, {}, this);
    m_edit = speedButton("SpeedButton3", u"Edit (úpravy textu)"_s, {}, this);
    auto* close = speedButton("SpeedButton1", u"Konec"_s, {}, this);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(titled(u" Seznam:"_s, m_fileList, left), 1);
    for (QWidget* control :
         {static_cast<QWidget*>(m_step), static_cast<QWidget*>(m_questionSound),
          static_cast<QWidget*>(m_answerSound), static_cast<QWidget*>(m_bothSounds),
          static_cast<QWidget*>(m_recordSound), static_cast<QWidget*>(m_autoPlay),
          static_cast<QWidget*>(m_playAll), static_cast<QWidget*>(close)})
        leftLayout->addWidget(control);

    auto* texts = new QWidget(this);
    auto* textLayout = new QVBoxLayout(texts);
    textLayout->setContentsMargins(0, 0, 0, 0);
    textLayout->addWidget(titled(u" Celý článek (co řádek to fráze)"_s, m_wholeText, texts), 1);
    textLayout->addWidget(titled(u" Aktuální fráze (věta, souvětí)"_s, m_phrase, texts));
    m_editPanel = new QWidget(texts);
    m_editPanel->installEventFilter(this);
    auto* editLayout = new QHBoxLayout(m_editPanel);
    editLayout->setContentsMargins(0, 0, 0, 0);
    editLayout->addWidget(m_edit);
    textLayout->addWidget(m_editPanel);
    m_splitter = widgets::named(new QSplitter(Qt::Vertical, this), "Splitter1");
    m_splitter->addWidget(texts);
    m_splitter->addWidget(m_picture);
    m_splitter->setChildrenCollapsible(false);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(left);
    layout->addWidget(m_splitter, 1);
    resize(760, 560);

    connect(m_fileList, &QListWidget::currentRowChanged, this, &ArticleWindow::fileSelected);
    connect(m_step, &QToolButton::clicked, this, &ArticleWindow::step);
    connect(m_questionSound, &QToolButton::clicked, this, &ArticleWindow::playModel);
    connect(m_answerSound, &QToolButton::clicked, this, &ArticleWindow::playRecording);
    connect(m_bothSounds, &QToolButton::clicked, this, &ArticleWindow::playBoth);
    connect(m_recordSound, &QToolButton::pressed, this, &ArticleWindow::startRecording);
    connect(m_recordSound, &QToolButton::released, this, &ArticleWindow::stopRecording);
    connect(m_playAll, &QToolButton::clicked, this, &ArticleWindow::playWholeArticle);
    connect(m_edit, &QToolButton::clicked, this, &ArticleWindow::editOrSaveText);
    connect(close, &QToolButton::clicked, this, &ArticleWindow::closeWindow);
}

void ArticleWindow::run(const QString& articleFolder, const QFont& font,
                        const core::CodePage& codePage) {
    m_codePage = &codePage;
    load(articleFolder, font);
    m_closed = false;
    m_recordHeld = false;
    setEditable(m_wholeText, false);
    m_wholeText->document()->setModified(false);
    m_fileList->setFocus();
    m_recordPl->openNew(m_recordingFormat);
    m_services.modals.exec(*this);
}

void ArticleWindow::load(const QString& articleFolder, const QFont& font) {
    m_folder = articleFolder;
    m_files = phraseFiles(articleFolder);
    for (QWidget* pane : {static_cast<QWidget*>(m_fileList), static_cast<QWidget*>(m_wholeText),
                          static_cast<QWidget*>(m_phrase)})
        pane->setFont(font);
    for (QToolButton* button : {m_questionSound, m_answerSound, m_bothSounds, m_recordSound})
        button->setEnabled(false);
    try {
        m_text = articleText(articleFolder, *m_codePage);
    } catch (const core::FileError& error) {
        m_services.messages.error(error.message());
        m_text.clear();
    }
    m_wholeText->setPlainText(m_text.join(u'\n'));
    {
        const QSignalBlocker quiet(m_fileList);
        m_fileList->clear();
        for (const QString& path : m_files)
            m_fileList->addItem(QFileInfo(path).fileName());
        m_fileList->setCurrentRow(m_files.isEmpty() ? -1 : 0);
    }
    m_phrase->setPlainText(phraseText(m_text, 0));
    m_step->setText(QString::fromUtf16(kStart));
    showPicture();
}

void ArticleWindow::showPicture() {
    const std::optional<QString> path = articlePicture(m_folder);
    QImage image;
    if (path) {
        QImageReader reader(*path);
        reader.setAutoTransform(true);
        image = reader.read();
    }
    m_picture->setPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    m_picture->setScaledContents(false);
    m_picture->setVisible(!image.isNull());
    m_splitter->handle(1)->setEnabled(!image.isNull());
}

void ArticleWindow::fileSelected(int row) {
    m_phrase->setPlainText(phraseText(m_text, row));
    m_step->setText(QString::fromUtf16(row <= 0 ? kStart : kNext));
    if (!m_files.isEmpty())
        enableSounds();
}

void ArticleWindow::enableSounds() {
    for (QToolButton* button : {m_questionSound, m_answerSound, m_bothSounds, m_recordSound})
        button->setEnabled(true);
}

void ArticleWindow::step() {
    if (m_files.isEmpty())
        return;
    const int row = m_fileList->currentRow();
    if (m_step->text() == QString::fromUtf16(kStart)) {
        m_fileList->setCurrentRow(0);
        m_step->setText(QString::fromUtf16(kNext));
        enableSounds();
        playModel();
        return;
    }
    if (row + 1 >= m_files.size()) {
        m_step->setText(QString::fromUtf16(kStart));
        return;
    }
    m_recordPl->openNew(m_recordingFormat);
    m_fileList->setCurrentRow(row + 1);
    if (row + 2 >= m_files.size())
        m_step->setText(QString::fromUtf16(kStart));
    playModel();
}

void ArticleWindow::editOrSaveText() {
    if (!m_editing) {
        m_editing = true;
        setEditable(m_wholeText, true);
        m_edit->setText(u"Ulož text"_s);
        if (m_characterMenu)
            m_characterMenu(m_wholeText, true);
        m_wholeText->setFocus();
        return;
    }
    if (saveText(u"Text nemohl být zapsán. Na obrazovce ho sice vidíš, ale není uložen !!!."_s))
        endEditing();
}

bool ArticleWindow::saveText(const QString& failure) {
    const QStringList lines = m_wholeText->toPlainText().split(u'\n');
    try {
        const QList<char32_t> lost = writeArticleText(m_folder, lines, *m_codePage);
        if (!lost.isEmpty())
            m_services.messages.warning(core::unencodableWarning(lost, m_codePage->number()));
    } catch (const core::FileError&) {
        m_services.messages.error(failure);
        return false;
    }
    m_text = lines;
    m_wholeText->document()->setModified(false);
    m_phrase->setPlainText(phraseText(m_text, m_fileList->currentRow()));
    return true;
}

void ArticleWindow::endEditing() {
    m_editing = false;
    setEditable(m_wholeText, false);
    m_edit->setText(u"Edit (úpravy textu)"_s);
    if (m_characterMenu)
        m_characterMenu(m_wholeText, false);
}

void ArticleWindow::closeWindow() {
    if (m_closed)
        return;
    if (m_wholeText->document()->isModified() &&
        m_services.messages.ask(u"Text článku byl změněn, ale nebyl uložen. Uložit ?"_s))
        saveText(u"Text nemohl být zapsán. Zkontroluj volné místo na disku a přístupová práva."_s);
    m_closed = true;
    m_stopWindow.stop();
    m_playPl->close();
    m_recordPl->close();
    endEditing();
    done(QDialog::Accepted);
}

void ArticleWindow::closeEvent(QCloseEvent* event) {
    closeWindow();
    event->accept();
}

void ArticleWindow::reject() {
    closeWindow();
}

bool ArticleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_editPanel && event->type() == QEvent::Resize)
        m_edit->setVisible(m_editPanel->width() >= 200);
    return QDialog::eventFilter(watched, event);
}

void ArticleWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        step();
        return;
    case Qt::Key_F5:
        playModel();
        return;
    case Qt::Key_F6:
        playRecording();
        return;
    case Qt::Key_F7:
        playBoth();
        return;
    case Qt::Key_F12:
        if (!event->isAutoRepeat())
            startRecording();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void ArticleWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F12 && !event->isAutoRepeat()) {
        stopRecording();
        return;
    }
    QDialog::keyReleaseEvent(event);
}

} // namespace sound
