#include "core/live/live_pages.h"

#include "core/common/texts.h"
#include "core/live/live_assets.h"
#include "core/live/live_texts.h"
#include "core/web/html_page.h"

#include <utility>

namespace racedesk {
namespace {

// The page's {{name}} marks and the texts that take their place.
std::pair<const char*, const char*> const kMarks[] = {
    {"{{lang}}", textUtf8(Text::LanguageCode)},
    {"{{pageTitle}}", textUtf8(LiveText::PageTitle)},
    {"{{meeting}}", textUtf8(LiveText::PageMeeting)},
    {"{{reconnecting}}", textUtf8(LiveText::PageReconnecting)},
    {"{{noRun}}", textUtf8(LiveText::PageNoRun)},
    {"{{duration}}", textUtf8(LiveText::PageDuration)},
    {"{{remaining}}", textUtf8(LiveText::PageRemaining)},
    {"{{elapsed}}", textUtf8(LiveText::PageElapsed)},
    {"{{countdown}}", textUtf8(LiveText::PageCountdown)},
    {"{{hPos}}", textUtf8(Text::HeadingPos)},
    {"{{hCar}}", textUtf8(Text::HeadingCar)},
    {"{{hName}}", textUtf8(Text::HeadingName)},
    {"{{hLaps}}", textUtf8(Text::HeadingLaps)},
    {"{{hTotal}}", textUtf8(Text::HeadingTotal)},
    {"{{hGapLeader}}", textUtf8(Text::HeadingGapLeader)},
    {"{{hGapPrevious}}", textUtf8(Text::HeadingGapPrevious)},
    {"{{hLast}}", textUtf8(Text::HeadingLastLap)},
    {"{{hBest}}", textUtf8(Text::HeadingBestLap)},
    {"{{hFinish}}", textUtf8(Text::HeadingFinish)},
};

std::string boardHtml() {
    std::string page = kBoardHtml;
    for (const auto& [mark, text] : kMarks) {
        const std::string_view m = mark;
        const std::string value = htmlEscape(text);
        for (std::size_t at = page.find(m); at != std::string::npos;
             at = page.find(m, at + value.size()))
            page.replace(at, m.size(), value);
    }
    return page;
}

} // namespace

std::optional<WebPage> liveBoardPage(std::string_view path) {
    if (path == kBoardPath)
        return WebPage{"text/html; charset=utf-8", boardHtml()};
    if (path == "/board.css")
        return WebPage{"text/css; charset=utf-8", kBoardCss};
    if (path == "/board.js")
        return WebPage{"text/javascript; charset=utf-8", kBoardJs};
    return std::nullopt;
}

} // namespace racedesk
