// The game's sound effects, synthesised: weapons, cries, pickups, doors,
// alarms, power, jingles. Every sample is mono 16-bit at 22050 Hz.
#include "sounds.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "color.h"
#include "sound_synth.h"

namespace bv::assets {

namespace {

using namespace synth;

float Midi(float m) { return 440.0f * std::pow(2.0f, (m - 69) / 12); }

// A short burst of filtered noise: the body of every shot and click.
Wave Burst(float seconds, float tau, float cut_from, float cut_to, uint32_t seed, Filter::Type type = Filter::kLowPass,
           float q = 0.707f) {
  Wave w = Silence(seconds);
  NoiseGen n(seed);
  Filter f(type);
  for (size_t i = 0; i < w.size(); ++i) {
    float t = Time(i);
    float cut = cut_to + (cut_from - cut_to) * std::exp(-t / (tau * 2));
    w[i] = f.Next(n.Next(), cut, q) * Hit(t, 0.0008f, tau);
  }
  return w;
}

// A falling sine thump.
Wave Thump(float seconds, float f_from, float f_to, float tau) {
  Wave w = Silence(seconds);
  Osc o(Osc::kSine);
  for (size_t i = 0; i < w.size(); ++i) {
    float t = Time(i);
    float f = f_to + (f_from - f_to) * std::exp(-t / (tau * 0.6f));
    w[i] = o.Next(f) * Hit(t, 0.001f, tau);
  }
  return w;
}

// A metallic ping: inharmonic partials that die away quickly.
Wave Ping(float seconds, float f0, float tau) {
  const float ratios[] = {1, 2.76f, 5.40f, 8.93f};
  const float amps[] = {1, 0.6f, 0.35f, 0.2f};
  Wave w = Silence(seconds);
  for (int k = 0; k < 4; ++k) {
    Osc o(Osc::kSine);
    for (size_t i = 0; i < w.size(); ++i) w[i] += amps[k] * o.Next(f0 * ratios[k]) * Hit(Time(i), 0.0005f, tau / (1 + k * 0.7f));
  }
  return w;
}

// A note of a simple synth instrument with a filter that opens on the attack.
Wave Tone(float freq, float len, Osc::Shape shape, float bright, float attack = 0.01f, float release = 0.08f,
          float vibrato = 0) {
  Wave w = Silence(len + release);
  Osc o(shape), sub(Osc::kSine);
  Filter f(Filter::kLowPass);
  for (size_t i = 0; i < w.size(); ++i) {
    float t = Time(i);
    float fr = freq * (1 + vibrato * std::sin(kTau * 5.5f * t) * std::min(1.0f, t * 3));
    float env = Note(t, len + release, attack, release);
    float cut = freq * (1.5f + bright * (1 + 3 * std::exp(-t / 0.12f)));
    w[i] = env * (f.Next(o.Next(fr), cut, 1.2f) + 0.3f * sub.Next(fr * 0.5f));
  }
  return w;
}

struct Step {
  float at, midi, len;
};

Wave Melody(const std::vector<Step>& steps, Osc::Shape shape, float bright, float gain = 1, float vibrato = 0) {
  Wave out;
  for (const Step& s : steps) MixInto(out, Tone(Midi(s.midi), s.len, shape, bright, 0.01f, 0.08f, vibrato), s.at, gain);
  return out;
}

Wave Cry(float seconds, Vowel a, Vowel b, float p0, float p1, float rasp, float trem, uint32_t seed) {
  Wave w = Voice(seconds, a, b, [=](float t) {
    float k = t / seconds;
    return (p0 + (p1 - p0) * k * k) * (1 + 0.04f * std::sin(kTau * 6 * t));
  }, rasp, seed);
  for (size_t i = 0; i < w.size(); ++i) {
    float t = Time(i);
    float env = Note(t, seconds, 0.03f, seconds * 0.45f);
    if (trem > 0) env *= 1 - 0.5f * trem * (0.5f + 0.5f * std::sin(kTau * 17 * t));
    w[i] = Drive(w[i] * env * 3, 1.5f);
  }
  return Reverb(w, 0.25f, 0.8f, 0.4f);
}

Wave Roar(float seconds, float p0, float p1, uint32_t seed) {
  Wave w = Voice(seconds, kO, kA, [=](float t) {
    float k = t / seconds;
    return p0 + (p1 - p0) * std::sin(3.1416f * k) + 6 * std::sin(kTau * 9 * t);
  }, 1.0f, seed);
  NoiseGen n(seed + 1);
  Filter f(Filter::kLowPass);
  for (size_t i = 0; i < w.size(); ++i) {
    float t = Time(i);
    float growl = 0.6f + 0.4f * std::sin(kTau * 23 * t);
    float env = Note(t, seconds, 0.12f, seconds * 0.5f);
    w[i] = Drive((w[i] * 2.5f + 0.5f * f.Next(n.Next(), 700)) * growl * env, 2.5f);
  }
  return Reverb(w, 0.35f, 1.4f, 0.55f);
}

Wave Chainsaw() {
  Wave w = Silence(0.3f);
  Osc engine(Osc::kSaw), buzz(Osc::kSquare, 0.3f);
  NoiseGen n(1001);
  Filter chain(Filter::kBandPass), body(Filter::kLowPass);
  for (size_t i = 0; i < w.size(); ++i) {
    float t = Time(i);
    float f = 96 + 6 * std::sin(kTau * 11 * t);
    float e = engine.Next(f);
    float teeth = chain.Next(n.Next(), 2600, 1.5f) * (0.6f + 0.4f * std::sin(kTau * f * 2 * t));
    float s = Drive(body.Next(e + 0.4f * buzz.Next(f * 2), 1800) * 1.5f, 2.0f) + 0.8f * teeth;
    w[i] = s * Note(t, 0.3f, 0.015f, 0.06f);
  }
  return w;
}

Wave Gunshot(float tail, float tau, float bright, float thump_f, uint32_t seed) {
  Wave w = Burst(tail, tau, bright, 500, seed);
  MixInto(w, Thump(tail, thump_f, thump_f * 0.35f, tau * 3), 0, 0.9f);
  MixInto(w, Burst(0.01f, 0.0015f, 9000, 4000, seed + 1, Filter::kHighPass), 0, 0.5f);
  for (float& v : w) v = Drive(v * 2, 2);
  return Reverb(w, 0.3f, 1.0f, 0.45f);
}

Wave Blaster() {
  Wave w = Silence(0.55f);
  Osc a(Osc::kSquare, 0.25f), b(Osc::kSine), lfo(Osc::kSine);
  Filter f(Filter::kBandPass);
  for (size_t i = 0; i < w.size(); ++i) {
    float t = Time(i);
    float sweep = 200 + 1900 * std::exp(-t / 0.09f);
    float fm = 1 + 0.15f * lfo.Next(38);
    float s = 0.6f * a.Next(sweep * fm) + 0.5f * b.Next(sweep * 2.01f);
    w[i] = f.Next(s, sweep * 1.5f, 1.3f) * 1.6f * Hit(t, 0.004f, 0.16f);
  }
  MixInto(w, Burst(0.1f, 0.01f, 8000, 2000, 1301, Filter::kHighPass), 0, 0.25f);
  return Reverb(w, 0.35f, 1.2f, 0.5f);
}

Wave Shell(float f0, uint32_t seed) {
  Wave w;
  const float at[] = {0, 0.075f, 0.13f, 0.165f};
  const float gain[] = {1, 0.55f, 0.3f, 0.15f};
  for (int k = 0; k < 4; ++k) {
    Wave p = Ping(0.15f, f0 * (1 + 0.03f * k), 0.05f);
    MixInto(p, Burst(0.01f, 0.001f, 7000, 3000, seed + k, Filter::kHighPass), 0, 0.3f);
    MixInto(w, p, at[k] + 0.005f * k, gain[k]);
  }
  return Reverb(w, 0.15f, 0.6f, 0.3f);
}

Wave Explosion(uint32_t seed) {
  Wave w = Silence(1.8f);
  NoiseGen n(seed);
  Filter f(Filter::kLowPass), f2(Filter::kLowPass);
  for (size_t i = 0; i < w.size(); ++i) {
    float t = Time(i);
    float cut = 150 + 3500 * std::exp(-t / 0.15f);
    float x = n.Next();
    w[i] = f2.Next(f.Next(x, cut, 0.9f), cut * 1.3f) * Hit(t, 0.004f, 0.45f) * 2.5f;
  }
  MixInto(w, Thump(1.2f, 90, 28, 0.35f), 0, 1.2f);
  // Debris ticking down afterwards.
  Rng r(seed + 7);
  for (int k = 0; k < 14; ++k) {
    // Drawn one by one: the order of a call's arguments differs between
    // compilers, and the sound must come out the same from every one.
    const float gain = 0.25f * r.Uniform();
    const float at = 0.25f + r.Uniform() * 0.9f;
    MixInto(w, Burst(0.04f, 0.006f, 5000, 1500, seed + 10 + k, Filter::kBandPass, 2), at, gain);
  }
  for (float& v : w) v = Drive(v, 1.8f);
  return Reverb(w, 0.4f, 1.6f, 0.6f);
}

Wave Zap(uint32_t seed) {
  Wave w = Silence(0.7f);
  Osc hum(Osc::kSquare, 0.5f), hum2(Osc::kSaw);
  NoiseGen n(seed);
  Filter f(Filter::kBandPass), crack(Filter::kHighPass);
  Rng r(seed + 1);
  float spark = 0;
  for (size_t i = 0; i < w.size(); ++i) {
    float t = Time(i);
    if (r.Uniform() < 0.004f) spark = 1;
    spark *= 0.995f;
    float s = 0.5f * hum.Next(120) + 0.4f * hum2.Next(240.5f);
    float buzz = f.Next(s + 0.3f * n.Next(), 1200 + 800 * std::sin(kTau * 7 * t), 2);
    float crackle = crack.Next(n.Next(), 3000) * spark;
    w[i] = Drive((buzz * 1.5f + crackle * 1.2f) * Note(t, 0.7f, 0.005f, 0.25f), 2.5f);
  }
  return w;
}

Wave Whine(float seconds, float f_from, float f_to, bool up) {
  Wave w = Silence(seconds);
  Osc a(Osc::kSine), b(Osc::kTriangle), hum(Osc::kSaw);
  Filter f(Filter::kLowPass);
  for (size_t i = 0; i < w.size(); ++i) {
    float t = Time(i), k = t / seconds;
    float shape = up ? 1 - std::exp(-k * 3) : std::exp(-k * 3);
    float fr = f_from + (f_to - f_from) * (up ? shape : 1 - shape);
    float env = up ? Note(t, seconds, 0.05f, 0.3f) : Note(t, seconds, 0.01f, seconds * 0.8f);
    float h = f.Next(hum.Next(100), 400) * (up ? Smooth(0.2f, 0.8f, k) : 1 - Smooth(0, 0.6f, k));
    w[i] = env * (0.5f * a.Next(fr) + 0.25f * b.Next(fr * 2) + 0.35f * h);
  }
  return w;
}

Wave Clunk(uint32_t seed) {
  Wave w = Thump(0.25f, 160, 60, 0.05f);
  MixInto(w, Burst(0.06f, 0.008f, 3000, 800, seed, Filter::kBandPass, 1.5f), 0, 0.8f);
  return w;
}

Wave Power(bool on) {
  Wave w = Clunk(on ? 2201 : 2301);
  if (on) {
    MixInto(w, Whine(1.2f, 80, 750, true), 0.08f, 0.6f);
    // Fluorescent tubes flickering on.
    for (int k = 0; k < 4; ++k) MixInto(w, Burst(0.03f, 0.004f, 6000, 2500, 2210 + k, Filter::kHighPass), 0.3f + k * 0.11f, 0.25f);
  } else {
    MixInto(w, Whine(1.4f, 700, 50, false), 0.02f, 0.6f);
  }
  return Reverb(w, 0.25f, 1.0f, 0.45f);
}

Wave Door() {
  Wave w = Silence(1.1f);
  Osc motor(Osc::kSaw);
  NoiseGen n(2401);
  Filter mf(Filter::kLowPass), hiss(Filter::kBandPass);
  for (size_t i = 0; i < w.size(); ++i) {
    float t = Time(i);
    float run = Note(t, 0.85f, 0.08f, 0.12f);
    float m = mf.Next(motor.Next(70 + 30 * Smooth(0, 0.6f, t)), 500) * run;
    float h = hiss.Next(n.Next(), 3200, 1.0f) * Hit(t, 0.02f, 0.25f);
    w[i] = 0.7f * m + 0.8f * h;
  }
  MixInto(w, Clunk(2402), 0.86f, 1.0f);
  return Reverb(w, 0.3f, 1.2f, 0.5f);
}

Wave Alarm(bool long_wail) {
  Wave w = Silence(long_wail ? 3.4f : 1.1f);
  Osc o(Osc::kSquare, 0.5f), o2(Osc::kSaw);
  Filter f(Filter::kLowPass);
  for (size_t i = 0; i < w.size(); ++i) {
    float t = Time(i);
    float fr, env;
    if (long_wail) {
      fr = 620 + 380 * std::sin(kTau * t / 1.6f - 1.5708f);
      env = Note(t, 3.4f, 0.05f, 0.4f);
    } else {
      int beep = static_cast<int>(t / 0.18f);
      fr = beep % 2 ? 660 : 880;
      float in = std::fmod(t, 0.18f);
      env = Note(in, 0.16f, 0.005f, 0.02f) * (beep < 6 ? 1.0f : 0.0f);
    }
    w[i] = env * f.Next(0.6f * o.Next(fr) + 0.4f * o2.Next(fr * 1.005f), 2500);
  }
  return Reverb(w, 0.3f, 1.3f, 0.5f);
}

std::map<std::string, std::function<Wave()>> Recipes() {
  std::map<std::string, std::function<Wave()>> r;
  r["gun0"] = [] { return Chainsaw(); };
  r["gun1"] = [] { return Gunshot(0.5f, 0.03f, 7000, 150, 1101); };
  r["gun2"] = [] { return Gunshot(0.25f, 0.016f, 9000, 190, 1201); };
  r["gun3"] = [] { return Blaster(); };
  r["gun4"] = [] { return Gunshot(0.14f, 0.009f, 10000, 210, 1401); };
  r["kill0"] = [] { return Cry(0.8f, kA, kO, 150, 90, 0.35f, 0, 1501); };
  r["kill1"] = [] { return Cry(0.7f, kE, kA, 280, 170, 0.25f, 0, 1511); };
  r["kill2"] = [] { return Cry(0.35f, kU, kO, 125, 85, 0.5f, 0, 1521); };
  r["kill3"] = [] { return Cry(0.9f, kO, kU, 105, 60, 0.6f, 1, 1531); };
  r["kill4"] = [] { return Cry(1.0f, kA, kU, 210, 105, 0.3f, 0, 1541); };
  r["kill5"] = [] { return Cry(0.9f, kO, kA, 75, 50, 0.9f, 0.5f, 1551); };
  r["kill6"] = [] { return Cry(0.6f, kI, kE, 430, 260, 0.2f, 0, 1561); };
  r["kill7"] = [] {
    Wave w = Cry(0.3f, kO, kU, 150, 105, 0.4f, 0, 1571);
    MixInto(w, Thump(0.3f, 120, 50, 0.06f), 0.22f, 0.6f);
    return w;
  };
  r["atack1"] = [] { return Roar(1.3f, 70, 95, 1601); };
  r["atack2"] = [] { return Roar(1.6f, 55, 85, 1611); };
  r["shell0"] = [] { return Shell(2300, 1701); };
  r["shell1"] = [] { return Shell(2750, 1711); };
  r["shell2"] = [] { return Shell(3150, 1721); };
  r["get"] = [] {
    Wave w = Melody({{0, 81, 0.06f}, {0.065f, 88, 0.1f}}, Osc::kTriangle, 2, 1);
    return Reverb(w, 0.2f, 0.7f, 0.4f);
  };
  r["changegun"] = [] {
    Wave w = Burst(0.05f, 0.005f, 4000, 1500, 1801, Filter::kBandPass, 2);
    MixInto(w, Burst(0.06f, 0.006f, 5000, 2500, 1802, Filter::kBandPass, 2), 0.1f, 1);
    MixInto(w, Thump(0.15f, 220, 90, 0.03f), 0.1f, 0.7f);
    MixInto(w, Ping(0.1f, 1900, 0.03f), 0.1f, 0.2f);
    return Reverb(w, 0.15f, 0.6f, 0.3f);
  };
  r["noammo"] = [] {
    Wave w = Burst(0.08f, 0.003f, 5000, 2500, 1901, Filter::kBandPass, 3);
    MixInto(w, Ping(0.08f, 1700, 0.015f), 0, 0.3f);
    return w;
  };
  r["deatch"] = [] { return Zap(2001); };
  r["killdoor"] = [] { return Explosion(2101); };
  r["lighton"] = [] { return Power(true); };
  r["lightoff"] = [] { return Power(false); };
  r["opendoor"] = [] { return Door(); };
  r["alert"] = [] { return Alarm(false); };
  r["alertlong"] = [] { return Alarm(true); };
  r["lvlsnd"] = [] {
    // Rising arpeggio with a bass under it.
    Wave w = Melody({{0, 60, 0.14f}, {0.15f, 64, 0.14f}, {0.3f, 67, 0.14f}, {0.45f, 72, 0.5f}}, Osc::kSquare, 1.2f, 0.6f);
    MixInto(w, Melody({{0, 48, 0.4f}, {0.45f, 43, 0.5f}}, Osc::kSaw, 0.6f, 0.5f), 0);
    MixInto(w, Melody({{0.45f, 76, 0.5f}, {0.45f, 79, 0.5f}}, Osc::kTriangle, 1, 0.35f), 0);
    return Reverb(w, 0.3f, 1.3f, 0.55f);
  };
  r["menusnd"] = [] {
    // A slow, slightly dark motif in A minor over a pad.
    Wave w = Melody({{0, 69, 0.3f}, {0.32f, 72, 0.3f}, {0.64f, 76, 0.3f}, {0.96f, 74, 0.25f}, {1.24f, 72, 0.25f},
                     {1.52f, 71, 0.3f}, {1.86f, 69, 0.8f}},
                    Osc::kTriangle, 1.5f, 0.5f, 0.01f);
    for (float m : {45.0f, 52.0f, 57.0f, 60.0f})
      MixInto(w, Tone(Midi(m), 2.4f, Osc::kSaw, 0.2f, 0.4f, 0.5f), 0, 0.18f);
    return Reverb(w, 0.45f, 1.6f, 0.65f);
  };
  r["win"] = [] {
    // Fanfare: ta-ta-taaa, then the full chord.
    Wave w = Melody({{0, 67, 0.12f}, {0.15f, 67, 0.12f}, {0.3f, 67, 0.12f}, {0.45f, 72, 0.5f}, {1.0f, 71, 0.15f},
                     {1.18f, 72, 0.15f}, {1.36f, 76, 1.1f}},
                    Osc::kSaw, 1.5f, 0.5f, 0.008f);
    for (float m : {48.0f, 55.0f, 64.0f, 67.0f}) MixInto(w, Tone(Midi(m), 1.1f, Osc::kSaw, 0.8f, 0.05f, 0.3f), 1.36f, 0.2f);
    MixInto(w, Melody({{0.45f, 48, 0.5f}, {1.0f, 43, 0.3f}}, Osc::kSaw, 0.6f, 0.35f), 0);
    return Reverb(w, 0.35f, 1.4f, 0.6f);
  };
  r["lost"] = [] {
    // Four falling notes, the last one long and wavering.
    Wave w = Melody({{0, 64, 0.35f}, {0.45f, 63, 0.35f}, {0.9f, 62, 0.35f}, {1.35f, 61, 1.2f}}, Osc::kSaw, 0.7f, 0.6f,
                    0.012f);
    MixInto(w, Melody({{0, 40, 0.8f}, {0.9f, 37, 1.6f}}, Osc::kTriangle, 0.5f, 0.45f), 0);
    return Reverb(w, 0.4f, 1.5f, 0.6f);
  };
  return r;
}

}  // namespace

std::vector<int16_t> MakeSound(const std::string& name) {
  static const auto recipes = Recipes();
  auto it = recipes.find(name);
  if (it == recipes.end()) return {};
  Wave w = it->second();
  Finish(w, name.rfind("kill", 0) == 0 || name.rfind("atack", 0) == 0 ? 0.85f : 0.8f);
  return ToPcm16(w);
}

}  // namespace bv::assets
