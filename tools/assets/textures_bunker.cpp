#include "texture_kit.h"
#include "texture_table.h"

namespace bv::assets {

void AddBunkerTextures(Recipes& r) { (void)r; }

}  // namespace bv::assets
