#include "font_file.h"

namespace bv::assets {

Bytes MakeFontFile(const Fonts& fonts) {
  (void)fonts;
  return {};
}

}  // namespace bv::assets
