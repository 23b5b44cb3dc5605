#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace veltra {

// One line of a text document with the heading that was running when it was printed.
struct TextLine {
    QString text;
    QStringList heading;
};

// Breaks a text document into pages of at most linesPerPage lines. Every page after the first
// starts with the heading that runs at its first line, unless that heading would fill the page.
std::vector<QStringList> PaginateText(const std::vector<TextLine>& lines, int linesPerPage);

} // namespace veltra
