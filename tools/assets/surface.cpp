#include "surface.h"

#include <cmath>

namespace bv::assets {

namespace {

// Sliding-window box blur along one axis; `at` maps an index beyond the edge
// back inside (wrapping or clamping).
void BlurLine(const float* in, float* out, int n, int stride, int r, bool wrap) {
  auto at = [&](int i) {
    if (wrap) i = ((i % n) + n) % n;
    else i = std::clamp(i, 0, n - 1);
    return in[static_cast<size_t>(i) * stride];
  };
  float sum = 0;
  for (int k = -r; k <= r; ++k) sum += at(k);
  const float inv = 1.0f / (2 * r + 1);
  for (int i = 0; i < n; ++i) {
    out[static_cast<size_t>(i) * stride] = sum * inv;
    sum += at(i + r + 1) - at(i - r);
  }
}

std::vector<float> BoxBlur(const std::vector<float>& v, int w, int h, int r, bool wrap) {
  std::vector<float> tmp(v.size()), out(v.size());
  for (int y = 0; y < h; ++y) BlurLine(&v[static_cast<size_t>(y) * w], &tmp[static_cast<size_t>(y) * w], w, 1, r, wrap);
  for (int x = 0; x < w; ++x) BlurLine(&tmp[x], &out[x], h, w, r, wrap);
  return out;
}

constexpr float kRaised = 2.0f;  // pixels above the ground

thread_local RaisedMask t_raised;

}  // namespace

const RaisedMask& LastRaisedMask() { return t_raised; }

Image Surface::Shade(const ShadeOptions& o) const {
  const int W = w_ * kSS, H = h_ * kSS;
  auto idx = [&](int x, int y) {
    if (wrap_) {
      x = ((x % W) + W) % W;
      y = ((y % H) + H) % H;
    } else {
      x = std::clamp(x, 0, W - 1);
      y = std::clamp(y, 0, H - 1);
    }
    return static_cast<size_t>(y) * W + x;
  };
  std::vector<float> hgt(s_.size());
  for (size_t i = 0; i < s_.size(); ++i) hgt[i] = s_[i].height;
  std::vector<float> blur = BoxBlur(BoxBlur(hgt, W, H, 3, wrap_), W, H, 3, wrap_);

  // Light from the upper left, fairly high.
  float lx = -0.45f, ly = -0.6f, lz = 1.0f;
  float ln = std::sqrt(lx * lx + ly * ly + lz * lz);
  lx /= ln, ly /= ln, lz /= ln;
  float hx = lx, hy = ly, hz = lz + 1;
  float hn = std::sqrt(hx * hx + hy * hy + hz * hz);
  hx /= hn, hy /= hn, hz /= hn;

  Image big(W, H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const Mat& m = s_[idx(x, y)];
      float dx = (hgt[idx(x + 1, y)] - hgt[idx(x - 1, y)]) * kSS / 2 * o.bump;
      float dy = (hgt[idx(x, y + 1)] - hgt[idx(x, y - 1)]) * kSS / 2 * o.bump;
      float nx = -dx, ny = -dy, nz = 1;
      float nn = std::sqrt(nx * nx + ny * ny + nz * nz);
      nx /= nn, ny /= nn, nz /= nn;
      float diff = std::max(0.0f, nx * lx + ny * ly + nz * lz) / lz;
      float light = o.ambient + (1 - o.ambient) * diff;
      float cav = blur[idx(x, y)] - hgt[idx(x, y)];
      float ao = std::clamp(1 - o.occlusion * std::max(0.0f, cav), 0.35f, 1.0f);
      float spec = 0;
      if (m.gloss > 0) {
        float nh = std::max(0.0f, nx * hx + ny * hy + nz * hz);
        spec = m.gloss * 0.55f * std::pow(nh, o.spec_power);
      }
      Rgb c = m.albedo * (light * ao) + Grey(spec) + m.emit;
      big.at(x, y) = {Clamp01(c.r), Clamp01(c.g), Clamp01(c.b), 1};
    }
  t_raised.w = w_, t_raised.h = h_;
  t_raised.raised.assign(static_cast<size_t>(w_) * h_, 0.0f);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x)
      if (s_[static_cast<size_t>(y) * W + x].height > kRaised)
        t_raised.raised[static_cast<size_t>(y / kSS) * w_ + x / kSS] += 1.0f / (kSS * kSS);
  ++t_raised.serial;
  return big.Downsample(kSS);
}

}  // namespace bv::assets
