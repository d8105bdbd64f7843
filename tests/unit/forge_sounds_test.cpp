// Checks the sounds the forge writes into the game folder: every WAV is a 16-bit PCM file the
// mixer can load, effects die away instead of stopping mid-sound, the engine loops join without a
// click, and the music is a stereo Ogg Vorbis stream of at least a minute.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string AudioDir = std::string(QB_GAME_DIR) + "/audio/";

std::vector<unsigned char> ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t Le32(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t Le16(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

struct Wave {
    int channels = 0, rate = 0, bits = 0;
    std::vector<double> samples;  // first channel, -1..1
    std::string problem;          // empty when the file parsed
};

// Reads a RIFF WAVE file chunk by chunk, the way a loader must, and checks that its header
// fields agree with each other and with the file's length.
Wave ParseWave(const std::vector<unsigned char>& b) {
    Wave w;
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0)
        return w.problem = "no RIFF/WAVE header", w;
    if (Le32(b, 4) != b.size() - 8) return w.problem = "RIFF size does not match the file", w;
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::uint32_t size = Le32(b, at + 4);
        if (at + 8 + size > b.size()) return w.problem = "chunk runs past the end", w;
        if (std::memcmp(b.data() + at, "fmt ", 4) == 0) {
            if (size < 16 || Le16(b, at + 8) != 1) return w.problem = "not PCM", w;
            w.channels = Le16(b, at + 10);
            w.rate = static_cast<int>(Le32(b, at + 12));
            w.bits = Le16(b, at + 22);
            const int frame = w.channels * w.bits / 8;
            if (Le16(b, at + 20) != frame || Le32(b, at + 16) != static_cast<std::uint32_t>(w.rate * frame))
                return w.problem = "block align or byte rate disagree with the format", w;
            haveFormat = true;
        } else if (std::memcmp(b.data() + at, "data", 4) == 0) {
            if (!haveFormat || w.bits != 16 || w.channels < 1) return w.problem = "data before a 16-bit format", w;
            if (size % (2u * w.channels) != 0) return w.problem = "data is not whole frames", w;
            for (std::size_t i = at + 8; i < at + 8 + size; i += 2u * w.channels)
                w.samples.push_back(static_cast<std::int16_t>(Le16(b, i)) / 32768.0);
        }
        at += 8 + size + (size & 1);
    }
    if (w.samples.empty()) w.problem = "no samples";
    return w;
}

double PeakOf(const std::vector<double>& s, std::size_t from, std::size_t to) {
    double p = 0;
    for (std::size_t i = from; i < to; ++i) p = std::max(p, std::fabs(s[i]));
    return p;
}

