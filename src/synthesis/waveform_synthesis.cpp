#include "synthesis/waveform_synthesis.h"

#include "synthesis/term_cache.h"

#include <cmath>
#include <mutex>
#include <stdexcept>
#include <string>

namespace dds {
namespace {

// The decimal constants the generator's shapes were tuned with; deliberately not 2π and 4π.
constexpr long double kTwoPi = 6.2831853072L;
constexpr long double kFourPi = 12.5663706144L;

using Real = long double;

// The extended-precision sine. On x86-64 this is the x87 sine instruction itself, about nine times
// faster than the library's sinl, whose careful range reduction changes only the last bits; other
// processors and compilers (and DDSGEN_LIBRARY_SINE, to check that path here) take the library's.
Real sine80(Real x)
{
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && !defined(DDSGEN_LIBRARY_SINE)
    Real result;
    asm("fsin" : "=t"(result) : "0"(x));
    return result;
#else
    return std::sin(x);
#endif
}

// Nearest whole number, ties to the even neighbour under the default rounding mode. lrint is one
// x87 store instruction; nearbyint would save and restore the floating-point environment each time.
int32_t nearest(Real x) { return static_cast<int32_t>(std::lrint(x)); }

// The base level that lifts a shape spanning lo..hi onto the centre line.
int32_t baseLevel(int32_t lo, int32_t hi) { return 128 - nearest(static_cast<Real>(hi - lo) / 2); }

struct Context {
    WaveformTable& t;
    TermCache& cache;
    Real a;      // amplitude as a fraction
    int32_t D;   // shape knob
    int32_t O;   // vertical position
    int32_t m;   // frequency coefficient
    Real P;      // phase numerator
    Real Q;      // phase denominator
    int32_t N;   // table length
    int32_t first;
    int32_t kind;

    // The key of a term used on entries from..to (the whole table by default).
    TermKey key(int32_t slot, int32_t param, int32_t from = 0, int32_t to = 0) const
    {
        return {kind, slot, param, static_cast<int32_t>(P), static_cast<int32_t>(Q),
                from ? from : first, to ? to : N};
    }
};

// The one-period sine, sin(P x 2pi x i / Q), shared by the sine and the amplitude modulation's
// envelope (whose Q / 1 is Q exactly), so that the sine computed at start-up serves both.
const std::vector<Real>& onePeriodSines(const Context& c)
{
    TermKey key = c.key(0, 0);
    key.kind = static_cast<int32_t>(WaveformKind::Sine);
    return c.cache.terms(key, [&](int32_t i) { return sine80(c.P * kTwoPi * i / c.Q); });
}

void sine(Context& c)
{
    const auto& sines = onePeriodSines(c);
    for (int32_t i = c.first; i <= c.N; ++i)
        c.t[i] = nearest(sines[i] * 127 * c.a) + c.O + 128;
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
    const auto& charge = c.cache.terms(c.key(0, M, c.first, M), [&](int32_t i) {
        return 1 - std::exp(-(static_cast<Real>(i) / M) * 7);
    });
    const auto& discharge = c.cache.terms(c.key(1, M, M, c.N), [&](int32_t i) {
        return std::exp(-(static_cast<Real>(i - M) / (c.N - M)) * 7);
    });
    for (int32_t i = c.first; i <= M; ++i)
        c.t[i] = nearest(charge[i] * 255 * c.a) + c.O + base;
    for (int32_t i = M; i <= c.N; ++i)
        c.t[i] = nearest(discharge[i] * 255 * c.a) + c.O + base;
}

void capacitorCharge(Context& c)
{
    const int32_t M = c.D * c.N / 100;
    const int32_t base = capacitorBase(c, M);
    const auto& charge = c.cache.terms(
        c.key(0, M), [&](int32_t i) { return 1 - std::exp(-(static_cast<Real>(i) / M) * 5); });
    for (int32_t i = c.first; i <= c.N; ++i)
        c.t[i] = nearest(charge[i] * 255 * c.a) + c.O + base;
}

// Centred with the factor 3 while the curve uses 5: the generator's discharge sits that way.
void capacitorDischarge(Context& c)
{
    const int32_t M = c.D * c.N / 100;
    const int32_t first = nearest(std::exp(-(Real(1) / M) * 3) * 255 * c.a);
    const int32_t last = nearest(std::exp(-(static_cast<Real>(c.N) / M) * 3) * 255 * c.a);
    const int32_t base = 128 - nearest(static_cast<Real>(first - last) / 2);
    const auto& discharge = c.cache.terms(
        c.key(0, M), [&](int32_t i) { return std::exp(-(static_cast<Real>(i) / M) * 5); });
    for (int32_t i = c.first; i <= c.N; ++i)
        c.t[i] = nearest(discharge[i] * 255 * c.a) + c.O + base;
}

void amplitudeModulation(Context& c)
{
    const auto& envelope = onePeriodSines(c);
    const auto& carrier = c.cache.terms(
        c.key(1, c.m), [&](int32_t i) { return sine80(c.P * kTwoPi * i / (c.Q / c.m)); });
    for (int32_t i = c.first; i <= c.N; ++i) {
        const double u = static_cast<double>(envelope[i]); // the envelope is kept as a 64-bit real
        c.t[i] = nearest(carrier[i] * (127 * static_cast<Real>(u)) * c.a) + c.O + 128;
    }
}

void dc(Context& c)
{
    for (int32_t i = c.first; i <= c.N; ++i)
        c.t[i] = nearest(c.a * 1) + c.O + 127;
}

void frequencyModulation(Context& c)
{
    // The terms are filled in index order, which the running d needs.
    double d = 0.000000002;
    const auto& sweep = c.cache.terms(c.key(0, c.m), [&](int32_t i) {
        const Real term = sine80(c.P * kFourPi * i / (c.Q / static_cast<Real>(d)));
        d = static_cast<double>(static_cast<Real>(d) + 1 / (static_cast<Real>(c.m) * 100000));
        return term;
    });
    for (int32_t i = c.first; i <= c.N; ++i)
        c.t[i] = nearest(sweep[i] * 127 * c.a) + c.O + 128;
}

using Rule = void (*)(Context&);
constexpr Rule kRules[] = {
    nullptr,     sine,     rectangle,   triangle,           fallingRamp,
    risingRamp,  capacitorChargeDischarge,  capacitorCharge,    capacitorDischarge,
    amplitudeModulation, dc, frequencyModulation,
};

} // namespace

void ComputeWaveform(WaveformTable& table, WaveformKind kind, const WaveformParams& params,
                     TermCache& cache)
{
    const auto index = static_cast<int32_t>(kind);
    if (index < kFirstKind || index > kLastKind)
        throw std::out_of_range("waveform kind " + std::to_string(index) + " is not 1 to 12");
    if (kind == WaveformKind::WhiteNoise)
        return;
    Context c{table,
              cache,
              static_cast<Real>(params.amplitude) / 100,
              params.shape,
              params.vertical,
              params.coefficient,
              static_cast<Real>(params.phaseNumerator),
              static_cast<Real>(params.phaseDenominator),
              table.length,
              table.firstIndex,
              index};
    kRules[index](c);
    table.limitToByteRange();
}

void ComputeWaveform(WaveformTable& table, WaveformKind kind, const WaveformParams& params)
{
    // The program computes on one thread; computations from others take turns on the same terms.
    static std::mutex guard;
    static TermCache shared;
    const std::lock_guard lock(guard);
    ComputeWaveform(table, kind, params, shared);
}

} // namespace dds
