#include "core/web/html_page.h"

#include "core/common/cp1252.h"
#include "core/web/web_texts.h"

namespace racedesk {
namespace {

void appendElement(std::string& out, std::string_view tag, std::string_view html) {
    out.append("<").append(tag).append(">").append(html).append("</").append(tag).append(">\n");
}

} // namespace

std::string htmlEscape(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
        case '&':
            out.append("&amp;");
            break;
        case '<':
            out.append("&lt;");
            break;
        case '>':
            out.append("&gt;");
            break;
        case '"':
            out.append("&quot;");
            break;
        case '\'':
            out.append("&#39;");
            break;
        default:
            // Control characters have no place in a page; a stray one from a damaged file
            // would make it invalid.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                out.push_back(c);
        }
    }
    return out;
}

std::string htmlText(std::string_view cp1252) {
    return htmlEscape(cp1252ToUtf8(cp1252));
}

std::string pageStart(std::string_view titleUtf8, bool live) {
    std::string out = "<!DOCTYPE html>\n<html lang=\"";
    out.append(textUtf8(WebText::Language));
    out.append("\">\n<head>\n<meta charset=\"utf-8\">\n"
               "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
               "<title>");
    out.append(htmlEscape(titleUtf8));
    out.append("</title>\n<link rel=\"stylesheet\" href=\"style.css\">\n</head>\n<body>\n"
               "<nav><a href=\"index.html\">");
    out.append(htmlEscape(textUtf8(WebText::Meeting)));
    out.append("</a>");
    if (live) {
        out.append(" <a href=\"/board\">");
        out.append(htmlEscape(textUtf8(WebText::LiveBoard)));
        out.append("</a>");
    }
    out.append("</nav>\n<main>\n");
    return out;
}

std::string pageEnd() {
    return "</main>\n</body>\n</html>\n";
}

void appendHeading(std::string& out, int level, std::string_view utf8) {
    appendElement(out, "h" + std::to_string(level), htmlEscape(utf8));
}

void appendParagraph(std::string& out, std::string_view utf8) {
    appendElement(out, "p", htmlEscape(utf8));
}

void appendLinks(std::string& out, const std::vector<PageLink>& links) {
    if (links.empty())
        return;
    out.append("<ul class=\"links\">\n");
    for (const PageLink& link : links) {
        out.append("<li><a href=\"").append(htmlEscape(link.href)).append("\">");
        out.append(htmlEscape(link.label)).append("</a></li>\n");
    }
    out.append("</ul>\n");
}

} // namespace racedesk
