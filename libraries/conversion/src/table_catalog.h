// The ".cvt" tables the library offers: found at load beside the module,
// then in the data folder "share/orvana" one and two levels above the
// module's folder (the install tree puts modules in lib/orvana/), each
// folder listed in name order; a name already found is not taken again.
#ifndef ORVANA_CONVERSION_TABLE_CATALOG_H
#define ORVANA_CONVERSION_TABLE_CATALOG_H

#include <string>
#include <string_view>
#include <vector>

namespace conversion {

struct TableFile {
    std::u16string name;  // the file name without ".cvt", as the menu shows it
    std::u16string path;
};

// The tables for a module at this path. A path without a folder part is
// reported in a message box ("ERROR", captioned "145") and gives no tables.
std::vector<TableFile> findTableFiles(std::string_view modulePath);

// The path this module was loaded from, or "" when it cannot be told.
std::string ownModulePath();

}  // namespace conversion

#endif
