#pragma once

#include <QString>

namespace core {

// The program's message boxes, in their four kinds. A confirmation offers No and OK,
// a question Yes and No; both answer whether the user chose to go on. Enter answers OK
// (Yes) and Esc No, except in a dangerous confirmation, whose OK deletes or overwrites data
// for good: there Enter keeps the safe No.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void error(const QString& text) = 0;
    virtual void warning(const QString& text) = 0;
    virtual void information(const QString& text) = 0;
    virtual bool confirm(const QString& text) = 0;
    virtual bool ask(const QString& text) = 0;
    virtual bool confirmDangerous(const QString& text) { return confirm(text); }
};

} // namespace core
