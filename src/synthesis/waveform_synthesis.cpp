#include "synthesis/waveform_synthesis.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace dds {
namespace {

// The decimal constants the generator's shapes were tuned with; deliberately not 2π and 4π.
constexpr long double kTwoPi = 6.2831853072L;
constexpr long double kFourPi = 12.5663706144L;

using Real = long double;

// Nearest whole number, ties to the even neighbour (the default rounding mode).
int32_t nearest(Real x) { return static_cast<int32_t>(std::nearbyint(x)); }

// The base level that lifts a shape spanning lo..hi onto the centre line.
int32_t baseLevel(int32_t lo, int32_t hi) { return 128 - nearest(static_cast<Real>(hi - lo) / 2); }

struct Context {
    WaveformTable& t;
    Real a;      // amplitude as a fraction
    int32_t D;   // shape knob
    int32_t O;   // vertical position
    int32_t m;   // frequency coefficient
    Real P;      // phase numerator
    Real Q;      // phase denominator
    int32_t N;   // table length
    int32_t first;
};

void sine(Context& c)
{
    for (int32_t i = c.first; i <= c.N; ++i)
        c.t[i] = nearest(std::sin(c.P * kTwoPi * i / c.Q) * 127 * c.a) + c.O + 128;
}

void rectangle(Context& c)
{
    const int32_t M = c.D * c.N / 100;
    for (int32_t i = c.first; i <= M; ++i)
        c.t[i] = nearest(c.a * 127) + c.O + 128;
    for (int32_t i = M; i <= c.N; ++i)
        c.t[i] = nearest(c.a * -127) + c.O + 128;
}

// The triangle family: a rise over entries 1..M, then a fall to 0 at entry N.
void triangleWithPeak(Context& c, int32_t M)
{
    const Real k = Real(255) / M;
    const int32_t lo = nearest(k * 0 * c.a);
    const int32_t hi = nearest(k * M * c.a);
    const int32_t base = baseLevel(lo, hi);
    for (int32_t i = c.first; i <= M; ++i)
        c.t[i] = nearest(k * i * c.a) + c.O + base;
    const Real slope = -(Real(255) / (c.N - M));
    const Real intercept = static_cast<Real>(-255 * c.N) / (M - c.N);
    for (int32_t i = M; i <= c.N; ++i)
        c.t[i] = nearest((slope * i + intercept) * c.a) + c.O + base;
}

void triangle(Context& c) { triangleWithPeak(c, c.D * c.N / 100); }
void fallingRamp(Context& c) { triangleWithPeak(c, c.N / 100); }
void risingRamp(Context& c) { triangleWithPeak(c, c.N * 99 / 100); }

// Base level of the capacitor shapes: from a charge starting at 0 and a discharge starting full.
int32_t capacitorBase(const Context& c, int32_t M)
{
    const int32_t lo = nearest((1 - std::exp(-(Real(0) / M) * 7)) * 255 * c.a);
    const int32_t hi = nearest(std::exp(-(Real(0) / (c.N - M)) * 7) * 255 * c.a);
    return baseLevel(lo, hi);
}

void capacitorChargeDischarge(Context& c)
{
    const int32_t M = c.D * c.N / 100;
    const int32_t base = capacitorBase(c, M);
    for (int32_t i = c.first; i <= M; ++i)
        c.t[i] = nearest((1 - std::exp(-(static_cast<Real>(i) / M) * 7)) * 255 * c.a) + c.O + base;
    for (int32_t i = M; i <= c.N; ++i)
        c.t[i] = nearest(std::exp(-(static_cast<Real>(i - M) / (c.N - M)) * 7) * 255 * c.a) + c.O +
                 base;
}

void capacitorCharge(Context& c)
{
    const int32_t M = c.D * c.N / 100;
    const int32_t base = capacitorBase(c, M);
    for (int32_t i = c.first; i <= c.N; ++i)
        c.t[i] = nearest((1 - std::exp(-(static_cast<Real>(i) / M) * 5)) * 255 * c.a) + c.O + base;
}

// Centred with the factor 3 while the curve uses 5: the generator's discharge sits that way.
void capacitorDischarge(Context& c)
{
    const int32_t M = c.D * c.N / 100;
    const int32_t first = nearest(std::exp(-(Real(1) / M) * 3) * 255 * c.a);
    const int32_t last = nearest(std::exp(-(static_cast<Real>(c.N) / M) * 3) * 255 * c.a);
    const int32_t base = 128 - nearest(static_cast<Real>(first - last) / 2);
    for (int32_t i = c.first; i <= c.N; ++i)
        c.t[i] = nearest(std::exp(-(static_cast<Real>(i) / M) * 5) * 255 * c.a) + c.O + base;
}

void amplitudeModulation(Context& c)
{
    for (int32_t i = c.first; i <= c.N; ++i) {
        const double u = static_cast<double>(std::sin(c.P * kTwoPi * i / (c.Q / 1)));
        const Real s = std::sin(c.P * kTwoPi * i / (c.Q / c.m));
        c.t[i] = nearest(s * (127 * static_cast<Real>(u)) * c.a) + c.O + 128;
    }
}

void dc(Context& c)
{
    for (int32_t i = c.first; i <= c.N; ++i)
        c.t[i] = nearest(c.a * 1) + c.O + 127;
}

void frequencyModulation(Context& c)
{
    double d = 0.000000002;
    for (int32_t i = c.first; i <= c.N; ++i) {
        c.t[i] = nearest(std::sin(c.P * kFourPi * i / (c.Q / static_cast<Real>(d))) * 127 * c.a) +
                 c.O + 128;
        d = static_cast<double>(static_cast<Real>(d) + 1 / (static_cast<Real>(c.m) * 100000));
    }
}

using Rule = void (*)(Context&);
constexpr Rule kRules[] = {
    nullptr,     sine,     rectangle,   triangle,           fallingRamp,
    risingRamp,  capacitorChargeDischarge,  capacitorCharge,    capacitorDischarge,
    amplitudeModulation, dc, frequencyModulation,
};

} // namespace

void ComputeWaveform(WaveformTable& table, WaveformKind kind, const WaveformParams& params)
{
    const auto index = static_cast<int32_t>(kind);
    if (index < kFirstKind || index > kLastKind)
        throw std::out_of_range("waveform kind " + std::to_string(index) + " is not 1 to 12");
    if (kind == WaveformKind::WhiteNoise)
        return;
    Context c{table,
              static_cast<Real>(params.amplitude) / 100,
              params.shape,
              params.vertical,
              params.coefficient,
              static_cast<Real>(params.phaseNumerator),
              static_cast<Real>(params.phaseDenominator),
              table.length,
              table.firstIndex};
    kRules[index](c);
    table.limitToByteRange();
}

} // namespace dds
