#include "core/reports/print_file_name.h"

#include <cstdio>

namespace racedesk {
namespace {

// A slash ("1/10") becomes a dash, the other characters no file name may hold become spaces;
// runs of spaces become one, and none stands at an end.
std::string cleaned(std::string_view text) {
    constexpr std::string_view kForbidden = ":*?\"<>|";
    std::string out;
    for (const char c : text) {
        const bool blank = kForbidden.find(c) != std::string_view::npos ||
                           static_cast<unsigned char>(c) < 0x20 || c == ' ';
        if (c == '/' || c == '\\')
            out += '-';
        else if (!blank)
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    while (!out.empty() && (out.back() == ' ' || out.back() == '.'))
        out.pop_back();
    return out;
}

// The title and the category, as every file made of the document is named.
std::string fileStem(const PrintDocument& document) {
    std::string name = cleaned(document.fileTitle);
    if (name.empty())
        name = tx(PrintFileText::Untitled);
    const std::string category = cleaned(document.category);
    if (!category.empty())
        name += " - " + category;
    return name;
}

} // namespace

std::string proposedPdfName(const PrintDocument& document) {
    return fileStem(document) + ".pdf";
}

std::string proposedCsvName(const PrintDocument& document) {
    return fileStem(document) + ".csv";
}

std::string printFileTitle(PrintFileText pattern, int number) {
    char text[96];
    std::snprintf(text, sizeof text, tx(pattern), number);
    return text;
}

std::string printFileTitle(PrintFileText pattern, std::string_view name) {
    char text[200];
    std::snprintf(text, sizeof text, tx(pattern), std::string(name).c_str());
    return text;
}

} // namespace racedesk
