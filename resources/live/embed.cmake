# Writes OUTPUT, a C++ source holding the live board's page, style and script as byte arrays,
# so the server answers from the program itself and never from a file of the disk.
#   cmake -DSOURCE_DIR=... -DOUTPUT=... -P embed.cmake
set(body "// Generated from resources/live by embed.cmake.\n#include \"core/live/live_assets.h\"\n\nnamespace racedesk {\n")
foreach(pair "board.html;kBoardHtml" "board.css;kBoardCss" "board.js;kBoardJs")
    list(GET pair 0 file)
    list(GET pair 1 name)
    file(READ ${SOURCE_DIR}/${file} hex HEX)
    string(REGEX REPLACE "(..)" "'\\\\x\\1'," bytes "${hex}")
    string(APPEND body "const char ${name}[] = {${bytes}'\\0'};\n")
endforeach()
string(APPEND body "} // namespace racedesk\n")
file(WRITE ${OUTPUT}.new "${body}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
