#include "core/reports/print_document.h"

#include <algorithm>

namespace racedesk {

PageLayout portraitLayout() {
    return PageLayout{};
}

PageLayout landscapeLayout() {
    PageLayout layout;
    layout.orientation = Orientation::Landscape;
    layout.width = 1600;
    layout.height = 900;
    layout.outerBorder = {15, 15, 1585, 1100};
    layout.innerBorder = {20, 20, 1580, 1095};
    layout.firstTitle = {520, 65};
    layout.secondTitle = {520, 117};
    layout.raceLine = {195, 195};
    layout.dateLine = {156, 234};
    layout.numberedPages = false; // a heat's results fit on one page
    return layout;
}

int pageCount(const PrintDocument& document) {
    if (document.rows.empty())
        return 0;
    return (int(document.rows.size()) - 1) / document.rowsPerPage + 1;
}

int firstRowOfPage(const PrintDocument& document, int page) {
    return page * document.rowsPerPage;
}

int rowsOnPage(const PrintDocument& document, int page) {
    const int left = int(document.rows.size()) - firstRowOfPage(document, page);
    return std::clamp(left, 0, document.rowsPerPage);
}

} // namespace racedesk
