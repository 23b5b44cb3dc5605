#pragma once

#include <QString>

namespace veltra {

// The outcome of a file operation: success, or the message the user is to read.
struct Status {
    bool ok = true;
    QString message;

    static Status success() { return {}; }
    static Status failure(QString text) { return {false, std::move(text)}; }
    explicit operator bool() const { return ok; }
};

} // namespace veltra
