// asset_library.h -- the loaded pictures of the game, one tk::Picture per catalogue entry.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "toolkit/raster/picture.h"

namespace vm {

class AssetLibrary {
  public:
    // Creates every catalogued picture from gameDir (bitmaps are decoded at once, JPEGs on
    // first use). Throws tk::Error naming the file of the first picture that cannot be made.
    explicit AssetLibrary(const std::string& gameDir);

    // The picture of that name ("Form3.Image8"). Throws tk::Error for a name not catalogued.
    const tk::Picture& Get(std::string_view name) const;
    std::size_t Size() const { return pictures_.size(); }

  private:
    std::map<std::string, std::unique_ptr<tk::Picture>, std::less<>> pictures_;
};

}  // namespace vm
