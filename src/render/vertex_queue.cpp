#include "render/vertex_queue.h"

namespace bv::render {

VertexQueue::VertexQueue(size_t capacity) : capacity_(capacity) {
  vertices_.reserve(capacity);
}

size_t VertexQueue::primitive_count() const {
  switch (kind_) {
    case PrimitiveKind::kTriangles:
      return vertices_.size() / 3;
    case PrimitiveKind::kLines:
      return vertices_.size() / 2;
    case PrimitiveKind::kPoints:
      return vertices_.size();
  }
  return 0;
}

}  // namespace bv::render