double RmsOf(const std::vector<double>& s, std::size_t from, std::size_t to) {
    double sum = 0;
    for (std::size_t i = from; i < to; ++i) sum += s[i] * s[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

struct SoundCase {
    const char* file;
    bool loops;  // played looped for the whole run
};

const SoundCase Sounds[] = {
    {"boat.wav", true},     {"copter.wav", true},   {"explode.wav", false}, {"hup.wav", false},
    {"hurt1.wav", false},   {"hurt2.wav", false},   {"laser.wav", false},   {"woodbreak.wav", false},
    {"page.wav", false},    {"good.wav", false},    {"wrong.wav", false},
};

class ForgedSound : public testing::TestWithParam<SoundCase> {};

TEST_P(ForgedSound, IsPcmTheMixerCanLoadAndNeitherSilentNorClipped) {
    const Wave w = ParseWave(ReadWhole(AudioDir + GetParam().file));
    ASSERT_EQ(w.problem, "") << GetParam().file;
    EXPECT_EQ(w.rate, 44100);
    EXPECT_EQ(w.bits, 16);
    const double seconds = static_cast<double>(w.samples.size()) / w.rate;
    EXPECT_GT(seconds, 0.1);
    EXPECT_LT(seconds, 5.0);
    const double peak = PeakOf(w.samples, 0, w.samples.size());
    EXPECT_GT(peak, 0.1) << "too quiet to be heard at the game's volumes";
    const auto clipped = std::count_if(w.samples.begin(), w.samples.end(), [](double v) { return std::fabs(v) >= 32767.0 / 32768.0; });
    EXPECT_EQ(clipped, 0) << "samples at full scale";
}

TEST_P(ForgedSound, EffectsDieAwayAndLoopsJoinWithoutAClick) {
    const Wave w = ParseWave(ReadWhole(AudioDir + GetParam().file));
    ASSERT_EQ(w.problem, "");
    const std::vector<double>& s = w.samples;
    const std::size_t n = s.size(), ms20 = static_cast<std::size_t>(w.rate / 50);
    ASSERT_GT(n, 4 * ms20);
    const double peak = PeakOf(s, 0, n);
    if (!GetParam().loops) {
        // An effect cut off while still sounding ends in a click.
        EXPECT_LT(PeakOf(s, n - ms20 / 10, n), 0.02 * peak) << "still sounding at the end";
        return;
    }
    // Looped: the game sets the loop's volume every frame, and a steady offset would tick at each change.
    double mean = 0;
    for (double v : s) mean += v;
    EXPECT_LT(std::fabs(mean / static_cast<double>(n)), 0.002) << "the loop carries a steady offset";
    // Across the seam the sound must move no more sharply than it does almost everywhere
    // else, in value (a jump) or in slope (a kink): both are heard as a click once every lap.
    std::vector<double> steps, kinks;
    for (std::size_t i = 1; i < n; ++i) steps.push_back(std::fabs(s[i] - s[i - 1]));
    for (std::size_t i = 1; i + 1 < n; ++i) kinks.push_back(std::fabs(s[i - 1] - 2 * s[i] + s[i + 1]));
    auto sharpest = [](std::vector<double> v) {  // the 99.9th percentile
        std::sort(v.begin(), v.end());
        return v[v.size() * 999 / 1000];
    };
    EXPECT_LE(std::fabs(s[0] - s[n - 1]), sharpest(steps)) << "the seam jumps";
    EXPECT_LE(std::fabs(s[n - 2] - 2 * s[n - 1] + s[0]), sharpest(kinks)) << "the seam kinks";
    EXPECT_LE(std::fabs(s[n - 1] - 2 * s[0] + s[1]), sharpest(kinks)) << "the seam kinks";
    // ...and the sound must not dip there (a fade at either end pumps once every lap): the quietest
    // 5 ms near the seam are no quieter than half the quietest 5 ms elsewhere.
    const std::size_t ms5 = ms20 / 4;
    double seamQuietest = 1e9, bodyQuietest = 1e9;
    for (std::size_t at = 0; at + ms5 <= n; at += ms5) {
        const bool nearSeam = at < 5 * ms5 || at + 6 * ms5 > n;
        double& quietest = nearSeam ? seamQuietest : bodyQuietest;
        quietest = std::min(quietest, RmsOf(s, at, at + ms5));
    }
    seamQuietest = std::min(seamQuietest, RmsOf(s, n - ms5, n));
    EXPECT_GE(seamQuietest, 0.5 * bodyQuietest) << "the level dips at the seam";
}

INSTANTIATE_TEST_SUITE_P(Audio, ForgedSound, testing::ValuesIn(Sounds),
                         [](const testing::TestParamInfo<SoundCase>& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

// The parser must refuse what a loader would choke on; a tiny hand-made file shows each fault.
TEST(ForgedSoundParser, RefusesBrokenHeaders) {
    auto make = [](std::uint16_t format, std::uint16_t align, std::uint32_t dataSize, std::size_t dataBytes) {
        std::vector<unsigned char> b;
        auto put = [&b](std::uint32_t v, int bytes) { for (int i = 0; i < bytes; ++i) b.push_back(static_cast<unsigned char>(v >> 8 * i)); };
        auto tag = [&b](const char* t) { for (int i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(t[i])); };
        tag("RIFF"); put(0, 4); tag("WAVE");
        tag("fmt "); put(16, 4); put(format, 2); put(1, 2); put(44100, 4); put(44100 * 2, 4); put(align, 2); put(16, 2);
        tag("data"); put(dataSize, 4);
        b.insert(b.end(), dataBytes, 0);
        const std::uint32_t riff = static_cast<std::uint32_t>(b.size() - 8);
        for (int i = 0; i < 4; ++i) b[4 + i] = static_cast<unsigned char>(riff >> 8 * i);
        return b;
    };
    EXPECT_EQ(ParseWave(make(1, 2, 8, 8)).problem, "");
    EXPECT_EQ(ParseWave(make(1, 2, 8, 8)).samples.size(), 4u);
    EXPECT_EQ(ParseWave(make(3, 2, 8, 8)).problem, "not PCM");
    EXPECT_EQ(ParseWave(make(1, 4, 8, 8)).problem, "block align or byte rate disagree with the format");
    EXPECT_EQ(ParseWave(make(1, 2, 16, 8)).problem, "chunk runs past the end");
    EXPECT_EQ(ParseWave(make(1, 2, 7, 8)).problem, "data is not whole frames");
}

// Ogg pages: "OggS", version, flags, granule position, serial, sequence, checksum, segment table.
struct OggPage {
    unsigned flags;
    std::int64_t granule;
    std::uint32_t serial;
    std::size_t bodyAt, bodySize;
};

std::vector<OggPage> ReadOggPages(const std::vector<unsigned char>& b) {
    std::vector<OggPage> pages;
    std::size_t at = 0;
    while (at + 27 <= b.size() && std::memcmp(b.data() + at, "OggS", 4) == 0) {
        const unsigned segments = b[at + 26];
        if (at + 27 + segments > b.size()) break;
        std::size_t body = 0;
        for (unsigned i = 0; i < segments; ++i) body += b[at + 27 + i];
        std::int64_t granule = 0;
        for (int i = 7; i >= 0; --i) granule = granule << 8 | b[at + 6 + i];
        pages.push_back({b[at + 5], granule, Le32(b, at + 14), at + 27 + segments, body});
        at += 27 + segments + body;
    }
    if (at != b.size()) pages.clear();  // trailing bytes that are not a page: not a clean stream
    return pages;
}

TEST(ForgedMusic, IsAStereoVorbisStreamOfAtLeastAMinute) {
    const std::vector<unsigned char> b = ReadWhole(AudioDir + "music.ogg");
    const std::vector<OggPage> pages = ReadOggPages(b);
    ASSERT_GE(pages.size(), 3u) << "music.ogg is missing or not a clean Ogg stream";
    // The first page carries only the identification header.
    const OggPage& first = pages.front();
    ASSERT_GE(first.bodySize, 30u);
    EXPECT_EQ(first.flags & 2u, 2u) << "first page must begin the stream";
    EXPECT_EQ(std::memcmp(b.data() + first.bodyAt, "\x01vorbis", 7), 0);
    EXPECT_EQ(b[first.bodyAt + 11], 2) << "channels";
    EXPECT_EQ(Le32(b, first.bodyAt + 12), 44100u) << "sample rate";
    for (const OggPage& p : pages) EXPECT_EQ(p.serial, first.serial);
    // The last page ends the stream; its granule position is the length in samples.
    EXPECT_EQ(pages.back().flags & 4u, 4u);
    EXPECT_GE(pages.back().granule, 60 * 44100);
}

}  // namespace
