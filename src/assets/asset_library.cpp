// asset_library.cpp -- builds the tk::Picture of every catalogue entry and finds them by name.
#include "assets/asset_library.h"

#include "assets/picture_catalogue.h"
#include "toolkit/error.h"

namespace vm {

AssetLibrary::AssetLibrary(const std::string& gameDir) {
    for (const CatalogEntry& entry : PictureCatalogue()) {
        pictures_.emplace(std::string(entry.name),
                          std::make_unique<tk::Picture>(gameDir + "/" + std::string(entry.file),
                                                        entry.format, entry.transparent));
    }
}

const tk::Picture& AssetLibrary::Get(std::string_view name) const {
    const auto found = pictures_.find(name);
    if (found == pictures_.end()) throw tk::Error("no picture named " + std::string(name));
    return *found->second;
}

}  // namespace vm
