#include "core/databases/countries.h"

#include "core/common/field_reader.h"
#include "core/common/field_writer.h"
#include "core/common/text_file.h"

namespace racedesk {

bool readCountries(const std::string& path, CountryList& list) {
    list = CountryList{};
    std::string contents;
    if (!readWholeFile(path, contents))
        return false;
    FieldReader in(contents);
    while (list.count < kCountryCount && !in.atEnd())
        list.names[std::size_t(list.count++)] = in.line();
    return true;
}

bool writeCountries(const std::string& path, const CountryList& list) {
    FieldWriter out;
    for (const CountryName& name : list.names)
        out.line(name.view());
    return replaceWholeFile(path, out.contents());
}

} // namespace racedesk
