#include "core/databases/transponder_packs.h"

#include "core/databases/record_file.h"

namespace racedesk {

bool readTransponderPacks(const std::string& path, TransponderPackTable& table) {
    table.fill(TransponderPack{});
    std::string contents;
    if (!readWholeFile(path, contents))
        return false;
    // Every pack has its line, an empty one too: a pack is known by its place.
    RecordLines lines(contents);
    for (int i = 0; i < kPackCount && !lines.atEnd(); ++i) {
        TransponderPack& pack = table[std::size_t(i)];
        FieldReader reader(lines.next());
        reader.text(pack.name);
        for (auto& transponder : pack.transponders)
            reader.text(transponder);
    }
    return true;
}

bool writeTransponderPacks(const std::string& path, const TransponderPackTable& table) {
    FieldWriter out;
    for (const TransponderPack& pack : table) {
        out.text(pack.name.view());
        for (const auto& transponder : pack.transponders)
            out.text(transponder.view());
        out.endLine();
    }
    return replaceWholeFile(path, out.contents());
}

} // namespace racedesk
