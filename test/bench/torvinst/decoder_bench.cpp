// Decoding speed of MemberDecoder against lhasa on one lh5 stream of 32 MB,
// and packed sizes of our encoder against jlha's lh5 on the same files.
// Reported as counters: speed_ratio (ours / lhasa, higher is better) and
// size_ratio (ours / jlha, lower is better).
#include <benchmark/benchmark.h>

#include "file_bytes.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "lh5_encoder.h"
#include "lzh_archive.h"
#include "member_decoder.h"
#include "sample_data.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

using torvinst::testing::readFile;
using torvinst::testing::writeFile;

void append(Bytes& to, const Bytes& from) { to.insert(to.end(), from.begin(), from.end()); }

// The executable of this benchmark, repeated to `size` bytes.
Bytes executable(size_t size) {
    Bytes exe = readFile("/proc/self/exe");
    Bytes out;
    while (out.size() < size) append(out, exe);
    out.resize(size);
    return out;
}

// 32 MB of mixed content, like an installer payload: text, code, runs and
// incompressible data.
const Bytes& bigInput() {
    static const Bytes data = [] {
        Bytes d;
        for (int part = 0; part < 8; ++part) {
            append(d, sample::text(2000000, 100 + part));
            append(d, executable(1000000));
            append(d, sample::runs(600000, 200 + part));
            append(d, sample::randomBytes(400000, 300 + part));
        }
        return d;
    }();
    return data;
}

const Bytes& bigStream() {
    static const Bytes stream = lh5::encodeStream(bigInput().data(), bigInput().size());
    return stream;
}

fs::path workDir() {
    const fs::path dir = fs::temp_directory_path() / "torvinst_decoder_bench";
    fs::create_directories(dir);
    return dir;
}

double seconds(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

void BM_DecodeMember(benchmark::State& state) {
    const Bytes& in = bigInput();
    const Bytes& stream = bigStream();
    Bytes out(in.size());
    auto decoder = std::make_unique<torvinst::MemberDecoder>();
    for (auto _ : state) {
        const bool ok = decoder->decodeMember(stream.data(), static_cast<uint32_t>(stream.size()), out.data(),
                                              static_cast<uint32_t>(out.size()));
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(out.data());
    }
    if (out != in) state.SkipWithError("decoded bytes differ from the input");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * in.size()));
}
BENCHMARK(BM_DecodeMember)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// lhasa decodes the same stream from a level-0 archive to /dev/null (whole
// process, wall clock); our figure is measured the same way around the call.
void BM_DecodeSpeedVsLhasa(benchmark::State& state) {
    const Bytes& in = bigInput();
    const Bytes& stream = bigStream();
    const fs::path archive = workDir() / "big.lzh";
    writeFile(archive, lzh::writeLevel0({{"big.bin", stream}}, {in}));
    const std::string command = std::string(LHASA_PATH) + " pq '" + archive.string() + "' >/dev/null";
    Bytes out(in.size());
    auto decoder = std::make_unique<torvinst::MemberDecoder>();
    double bestOurs = 1e9;
    double bestLhasa = 1e9;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        decoder->decodeMember(stream.data(), static_cast<uint32_t>(stream.size()), out.data(),
                              static_cast<uint32_t>(out.size()));
        benchmark::DoNotOptimize(out.data());
        auto t1 = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("lhasa failed on our stream");
            return;
        }
        auto t2 = std::chrono::steady_clock::now();
        bestOurs = std::min(bestOurs, seconds(t0, t1));
        bestLhasa = std::min(bestLhasa, seconds(t1, t2));
        state.SetIterationTime(seconds(t0, t2));
    }
    const double mb = static_cast<double>(in.size()) / 1e6;
    state.counters["ours_MBps"] = mb / bestOurs;
    state.counters["lhasa_MBps"] = mb / bestLhasa;
    state.counters["speed_ratio"] = bestLhasa / bestOurs;
}
BENCHMARK(BM_DecodeSpeedVsLhasa)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// Packed sizes of each file and of the whole set, ours against jlha -o5.
void BM_PackedSizeVsJlha(benchmark::State& state) {
    const std::vector<std::pair<std::string, Bytes>> files = {
        {"text.txt", sample::text(1000000)},
        {"code.exe", executable(1000000)},
        {"runs.bin", sample::runs(1000000)},
        {"letters.txt", [] {
             Bytes d = sample::randomBytes(500000, 5);
             for (uint8_t& b : d) b = static_cast<uint8_t>('a' + b % 26);
             return d;
         }()},
        {"mixed.bin", Bytes(bigInput().begin(), bigInput().begin() + 4000000)},
    };
    const fs::path dir = workDir() / "sizes";
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::string names;
    for (const auto& f : files) {
        writeFile(dir / f.first, f.second);
        names += " " + f.first;
    }
    for (auto _ : state) {
        fs::remove(dir / "jlha.lzh");
        const std::string command = "cd '" + dir.string() + "' && " + JLHA_PATH + " ao5q jlha.lzh" + names;
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("jlha failed");
            return;
        }
    }
    std::vector<lzh::Member> members;
    std::string error;
    if (!lzh::readArchive(readFile(dir / "jlha.lzh"), members, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    double oursTotal = 0;
    double theirsTotal = 0;
    for (const auto& f : files) {
        const double ours = static_cast<double>(lh5::encodeStream(f.second.data(), f.second.size()).size());
        double theirs = 0;
        for (const lzh::Member& m : members) {
            if (m.name == f.first) theirs = static_cast<double>(m.packed.size());
        }
        state.counters["ratio_" + f.first] = ours / theirs;
        oursTotal += ours;
        theirsTotal += theirs;
    }
    state.counters["ours_bytes"] = oursTotal;
    state.counters["jlha_bytes"] = theirsTotal;
    state.counters["size_ratio"] = oursTotal / theirsTotal;
}
BENCHMARK(BM_PackedSizeVsJlha)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
