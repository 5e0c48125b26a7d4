#pragma once

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace bv::render {

enum class PrimitiveKind : uint8_t { kTriangles, kLines, kPoints };

// Vertices a primitive of each kind takes in the queue: a quad is two
// triangles of three, a line two ends, a point one.
constexpr size_t kQuadVertices = 6;
constexpr size_t kLineVertices = 2;
constexpr size_t kPointVertices = 1;

// Per-frame figures of what reached the renderer.
struct FrameCounters {
  int64_t vertices = 0;
  int64_t primitives = 0;
  int64_t batches = 0;
};

// The pre-transformed vertices waiting to be sent in one batch. All of them
// share the kind, texture and effect that the device selected for the batch.
class VertexQueue {
 public:
  static constexpr size_t kMaxCapacity = 32768;

  // Reserves the whole capacity once, so queuing never allocates; throws
  // std::bad_alloc like any allocation.
  explicit VertexQueue(size_t capacity = kMaxCapacity);

  size_t capacity() const { return capacity_; }
  size_t size() const { return vertices_.size(); }
  size_t free_places() const { return capacity_ - vertices_.size(); }
  bool empty() const { return vertices_.empty(); }

  PrimitiveKind kind() const { return kind_; }
  void set_kind(PrimitiveKind kind) { kind_ = kind; }

  // The caller has made room (free_places() >= the count).
  void Push(const SDL_Vertex& v) { vertices_.push_back(v); }
  const SDL_Vertex* data() const { return vertices_.data(); }
  const SDL_Vertex& operator[](size_t i) const { return vertices_[i]; }
  void Clear() { vertices_.clear(); }

  // Primitives now queued, by the kind of the batch.
  size_t primitive_count() const;

 private:
  size_t capacity_;
  PrimitiveKind kind_ = PrimitiveKind::kTriangles;
  std::vector<SDL_Vertex> vertices_;
};

}  // namespace bv::render
