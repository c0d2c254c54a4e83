#include "core/databases/transponder_packs.h"

#include "core/common/field_reader.h"
#include "core/common/text_file.h"
#include "core/common/field_writer.h"

namespace racedesk {

bool readTransponderPacks(const std::string& path, TransponderPackTable& table) {
    table.fill(TransponderPack{});
    std::string contents;
    if (!readWholeFile(path, contents))
        return false;
    FieldReader reader(contents);
    for (int i = 0; i < kPackCount && !reader.atEnd(); ++i) {
        TransponderPack& pack = table[std::size_t(i)];
        reader.text(pack.name);
        for (auto& transponder : pack.transponders)
            reader.text(transponder);
        reader.skipLine();
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
