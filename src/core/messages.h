#pragma once

#include <QString>

namespace core {

// The program's message boxes, in their four kinds. A confirmation offers No and OK,
// a question Yes and No; both answer whether the user chose to go on.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void error(const QString& text) = 0;
    virtual void warning(const QString& text) = 0;
    virtual void information(const QString& text) = 0;
    virtual bool confirm(const QString& text) = 0;
    virtual bool ask(const QString& text) = 0;
};

} // namespace core
