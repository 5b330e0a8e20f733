// torvpack build / list / extract, called as the command table calls them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "commands.h"
#include "package_image.h"

namespace fs = std::filesystem;
using ::testing::HasSubstr;

namespace {

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& p, const std::string& content) {
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out << content;
}

// The lines of `torvpack list` as "method unpacked name", the packed size
// checked to be a number and dropped (it depends on the encoder).
std::vector<std::string> listed(const std::string& listing) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < listing.size()) {
        const size_t end = listing.find('\n', start);
        const std::string line = listing.substr(start, end - start);
        const size_t a = line.find(' '), b = line.find(' ', a + 1), c = line.find(' ', b + 1);
        if (c == std::string::npos || line.find_first_not_of("0123456789", a + 1) != b) {
            lines.push_back("malformed: " + line);
        } else {
            lines.push_back(line.substr(0, a) + line.substr(b));
        }
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

int run(int (*command)(int, char**), std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    return command(static_cast<int>(argv.size()), argv.data());
}

class TorvpackPackageTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        std::random_device rd;
        root_ = fs::temp_directory_path() / ("torvpack-package-" + std::to_string(rd()));
        fs::create_directories(root_);
        fs::current_path(root_);
        writeFile(root_ / "in" / "zeta.txt", "last at top level\r\n");
        writeFile(root_ / "in" / "alpha.txt", std::string(20000, 'a') + "tail");
        writeFile(root_ / "in" / "B dir" / "inner.bin", std::string("\0\1\2\3", 4));
        writeFile(root_ / "in" / "a" / "x.txt", "x");
    }
    void TearDown() override {
        fs::current_path(previous_);
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    fs::path previous_;
    fs::path root_;
};

TEST_F(TorvpackPackageTest, BuildListExtractReproducesTheFolder) {
    for (bool store : {false, true}) {
        SCOPED_TRACE(store);
        std::vector<std::string> args = {"p.pkg", "in"};
        if (store) args.push_back("--store");
        ASSERT_EQ(run(torvpack::runBuild, args), 0);

        ::testing::internal::CaptureStdout();
        ASSERT_EQ(run(torvpack::runList, {"p.pkg"}), 0);
        const std::string listing = ::testing::internal::GetCapturedStdout();
        // Top-level files first, then each folder, names in byte order.
        const std::string m = store ? "0" : "1";
        EXPECT_THAT(listed(listing), ::testing::ElementsAre(m + " 20004 alpha.txt", m + " 19 zeta.txt",
                                                            m + " 4 B dir\\inner.bin", m + " 1 a\\x.txt"));

        fs::remove_all(root_ / "out");
        ASSERT_EQ(run(torvpack::runExtract, {"p.pkg", "out"}), 0);
        for (const char* name : {"zeta.txt", "alpha.txt", "B dir/inner.bin", "a/x.txt"})
            EXPECT_EQ(readFile(root_ / "out" / name), readFile(root_ / "in" / name)) << name;
        EXPECT_FALSE(fs::exists(root_ / "~TrvlTmp.aji"));
    }
}

TEST_F(TorvpackPackageTest, BuildTakesNamedFilesInTheirOrderAndRefusesBadOnes) {
    ASSERT_EQ(run(torvpack::runBuild, {"p.pkg", "in", "zeta.txt", "B dir\\inner.bin"}), 0);
    ::testing::internal::CaptureStdout();
    ASSERT_EQ(run(torvpack::runList, {"p.pkg"}), 0);
    EXPECT_THAT(listed(::testing::internal::GetCapturedStdout()),
                ::testing::ElementsAre("1 19 zeta.txt", "1 4 B dir\\inner.bin"));

    writeFile(root_ / "in" / "empty.txt", "");
    ::testing::internal::CaptureStderr();
    EXPECT_NE(run(torvpack::runBuild, {"q.pkg", "in", "empty.txt"}), 0);
    EXPECT_NE(run(torvpack::runBuild, {"q.pkg", "in", "..\\in\\zeta.txt"}), 0);
    EXPECT_NE(run(torvpack::runBuild, {"q.pkg", "in", "missing.txt"}), 0);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_THAT(errors, HasSubstr("empty.txt"));
    EXPECT_THAT(errors, HasSubstr("..\\in\\zeta.txt"));
    EXPECT_THAT(errors, HasSubstr("missing.txt"));
}

TEST_F(TorvpackPackageTest, ExtractFailureNamesTheMember) {
    ASSERT_EQ(run(torvpack::runBuild, {"p.pkg", "in", "zeta.txt", "alpha.txt"}), 0);
    const std::string whole = readFile("p.pkg");
    writeFile(root_ / "cut.pkg", whole.substr(0, whole.size() - 3));  // alpha.txt's data come up short

    std::vector<uint8_t> escaping;
    torvinst_test::appendStored(escaping, "ok.txt", "ok");
    torvinst_test::appendStored(escaping, "..\\escape.txt", "bad");
    writeFile(root_ / "escape.pkg", std::string(escaping.begin(), escaping.end()));

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(run(torvpack::runExtract, {"cut.pkg", "out"}), 1);
    EXPECT_EQ(run(torvpack::runExtract, {"escape.pkg", "out2"}), 1);
    EXPECT_EQ(run(torvpack::runList, {"cut.pkg"}), 1);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_THAT(errors, HasSubstr("cannot extract member alpha.txt"));
    EXPECT_THAT(errors, HasSubstr("cannot extract member ..\\escape.txt"));
    EXPECT_THAT(errors, HasSubstr("damaged record at offset"));
    EXPECT_EQ(readFile(root_ / "out" / "zeta.txt"), "last at top level\r\n");
    EXPECT_EQ(readFile(root_ / "out2" / "ok.txt"), "ok");
    EXPECT_FALSE(fs::exists(root_ / "escape.txt"));
    EXPECT_FALSE(fs::exists(root_ / "~TrvlTmp.aji"));
}

}  // namespace
