#pragma once

#include <QString>
#include <QStringView>

namespace exchange {

// The text a field written in HTML shows: scripts and styles dropped with their content,
// other tags dropped, line breaks (<br>, paragraphs, blocks) as lineBreak, entities decoded,
// Anki's "[sound:…]" references dropped, runs of white space as one space, no space at the ends.
QString htmlToText(QStringView html, QStringView lineBreak);

// Text as HTML: &, <, > and " escaped, a CR LF or LF as <br>.
QString textToHtml(QString text);

} // namespace exchange
