#include "texture_kit.h"
#include "texture_table.h"

namespace bv::assets {

void AddHellTextures(Recipes& r) { (void)r; }

}  // namespace bv::assets
