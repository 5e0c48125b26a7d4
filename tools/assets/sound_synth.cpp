#include "sound_synth.h"

#include <algorithm>

namespace bv::assets::synth {

namespace {

// Smooths the jump of a saw or square at the wrap of the phase.
float PolyBlep(float t, float dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1;
  }
  if (t > 1 - dt) {
    t = (t - 1) / dt;
    return t * t + t + t + 1;
  }
  return 0;
}

}  // namespace

float Osc::Next(float freq) {
  float dt = std::clamp(freq / kRate, 0.0f, 0.49f);
  float p = phase_;
  float out = 0;
  switch (shape_) {
    case kSine:
      out = std::sin(kTau * p);
      break;
    case kSaw:
      out = 2 * p - 1 - PolyBlep(p, dt);
      break;
    case kSquare: {
      out = p < pw_ ? 1.0f : -1.0f;
      out += PolyBlep(p, dt);
      float q = p - pw_ + (p < pw_ ? 1 : 0);
      out -= PolyBlep(q, dt);
      break;
    }
    case kTriangle:
      out = 4 * std::fabs(p - 0.5f) - 1;
      break;
  }
  phase_ += dt;
  if (phase_ >= 1) phase_ -= 1;
  return out;
}

float Filter::Next(float x, float cutoff, float q) {
  cutoff = std::clamp(cutoff, 20.0f, kRate * 0.45f);
  float w0 = kTau * cutoff / kRate;
  float c = std::cos(w0), s = std::sin(w0);
  float alpha = s / (2 * q);
  float b0, b1, b2;
  switch (type_) {
    case kLowPass:
      b0 = (1 - c) / 2, b1 = 1 - c, b2 = (1 - c) / 2;
      break;
    case kHighPass:
      b0 = (1 + c) / 2, b1 = -(1 + c), b2 = (1 + c) / 2;
      break;
    default:
      b0 = alpha, b1 = 0, b2 = -alpha;
      break;
  }
  float a0 = 1 + alpha, a1 = -2 * c, a2 = 1 - alpha;
  float y = (b0 * x + b1 * x1_ + b2 * x2_ - a1 * y1_ - a2 * y2_) / a0;
  x2_ = x1_, x1_ = x, y2_ = y1_, y1_ = y;
  return y;
}

void MixInto(Wave& dst, const Wave& src, float at, float gain) {
  size_t off = static_cast<size_t>(std::max(0.0f, at) * kRate);
  if (dst.size() < off + src.size()) dst.resize(off + src.size(), 0.0f);
  for (size_t i = 0; i < src.size(); ++i) dst[off + i] += src[i] * gain;
}

Wave Reverb(const Wave& in, float wet, float size, float tail) {
  const float delays[4] = {0.0297f, 0.0371f, 0.0411f, 0.0437f};
  Wave out = in;
  out.resize(in.size() + static_cast<size_t>(kRate * 0.6f * size * (0.5f + tail)), 0.0f);
  for (float d : delays) {
    size_t n = static_cast<size_t>(d * size * kRate);
    std::vector<float> buf(n, 0.0f);
    size_t pos = 0;
    float lp = 0;
    for (size_t i = 0; i < out.size(); ++i) {
      float x = i < in.size() ? in[i] : 0.0f;
      float y = buf[pos];
      lp = lp * 0.4f + y * 0.6f;
      buf[pos] = x + lp * tail;
      pos = (pos + 1) % n;
      out[i] += y * wet * 0.35f;
    }
  }
  return out;
}

void Finish(Wave& w, float peak) {
  float m = 0;
  for (float v : w) m = std::max(m, std::fabs(v));
  if (m > 0)
    for (float& v : w) v *= peak / m;
  size_t fade = std::min(w.size(), static_cast<size_t>(0.01f * kRate));
  for (size_t i = 0; i < fade; ++i) w[w.size() - 1 - i] *= static_cast<float>(i) / fade;
}

std::vector<int16_t> ToPcm16(const Wave& w) {
  std::vector<int16_t> out(w.size());
  for (size_t i = 0; i < w.size(); ++i)
    out[i] = static_cast<int16_t>(std::lround(std::clamp(w[i], -1.0f, 1.0f) * 32767.0f));
  return out;
}

}  // namespace bv::assets::synth
