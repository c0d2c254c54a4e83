#pragma once
#include <string>

namespace racedesk::test {

// What a PDF file says, through poppler's command-line tools.
std::string pdfText(const std::string& pdfFile); // pages separated by form feeds
int pdfPageCount(const std::string& pdfFile);
// "portrait" or "landscape", from the first page's size.
std::string pdfOrientation(const std::string& pdfFile);

} // namespace racedesk::test
