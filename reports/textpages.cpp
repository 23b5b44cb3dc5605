#include "reports/textpages.h"

#include <algorithm>

namespace veltra {

std::vector<QStringList> PaginateText(const std::vector<TextLine>& lines, int linesPerPage) {
    linesPerPage = std::max(linesPerPage, 1);
    std::vector<QStringList> pages;
    for (const TextLine& line : lines) {
        if (pages.empty()) {
            pages.emplace_back();
        } else if (pages.back().size() >= linesPerPage) {
            pages.emplace_back();
            if (line.heading.size() < linesPerPage)
                pages.back() = line.heading;
        }
        pages.back().append(line.text);
    }
    return pages;
}

} // namespace veltra
