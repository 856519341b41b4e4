#include "exchange/exportcommands.h"

#include "core/cp1250linereader.h"
#include "core/cp1250linewriter.h"
#include "core/fileerror.h"
#include "core/messages.h"
#include "core/systemshell.h"
#include "exchange/dictionarycursor.h"
#include "store/cursor.h"
#include "store/error.h"

#include <QDir>
#include <QFileInfo>

namespace exchange {
namespace {

using namespace Qt::StringLiterals;

// Which characters were lost and on which lines, so that the user finds them in the file.
QString unencodableLinesWarning(const ExportResult& result) {
    QStringList lines;
    for (const int line : result.linesWithUnencodable)
        lines << QString::number(line);
    return core::unencodableWarning(result.unencodable, result.codePage) + u"\nŘádky: "_s +
           lines.join(u", "_s) + u'.';
}

// Writes the export and finishes it the same way for both kinds, or shows the failure.
template <typename Write>
std::optional<ExportResult> finishExport(const QString& path, const QString& failure,
                                         core::Messages& messages, core::SystemShell* shell,
                                         Write write) {
    try {
        QDir().mkpath(QFileInfo(path).path());
        ExportResult result = write();
        if (!result.unencodable.isEmpty())
            messages.warning(unencodableLinesWarning(result));
        if (shell)
            core::openWithSystem(*shell, messages, path);
        return result;
    } catch (const core::FileError&) {
        messages.error(failure);
    } catch (const store::Error& error) {
        messages.error(failure + u"\nHlášení zní: "_s + error.message());
    }
    return std::nullopt;
}

} // namespace

bool confirmExport(store::Cursor& dictionary, core::Messages& messages) {
    return messages.confirm(u"Celkem exportovat %1 slovíček"_s.arg(dictionary.recordCount()));
}

QString ExportFolders::templatePath() const {
    return QDir(applicationFolder).filePath(u"_other_/templateEX.html"_s);
}

QString ExportFolders::htmlPath() const {
    return QDir(userFolder).filePath(u"results/export.html"_s);
}

QString ExportFolders::txtPath() const {
    return QDir(userFolder).filePath(u"results/export.txt"_s);
}

std::optional<ExportResult> runHtmlExport(store::Cursor& dictionary, const ExportFolders& folders,
                                          const HtmlExportHeadings& headings,
                                          core::Messages& messages, core::SystemShell* shell,
                                          const Progress& progress) {
    if (!requireOpenDictionary(dictionary, messages) || !confirmExport(dictionary, messages))
        return std::nullopt;
    QStringList templateLines;
    try {
        templateLines = core::readCp1250FileLines(folders.templatePath());
    } catch (const core::FileError&) {
        messages.error(u"Není možné otevřít soubor \"templateEX.html\" v adresáři \"_Other_\"."_s);
        return std::nullopt;
    }
    return finishExport(folders.htmlPath(),
                        u"Není možné zapsat export.html do adresáře \"results\" v adresáři "
                        "uživatele, zkontroluj volné místo na disku."_s,
                        messages, shell, [&] {
                            return exportHtml(dictionary, templateLines, headings,
                                              folders.htmlPath(), progress);
                        });
}

std::optional<ExportResult> runTxtExport(store::Cursor& dictionary, const ExportFolders& folders,
                                         core::Messages& messages, core::SystemShell* shell,
                                         const Progress& progress, const core::CodePage& foreign) {
    if (!requireOpenDictionary(dictionary, messages) || !confirmExport(dictionary, messages))
        return std::nullopt;
    return finishExport(folders.txtPath(),
                        u"Není možné zapsat export.txt do adresáře \"results\" v adresáři "
                        "uživatele, zkontroluj volné místo na disku."_s,
                        messages, shell, [&] {
                            return exportTxt(dictionary, folders.txtPath(), progress, foreign);
                        });
}

} // namespace exchange
