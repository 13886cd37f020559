#include <algorithm>

#include <gtest/gtest.h>

#include "synthesis/noise_generator.h"
#include "synthesis/waveform_synthesis.h"

using dds::ComputeWaveform;
using dds::TermCache;
using dds::TermKey;
using dds::WaveformKind;
using dds::WaveformParams;
using dds::WaveformTable;

namespace {

WaveformTable compute(WaveformKind kind, WaveformParams params = {})
{
    WaveformTable table;
    ComputeWaveform(table, kind, params);
    return table;
}

WaveformParams withAmplitude(int amplitude)
{
    WaveformParams p;
    p.amplitude = amplitude;
    return p;
}

std::pair<int, int> extent(const WaveformTable& t)
{
    auto [lo, hi] = std::minmax_element(t.samples.begin() + 1, t.samples.end());
    return {*lo, *hi};
}

TEST(Sine, OnePeriodOn3199EntriesAndEntry3200RepeatsEntry1)
{
    const auto t = compute(WaveformKind::Sine);
    EXPECT_EQ(t[1], 128);
    EXPECT_EQ(t[3199], 128);
    EXPECT_EQ(t[3200], 128);
    EXPECT_EQ(t[800], 255);
    EXPECT_EQ(t[2400], 1);
    EXPECT_EQ(extent(t).first, 1); // 128 - 127: never 0
}

TEST(Sine, VerticalPositionIsLimitedTo255)
{
    WaveformParams p;
    p.vertical = 256;
    const auto t = compute(WaveformKind::Sine, p);
    EXPECT_EQ(extent(t), std::make_pair(255, 255));
}

TEST(Rectangle, HighUpToBeforeTheSwitchEntryThenLow)
{
    const auto t = compute(WaveformKind::Rectangle);
    EXPECT_EQ(t[1], 255);
    EXPECT_EQ(t[1599], 255);
    EXPECT_EQ(t[1600], 1); // the second run writes the shared entry last
    EXPECT_EQ(t[3200], 1);
    const auto half = compute(WaveformKind::Rectangle, withAmplitude(50));
    EXPECT_EQ(half[1], 192); // nearest(63.5) = 64, ties to even
    EXPECT_EQ(half[3200], 64);
}

TEST(Triangle, PeakAtTheShapePoint)
{
    const auto t = compute(WaveformKind::Triangle);
    EXPECT_EQ(t[1], 0);
    EXPECT_EQ(t[1600], 255);
    EXPECT_EQ(t[3200], 0);
    EXPECT_EQ(extent(compute(WaveformKind::Triangle, withAmplitude(50))), std::make_pair(64, 192));
}

TEST(Triangle, ShapeKnobMovesThePeak)
{
    WaveformParams p;
    p.shape = 25;
    const auto t = compute(WaveformKind::Triangle, p);
    EXPECT_EQ(t[800], 255);
    EXPECT_EQ(t[1], 0);
    EXPECT_LT(t[796], 255);
    EXPECT_LT(t[810], 255);
}

TEST(Ramps, IgnoreTheShapeKnob)
{
    WaveformParams p;
    p.shape = 10;
    const auto falling = compute(WaveformKind::FallingRamp, p);
    EXPECT_EQ(falling, compute(WaveformKind::FallingRamp));
    EXPECT_EQ(falling[1], 8);
    EXPECT_EQ(falling[32], 255);
    EXPECT_EQ(falling[3200], 0);
    const auto rising = compute(WaveformKind::RisingRamp, p);
    EXPECT_EQ(rising[1], 0);
    EXPECT_EQ(rising[3168], 255);
    EXPECT_EQ(rising[3169], 247);
    EXPECT_EQ(rising[3200], 0);
}

TEST(Capacitor, ChargeAndDischarge)
{
    const auto t = compute(WaveformKind::CapacitorChargeDischarge);
    EXPECT_EQ(t[1], 1);
    EXPECT_EQ(t[1600], 255);
    EXPECT_EQ(t[1601], 254);
    EXPECT_EQ(t[3200], 0);
}

TEST(Capacitor, ChargeOnly)
{
    const auto t = compute(WaveformKind::CapacitorCharge);
    EXPECT_EQ(t[1], 1);
    EXPECT_EQ(t[3200], 255);
    EXPECT_TRUE(std::is_sorted(t.samples.begin() + 1, t.samples.end()));
}

TEST(Capacitor, DischargeCentredWithFactorThree)
{
    const auto t = compute(WaveformKind::CapacitorDischarge);
    EXPECT_EQ(t[1], 255);
    EXPECT_EQ(t[3200], 1);
    WaveformParams p;
    p.shape = 99; // base level 6: 128 - nearest(121.5), ties to even
    const auto slow = compute(WaveformKind::CapacitorDischarge, p);
    EXPECT_EQ(slow[1], 255);
    EXPECT_EQ(slow[2], 255); // limited
    EXPECT_EQ(slow[3200], 8);
}

TEST(AmplitudeModulation, CoefficientOneIsTheSquaredSine)
{
    WaveformParams p;
    p.coefficient = 1;
    const auto t = compute(WaveformKind::AmplitudeModulation, p);
    const auto [lo, hi] = extent(t);
    EXPECT_GE(lo, 128);
    EXPECT_EQ(hi, 255);
}

TEST(AmplitudeModulation, CarrierInsideTheEnvelope)
{
    const auto t = compute(WaveformKind::AmplitudeModulation);
    const auto sine = compute(WaveformKind::Sine);
    for (int i = 1; i <= 3200; ++i)
        ASSERT_LE(std::abs(t[i] - 128), std::abs(sine[i] - 128) + 1) << "entry " << i;
    EXPECT_NE(t, sine);
}

TEST(DC, HalfAmplitudeRoundsToEven)
{
    EXPECT_EQ(extent(compute(WaveformKind::DC)), std::make_pair(128, 128));
    EXPECT_EQ(extent(compute(WaveformKind::DC, withAmplitude(50))), std::make_pair(127, 127));
    EXPECT_EQ(extent(compute(WaveformKind::DC, withAmplitude(51))), std::make_pair(128, 128));
    WaveformParams p;
    p.vertical = -100;
    EXPECT_EQ(extent(compute(WaveformKind::DC, p)), std::make_pair(28, 28));
}

TEST(FrequencyModulation, SweepStartsAtAlmostZeroFrequency)
{
    WaveformParams p;
    p.coefficient = 10;
    const auto t = compute(WaveformKind::FrequencyModulation, p);
    EXPECT_EQ(t[1], 128);
    // The first entries are still on the centre line; later the full swing is reached.
    EXPECT_LE(std::abs(t[20] - 128), 2);
    EXPECT_EQ(extent(t), std::make_pair(1, 255));
    p.coefficient = 100; // sweeps more slowly
    EXPECT_NE(compute(WaveformKind::FrequencyModulation, p), t);
}

TEST(AllPresets, ZeroAmplitudeIsFlat)
{
    for (int kind = 1; kind <= 11; ++kind) {
        WaveformParams p = withAmplitude(0);
        p.vertical = 5;
        const int level = kind == 10 ? 132 : 133;
        EXPECT_EQ(extent(compute(static_cast<WaveformKind>(kind), p)), std::make_pair(level, level))
            << "kind " << kind;
    }
}

TEST(AllPresets, EveryEntryIsAByteAndIndexZeroIsNeverWritten)
{
    for (int kind = 1; kind <= 11; ++kind)
        for (int vertical : {-256, -100, 0, 100, 256}) {
            WaveformTable t;
            t[0] = -7;
            WaveformParams p;
            p.vertical = vertical;
            p.shape = 1 + (kind * 13) % 99;
            ComputeWaveform(t, static_cast<WaveformKind>(kind), p);
            EXPECT_EQ(t[0], -7);
            auto [lo, hi] = extent(t);
            EXPECT_GE(lo, 0) << "kind " << kind;
            EXPECT_LE(hi, 255) << "kind " << kind;
        }
}

// The shapes keep their sines and exponentials between computations: whatever came before, the
// table must be the one a first computation gives.
TEST(AllPresets, KeptTermsGiveTheSameTableAsAFirstComputation)
{
    for (int kind = 1; kind <= 11; ++kind)
        for (int shape : {20, 50}) {
            WaveformParams p;
            p.shape = shape;
            p.coefficient = shape / 10;
            p.amplitude = 77;
            WaveformTable first;
            TermCache fresh;
            ComputeWaveform(first, static_cast<WaveformKind>(kind), p, fresh);
            WaveformParams other = p;
            other.shape = 71;
            other.coefficient = 3;
            compute(static_cast<WaveformKind>(kind), other);
            compute(static_cast<WaveformKind>(kind), p);
            EXPECT_EQ(compute(static_cast<WaveformKind>(kind), p), first) << "kind " << kind;
        }
}

TEST(WhiteNoise, ComputeLeavesThePreviousTable)
{
    auto t = compute(WaveformKind::Triangle);
    const auto before = t;
    ComputeWaveform(t, WaveformKind::WhiteNoise, {});
    EXPECT_EQ(t, before);
}

TEST(WhiteNoise, GeneratorSequenceAndRange)
{
    dds::NoiseGenerator noise(0);
    EXPECT_EQ(noise.draw(), 0u);         // state 1: 255 >> 32
    EXPECT_EQ(noise.state(), 1u);
    EXPECT_EQ(noise.draw(), 8u);         // state 134775814: 34367832570 >> 32
    EXPECT_EQ(noise.state(), 134775814u);
    dds::NoiseGenerator top(0xFFFFFFFFu); // the state wraps modulo 2^32
    EXPECT_EQ(top.draw(), 246u);           // state 4160191484

    WaveformTable t;
    dds::NoiseGenerator seeded(12345);
    seeded.tick(t);
    auto [lo, hi] = extent(t);
    EXPECT_GE(lo, 0);
    EXPECT_LE(hi, 254); // never 255
    WaveformTable again;
    dds::NoiseGenerator(12345).tick(again);
    EXPECT_EQ(t, again);
}

TEST(ComputeWaveform, RejectsAnUnknownKind)
{
    WaveformTable t;
    EXPECT_THROW(ComputeWaveform(t, static_cast<WaveformKind>(13), {}), std::out_of_range);
}

} // namespace

