// The main menu. Every command is present from the start; a command whose work the
// program does not offer yet stays disabled.
#include "shell/ui/mainwindow.h"

#include <QMenu>
#include <QMenuBar>

namespace shell {

using namespace Qt::StringLiterals;

QAction* MainWindow::addCommand(QMenu* menu, const QString& name, const QString& caption,
                                const QKeySequence& shortcut) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setEnabled(false); // enabled where a command is connected
    if (menu)
        menu->addAction(action);
    m_commands.insert(name, action);
    return action;
}

void MainWindow::buildMenu() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&Soubor"));
    addCommand(file, u"EditMode"_s, QStringLiteral("&Editace slovníku v okně"))->setCheckable(true);
    file->addSeparator();
    addCommand(file, u"ExportHtml"_s, QStringLiteral("&Export slovíček do HTML formátu"));
    addCommand(file, u"ExportTxt"_s, QStringLiteral("Export slovíček do TXT oděleného tabulátory"));
    addCommand(file, u"ExportKvtml"_s,
               QStringLiteral("Export slovíček do &kvtml (KWordQuiz, Parley)"));
    addCommand(file, u"ExportAnki"_s, QStringLiteral("Export slovíček pro &Anki a Mnemosyne"));
    file->addSeparator();
    addCommand(file, u"ChangePassword"_s, QStringLiteral("&Změna hesla uživatele"));
    addCommand(file, u"Backup"_s, QStringLiteral("Zálohuj slovník&y"),
               QKeySequence(Qt::CTRL | Qt::Key_F12));
    addCommand(file, u"DataCheck"_s, QStringLiteral("Kontrola dat"));
    addCommand(file, u"SafetyCopies"_s, QStringLiteral("Obnovení slovníku z bezpečnostní kopie"));
    file->addSeparator();
    addCommand(file, u"EvaluationSettings"_s, QStringLiteral("Nastavení vyhodnocovani &slovíčka"));
    addCommand(file, u"Regenerate"_s, QStringLiteral("&Přegeneruj slovnik"));
    addCommand(file, u"CommaReevaluation"_s, QStringLiteral("Přehodnocení výrazů s čár&kou"));
    file->addSeparator();
    addCommand(file, u"LoadSettingsSet"_s,
               QStringLiteral("Načíst nastavení slovníku (fonty,zkratky apod.)"),
               QKeySequence(Qt::CTRL | Qt::Key_F5));
    file->addSeparator();
    addCommand(file, u"KeyboardSwitching"_s, QStringLiteral("Přepínání klávesnice"));
    file->addSeparator();
    addCommand(file, u"Exit"_s, QStringLiteral("Exit"));

    QMenu* exams = bar->addMenu(QStringLiteral("&Zkoušení a cvičení"));
    addCommand(exams, u"AutoExam"_s, QStringLiteral("Automatické zk&oušení"),
               QKeySequence(Qt::CTRL | Qt::Key_F10));
    addCommand(exams, u"SelfExam"_s, QStringLiteral("Zkoušení sam&okontrolou"),
               QKeySequence(Qt::CTRL | Qt::Key_F9));
    exams->addSeparator();
    addCommand(exams, u"Pronunciation"_s, QStringLiteral("Cvičení vý&slovnosti"),
               QKeySequence(Qt::CTRL | Qt::Key_F8))
        ->setVisible(false); // until the open dictionary has a sound folder
    exams->addSeparator();
    addCommand(exams, u"ArticlePractice"_s, QStringLiteral("&Cvičení článku"),
               QKeySequence(Qt::CTRL | Qt::Key_F7));
    addCommand(exams, u"ArticlePlayback"_s, QStringLiteral("&Jen přehrání článků"));

    QMenu* dictionary = bar->addMenu(QStringLiteral("Slo&vník"));
    addCommand(dictionary, u"WordEntry"_s, QStringLiteral("&Vkládání nových slovíček"),
               QKeySequence(Qt::CTRL | Qt::Key_F2));
    dictionary->addSeparator();
    addCommand(dictionary, u"NewDictionary"_s, QStringLiteral("Vytvoření &nového slovníku"));
    dictionary->addSeparator();
    addCommand(dictionary, u"ImportDictionary"_s,
               QStringLiteral("&Import slovíček z jiného slovníku"));
    addCommand(dictionary, u"ImportDictionaryWithStatistics"_s,
               QStringLiteral("I&mport slovíček z jiného slovníku včetně statistiky"));
    addCommand(dictionary, u"ImportLines"_s,
               QStringLiteral("Import z &TXT řádek česky, řádek cize"));
    addCommand(dictionary, u"ImportTabs"_s,
               QStringLiteral("Import z T&XT odděl. tabulátory (cz,jinak,lekce,popis)"));
    addCommand(dictionary, u"ImportKvtml"_s, QStringLiteral("Import z &kvtml (KWordQuiz, Parley)"));
    addCommand(dictionary, u"ImportAnki"_s, QStringLiteral("Import z textu &Anki nebo Mnemosyne"));
    dictionary->addSeparator();
    addCommand(dictionary, u"BulkLessonChange"_s, QStringLiteral("&Hromadná změna lekce"));
    addCommand(dictionary, u"FindLesson"_s,
               QStringLiteral("Nalézt lekci slovíčka pokud je v lekci 0"));
    dictionary->addSeparator();
    addCommand(dictionary, u"AddSounds"_s, QStringLiteral("&Přidávání nových zvuků"))
        ->setVisible(false); // until the open dictionary has a sound folder of its own
    addCommand(dictionary, u"SpeakMissing"_s, QStringLiteral("Namluvit chybějící zvuky"))
        ->setVisible(false); // until the open dictionary has a sound folder

    QMenu* articles = bar->addMenu(QStringLiteral("Člá&nky"));
    addCommand(articles, u"NewArticle"_s, QStringLiteral("&Definice nového článku"));

    QMenu* statistics = bar->addMenu(QStringLiteral("S&tatistika"));
    addCommand(statistics, u"ResetStatistics"_s,
               QStringLiteral("&Vynuluj zkoušení tohoto slovíčka"));
    addCommand(statistics, u"MarkKnown"_s, QStringLiteral("&Nastav toto slovíčko jako známé"));
    statistics->addSeparator();
    addCommand(statistics, u"Progress"_s, QStringLiteral("&Pokroky"));

    QMenu* help = bar->addMenu(QStringLiteral("&Nápověda"));
    addCommand(help, u"HelpContents"_s, QStringLiteral("&Obsah"));
    addCommand(help, u"About"_s, QStringLiteral("&O aplikaci"));

    // The word grid's context menu.
    addCommand(nullptr, u"CountWords"_s, QStringLiteral("Spočítej slovíčka"));
}

} // namespace shell
