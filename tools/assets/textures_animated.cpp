#include "texture_kit.h"
#include "texture_table.h"

namespace bv::assets {

void AddAnimatedTextures(Recipes& r) { (void)r; }

}  // namespace bv::assets