TEST(TermCache, ComputesATermOnceUntilItsKeyChanges)
{
    TermCache cache;
    int calls = 0;
    const auto square = [&](int32_t i) {
        ++calls;
        return static_cast<long double>(i) * i;
    };
    const TermKey key{3, 0, 20, 3200, 3199, 1, 5};
    EXPECT_EQ(cache.terms(key, square)[5], 25.0L);
    EXPECT_EQ(calls, 5);
    cache.terms(key, square);
    EXPECT_EQ(calls, 5); // kept

    TermKey otherShape = key;
    otherShape.param = 30;
    cache.terms(otherShape, square);
    EXPECT_EQ(calls, 10);

    TermKey otherSlot = otherShape;
    otherSlot.slot = 1;
    const auto& halves = cache.terms(otherSlot, [](int32_t i) { return i / 2.0L; });
    EXPECT_EQ(halves[4], 2.0L);
    EXPECT_EQ(cache.terms(otherShape, square)[3], 9.0L); // the other slot's terms left it alone
    EXPECT_EQ(calls, 10);
}

// The capacitor shapes hold their charge terms while asking for the discharge terms of a new slot.
TEST(TermCache, TermsStayInPlaceWhileOtherSlotsAreAdded)
{
    TermCache cache;
    TermKey key{5, 0, 50, 3200, 3199, 1, 100};
    const std::vector<long double>& first = cache.terms(key, [](int32_t i) { return static_cast<long double>(i); });
    for (int32_t slot = 1; slot < 40; ++slot) {
        key.slot = slot;
        cache.terms(key, [slot](int32_t i) { return static_cast<long double>(i * slot); });
    }
    key.slot = 0;
    EXPECT_EQ(&cache.terms(key, [](int32_t) { return -1.0L; }), &first) << "the first slot's terms moved";
    EXPECT_EQ(first[100], 100.0L);
}
