// Streams cross between our tools and independent LZH programs: torvpack's
// streams, wrapped in level-0 headers, extract with lhasa; the lh5 members of
// archives made by jlha decode with torvpack to identical bytes. Both on
// synthetic samples and on the Lumivane payload.
#include <gtest/gtest.h>

#include "file_bytes.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "lzh_archive.h"
#include "sample_data.h"

namespace {

namespace fs = std::filesystem;
using lzh::Bytes;

using torvinst::testing::readFile;
using torvinst::testing::writeFile;

// Runs a shell command in `dir`; its output goes to `dir`/log.txt.
int run(const fs::path& dir, const std::string& command) {
    const std::string line = "cd '" + dir.string() + "' && " + command + " >>log.txt 2>&1";
    return std::system(line.c_str());
}

struct Sample {
    std::string name;
    Bytes data;
};

// Every kind of content at 1, 8192, 8193 and 400,000 bytes.
std::vector<Sample> samples() {
    const size_t big = 400000;
    Bytes executable = readFile("/proc/self/exe");
    while (executable.size() < big) executable.insert(executable.end(), executable.begin(), executable.end());
    const Bytes letters = [&] {
        Bytes d = sample::randomBytes(big, 5);
        for (uint8_t& b : d) b = static_cast<uint8_t>('a' + b % 26);
        return d;
    }();
    const std::vector<Sample> kinds = {
        {"text", sample::text(big)},    {"random", sample::randomBytes(big)}, {"runs", sample::runs(big)},
        {"exe", executable},            {"letters", letters},
    };
    std::vector<Sample> out;
    for (const Sample& kind : kinds) {
        for (size_t size : {size_t{1}, size_t{8192}, size_t{8193}, big}) {
            out.push_back({kind.name + "_" + std::to_string(size) + ".bin",
                           Bytes(kind.data.begin(), kind.data.begin() + static_cast<std::ptrdiff_t>(size))});
        }
    }
    return out;
}

// The Lumivane payload as the build stages it (texts and template bitmaps;
// the Windows program exists only in the Windows builds), drawn afresh into
// `dir` by the payload generator. Names are flattened to one level.
std::vector<Sample> payloadSamples(const fs::path& dir) {
    const fs::path stage = dir / "payload";
    const std::string command = std::string(PAYLOAD_TOOL_PATH) + " '" + stage.string() + "' '" +
                                (dir / "payload.names").string() + "'";
    if (std::system(command.c_str()) != 0) return {};
    std::vector<Sample> out;
    std::ifstream names(dir / "payload.names");
    for (std::string name; std::getline(names, name);) {
        if (!name.empty() && name.back() == '\r') name.pop_back();
        std::string hostName = name;
        std::string flat = "payload_" + name;
        for (char& c : hostName)
            if (c == '\\') c = '/';
        for (char& c : flat)
            if (c == '\\' || c == ' ') c = '_';
        out.push_back({flat, readFile(stage / hostName)});
    }
    return out;
}

constexpr size_t kPayloadFiles = 57;  // readme.txt, template.txt and 55 bitmaps

class LzhInteropTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::current_path() / ("interop_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir / "in");
        fs::create_directories(dir / "out");
    }
    std::string log() const { return std::string("log: ") + (dir / "log.txt").string(); }
    fs::path dir;
};

TEST_F(LzhInteropTest, TorvpackStreamsExtractWithLhasa) {
    ASSERT_TRUE(fs::exists(LHASA_PATH)) << "lhasa is not installed";
    std::vector<Sample> all = samples();
    const std::vector<Sample> payload = payloadSamples(dir);
    ASSERT_EQ(payload.size(), kPayloadFiles);
    all.insert(all.end(), payload.begin(), payload.end());
    std::vector<std::pair<std::string, Bytes>> members;
    std::vector<Bytes> originals;
    for (const Sample& s : all) {
        writeFile(dir / "in" / s.name, s.data);
        ASSERT_EQ(run(dir, std::string(TORVPACK_PATH) + " encode in/" + s.name + " in/" + s.name + ".lh5"), 0) << log();
        members.push_back({s.name, readFile(dir / "in" / (s.name + ".lh5"))});
        originals.push_back(s.data);
    }
    writeFile(dir / "ours.lzh", lzh::writeLevel0(members, originals));
    // lhasa checks each member's CRC while it extracts.
    ASSERT_EQ(run(dir / "out", std::string(LHASA_PATH) + " xq ../ours.lzh"), 0) << log();
    for (const Sample& s : all) {
        EXPECT_EQ(readFile(dir / "out" / s.name), s.data) << s.name;
    }
}

TEST_F(LzhInteropTest, JlhaStreamsDecodeWithTorvpack) {
    ASSERT_TRUE(fs::exists(JLHA_PATH)) << "jlha is not installed";
    std::vector<Sample> all = samples();
    const std::vector<Sample> payload = payloadSamples(dir);
    ASSERT_EQ(payload.size(), kPayloadFiles);
    all.insert(all.end(), payload.begin(), payload.end());
    std::string names;
    for (const Sample& s : all) {
        writeFile(dir / "in" / s.name, s.data);
        names += " " + s.name;
    }
    ASSERT_EQ(run(dir / "in", std::string(JLHA_PATH) + " ao5q ../theirs.lzh" + names), 0) << log();
    std::vector<lzh::Member> members;
    std::string error;
    ASSERT_TRUE(lzh::readArchive(readFile(dir / "theirs.lzh"), members, error)) << error;
    ASSERT_EQ(members.size(), all.size());

    size_t decoded = 0;
    size_t payloadDecoded = 0;
    for (const Sample& s : all) {
        SCOPED_TRACE(s.name);
        const lzh::Member* m = nullptr;
        for (const lzh::Member& candidate : members) {
            if (candidate.name == s.name) m = &candidate;
        }
        ASSERT_NE(m, nullptr);
        ASSERT_EQ(m->originalSize, s.data.size());
        if (m->method == "-lh0-") {
            // jlha stores what it cannot shrink (one byte, random bytes).
            EXPECT_EQ(m->packed, s.data);
            continue;
        }
        ASSERT_EQ(m->method, "-lh5-");
        writeFile(dir / "out" / (s.name + ".lh5"), m->packed);
        ASSERT_EQ(run(dir / "out",
                      std::string(TORVPACK_PATH) + " decode " + s.name + ".lh5 " + s.name + " " +
                          std::to_string(s.data.size())),
                  0)
            << log();
        EXPECT_EQ(readFile(dir / "out" / s.name), s.data);
        ++decoded;
        if (s.name.rfind("payload_", 0) == 0) ++payloadDecoded;
    }
    // Every compressible sample of 8192 bytes or more, and every payload
    // file, came as an lh5 stream.
    EXPECT_GE(decoded, 12u + kPayloadFiles);
    EXPECT_EQ(payloadDecoded, kPayloadFiles);
}

}  // namespace
