#include "consolemessages.h"

#include <cstdio>

namespace cli {
namespace {

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

void printOut(const QString& text) {
    print(stdout, text);
}

void printError(const QString& text) {
    print(stderr, text);
}

void ConsoleMessages::error(const QString& text) {
    m_errorShown = true;
    printError(text);
}

void ConsoleMessages::warning(const QString& text) {
    printError(text);
}

void ConsoleMessages::information(const QString& text) {
    printOut(text);
}

bool ConsoleMessages::confirm(const QString&) {
    return true;
}

bool ConsoleMessages::ask(const QString&) {
    return true;
}

} // namespace cli
