// Reading a compressed package through Package::Open against inflating the
// same stored bytes with zlib directly; writing a 1 MB game-data block through
// SaveGame against deflating it directly. Prints both ratios at the end.
#include <benchmark/benchmark.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/byte_io.h"
#include "core/file_stream.h"
#include "core/package.h"
#include "core/save_game.h"
#include "core/settings.h"

namespace {

namespace fs = std::filesystem;

// A small deterministic generator, so every run measures the same bytes.
class Noise {
public:
    uint32_t Next() { return state_ = state_ * 1664525u + 1013904223u; }
    uint32_t Below(uint32_t n) { return (Next() >> 8) % n; }

private:
    uint32_t state_ = 12345;
};

// A 16-bit 5-6-5 picture: a transparent margin, shaded areas and grain.
std::string Picture(Noise& noise, int width, int height) {
    std::string pixels;
    pixels.reserve(static_cast<size_t>(width) * height * 2);
    const int margin = static_cast<int>(noise.Below(static_cast<uint32_t>(width / 4 + 1)));
    const uint32_t hue = noise.Below(32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint16_t pixel = 0;
            if (x >= margin && x < width - margin) {
                const uint32_t red = (hue + static_cast<uint32_t>(x * 31 / width)) & 31;
                const uint32_t green =
                    (static_cast<uint32_t>(y * 63 / height) + noise.Below(3)) & 63;
                const uint32_t blue = ((x / 16 + y / 16) % 2 ? 20 : 8) + noise.Below(2);
                pixel = static_cast<uint16_t>(red << 11 | green << 5 | blue);
            }
            pixels += static_cast<char>(pixel & 0xFF);
            pixels += static_cast<char>(pixel >> 8);
        }
    }
    return pixels;
}

std::string Text(Noise& noise, size_t size) {
    static const char* const kWords[] = {
        "the",       "hero",     "castle",   "gold",       "army",       "week",   "spell",
        "villain",   "contract", "town",     "boat",       "siege",      "knight", "sorceress",
        "continent", "treasure", "map",      "leadership", "morale",     "dragon", "peasant",
        "archer",    "bounty",   "sceptre",  "days",       "Army.Units", "<NAME>", "<N>",
        "captured",  "recruit",  "dwelling", "artifact"};
    std::string text;
    while (text.size() < size) {
        text += kWords[noise.Below(std::size(kWords))];
        text += noise.Below(12) == 0 ? "\r\n" : " ";
    }
    return text;
}

struct PackageFixture {
    std::string path =
        (fs::temp_directory_path() / ("corvanth_bench_" + std::to_string(getpid()) + ".pak"))
            .string();
    cv::Package package;
    std::vector<std::string> names;
    std::vector<std::string> stored;  // each entry's stored bytes, for the direct inflate

    PackageFixture() {
        Noise noise;
        cv::Package writer;
        size_t total = 0;
        for (int i = 0; total < (32u << 20); ++i) {
            const int width = 64 + static_cast<int>(noise.Below(257));
            const int height = 64 + static_cast<int>(noise.Below(193));
            std::string picture = Picture(noise, width, height);
            total += picture.size();
            writer.Add("Img\\Pic" + std::to_string(i), std::move(picture));
        }
        for (int i = 0; total < (40u << 20); ++i) {
            std::string text = Text(noise, 4096 + noise.Below(60000));
            total += text.size();
            writer.Add("Texts\\Text" + std::to_string(i) + ".txt", std::move(text));
        }
        {
            cv::FileStream out(path, 'c');
            writer.Write(out, cv::Package::kCompress | cv::Package::kDeduplicate);
        }
        package.Load(cv::MakeRef<cv::FileStream>(path, 'r'));
        cv::FileStream raw(path, 'r');
        const std::string bytes = cv::ReadAll(raw);
        for (const auto& [key, entry] : package.entries()) {
            names.push_back(entry.name);
            stored.push_back(bytes.substr(entry.offset, entry.storedSize));
        }
    }
    ~PackageFixture() { fs::remove(path); }
};

PackageFixture& Packages() {
    static PackageFixture fixture;
    return fixture;
}

void ReadThroughPackageOpen(benchmark::State& state) {
    PackageFixture& fixture = Packages();
    for (auto _ : state) {
        for (const std::string& name : fixture.names) {
            cv::Ref<cv::Stream> entry = fixture.package.Open(name);
            benchmark::DoNotOptimize(entry->Size());
        }
    }
}
BENCHMARK(ReadThroughPackageOpen)->Unit(benchmark::kMillisecond)->Repetitions(5);

void InflateDirectly(benchmark::State& state) {
    PackageFixture& fixture = Packages();
    for (auto _ : state) {
        for (const std::string& stored : fixture.stored) {
            const uint8_t* bytes = reinterpret_cast<const uint8_t*>(stored.data());
            std::vector<uint8_t> out(cv::LoadU32(bytes));
            uLongf length = out.size();
            uncompress(out.data(), &length, bytes + 4, stored.size() - 4);
            benchmark::DoNotOptimize(out.data());
        }
    }
}
BENCHMARK(InflateDirectly)->Unit(benchmark::kMillisecond)->Repetitions(5);

// A game whose one chunk carries a megabyte of map-like data.
class BigGame : public cv::SaveableGame {
public:
    BigGame() {
        Noise noise;
        for (int continent = 0; continent < 16; ++continent) {
            for (int cell = 0; cell < 4096; ++cell) {  // terrain: long runs of one kind
                block_ += static_cast<char>(noise.Below(10) == 0 ? noise.Below(12) : continent % 4);
            }
        }
        while (block_.size() < (1u << 20)) {  // objects: small numbers and names
            block_ += Text(noise, 40);
            for (int field = 0; field < 16; ++field) block_ += static_cast<char>(noise.Below(64));
        }
        block_.resize(1u << 20);
    }
    cv::SaveSummary Summary() const override { return {u"Ada", u"Knight", "Knight", 1, 200}; }
    void WriteChunks(cv::ChunkWriter& out) const override {
        out.BeginChunk("LOCS");
        out.Bytes(block_.data(), block_.size());
        out.EndChunk();
    }
    void ReadChunks(cv::ChunkReader&) override {}
    const std::string& block() const { return block_; }

private:
    std::string block_;
};

void WriteThroughSaveGame(benchmark::State& state) {
    const fs::path folder =
        fs::temp_directory_path() / ("corvanth_bench_saves_" + std::to_string(getpid()));
    fs::create_directories(folder);
    cv::SetAppDir(folder.string() + "/");
    std::string saveName = "bench";
    BigGame game;
    for (auto _ : state) cv::SaveGame(game, saveName);
    fs::remove_all(folder);
}
BENCHMARK(WriteThroughSaveGame)->Unit(benchmark::kMillisecond)->Repetitions(5);

void DeflateDirectly(benchmark::State& state) {
    BigGame game;
    const std::string& block = game.block();
    std::vector<uint8_t> out(compressBound(block.size()));
    for (auto _ : state) {
        uLongf length = out.size();
        compress2(out.data(), &length, reinterpret_cast<const Bytef*>(block.data()), block.size(),
                  Z_DEFAULT_COMPRESSION);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(DeflateDirectly)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    cv::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("read ratio (Package::Open / zlib inflate): %.3f\n",
                reporter.Ratio("ReadThroughPackageOpen", "InflateDirectly"));
    std::printf("write ratio (SaveGame / zlib deflate): %.3f\n",
                reporter.Ratio("WriteThroughSaveGame", "DeflateDirectly"));
    benchmark::Shutdown();
    return 0;
}
