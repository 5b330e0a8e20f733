#include "package.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "lh5_encoder.h"
#include "member_stream_decoder.h"
#include "package_image.h"
#include "platform_package_files.h"

namespace fs = std::filesystem;
using namespace torvinst;
using torvinst_test::appendRecord;
using torvinst_test::appendStored;
using torvinst_test::RawRecord;

namespace {

// The file layer of the platform, with every transfer and lock recorded and
// two faults that can be switched on.
class RecordingFiles : public PlatformPackageFiles {
public:
    struct Event {
        char kind;  // 'r' read, 'w' write, 'L' lock, 'U' unlock
        uint32_t a;
        uint32_t b;
    };
    bool read(FileHandle f, void* buffer, uint32_t count, uint32_t& done) override {
        events.push_back({'r', count, 0});
        return PlatformPackageFiles::read(f, buffer, count, done);
    }
    bool write(FileHandle f, const void* buffer, uint32_t count, uint32_t& done) override {
        events.push_back({'w', count, 0});
        if (shortWrites) {
            // Write one byte less, as a full disk would.
            const bool ok = PlatformPackageFiles::write(f, buffer, count - 1, done);
            return ok;
        }
        return PlatformPackageFiles::write(f, buffer, count, done);
    }
    bool lockRange(FileHandle f, uint32_t offset, uint32_t size) override {
        events.push_back({'L', offset, size});
        return PlatformPackageFiles::lockRange(f, offset, size);
    }
    bool unlockRange(FileHandle f, uint32_t offset, uint32_t size) override {
        events.push_back({'U', offset, size});
        return PlatformPackageFiles::unlockRange(f, offset, size);
    }
    void* obtainBlock(uint32_t size) override {
        if (size > blockLimit) return nullptr;
        return PlatformPackageFiles::obtainBlock(size);
    }
    std::vector<Event> events;
    bool shortWrites = false;
    uint32_t blockLimit = UINT32_MAX;
};

class FakeDecoder : public StreamDecoder {
public:
    bool decodeMember(const uint8_t* input, uint32_t inputSize, uint8_t* output, uint32_t outputSize) override {
        seenInput.assign(input, input + inputSize);
        for (uint32_t i = 0; i < outputSize; ++i) output[i] = static_cast<uint8_t>('a' + i % 26);
        return succeed;
    }
    std::vector<uint8_t> seenInput;
    bool succeed = true;
};

class CountingProgress : public ExtractionProgress {
public:
    void memberExtracted(const InstallState& state) override {
        progress.push_back(state.progressBytes);
        names.push_back(state.currentMemberName);
        if (cancelAfterFirst) cancelTarget->cancelled = true;
    }
    std::vector<uint32_t> progress;
    std::vector<std::string> names;
    bool cancelAfterFirst = false;
    InstallState* cancelTarget = nullptr;
};

void setText(char (&field)[kPathSize], const std::string& text) {
    ASSERT_LT(text.size(), kPathSize);
    std::memcpy(field, text.c_str(), text.size() + 1);
}

// A host path in the package's spelling: backslash-separated.
std::string packagePath(const fs::path& p) {
    std::string s = p.generic_string();
    for (char& c : s)
        if (c == '/') c = '\\';
    return s;
}

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& p, const std::string& content) {
    std::ofstream out(p, std::ios::binary);
    out << content;
}

class PackageTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        std::random_device rd;
        root_ = fs::temp_directory_path() /
                ("torvinst-package-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                 "-" + std::to_string(rd()));
        fs::create_directories(root_);
        fs::current_path(root_);
        std::memset(&state_, 0, sizeof state_);
        target_ = root_ / "inst" / "deep";
        setText(state_.targetFolder, packagePath(target_));
    }
    void TearDown() override {
        fs::current_path(previous_);
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    // Writes `package` to the temporary file as the installer does and makes
    // it the file to extract from.
    void stage(const std::vector<uint8_t>& package) {
        MemoryPackageSource source(package.data(), static_cast<uint32_t>(package.size()));
        ASSERT_EQ(extractor_.writePackageToTemp(source), package.size());
        setText(state_.tempFileName, kTempFileName);
    }

    RecordingFiles files_;
    FakeDecoder decoder_;
    InstallState state_;
    PackageExtractor extractor_{state_, files_, &decoder_};
    fs::path previous_;
    fs::path root_;
    fs::path target_;
};

TEST_F(PackageTest, ExtractsEveryMemberIntoNewFoldersWithFullProgress) {
    std::vector<uint8_t> package;
    appendStored(package, "readme.txt", "Read me\r\n");
    appendStored(package, "templates\\Transparent 3D\\main.bmp", std::string(70000, 'B'));
    RawRecord compressed;
    compressed.method = kMethodCompressed;
    compressed.nameBytes = std::string("template.txt") + '\0';
    compressed.data = {1, 2, 3};
    compressed.unpackedSize = 30;
    appendRecord(package, compressed);
    stage(package);

    CountingProgress progress;
    ASSERT_TRUE(extractor_.extractAll(&progress));

    EXPECT_EQ(readFile(target_ / "readme.txt"), "Read me\r\n");
    EXPECT_EQ(readFile(target_ / "templates" / "Transparent 3D" / "main.bmp"), std::string(70000, 'B'));
    EXPECT_EQ(readFile(target_ / "template.txt"), "abcdefghijklmnopqrstuvwxyzabcd");
    EXPECT_EQ(decoder_.seenInput, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(state_.progressBytes, package.size());
    ASSERT_EQ(progress.progress.size(), 3u);
    EXPECT_EQ(progress.progress.back(), package.size());
    EXPECT_THAT(progress.names,
                ::testing::ElementsAre("readme.txt", "templates\\Transparent 3D\\main.bmp", "template.txt"));
    // The install folder got its backslash; the current directory is where it was.
    EXPECT_EQ(std::string(state_.targetFolder), packagePath(target_) + "\\");
    EXPECT_TRUE(fs::equivalent(fs::current_path(), root_));
}

TEST_F(PackageTest, CompressedMembersGoThroughTheMemberDecoder) {
    // Two members, so that the second decodes after the first in one decoder.
    std::string text;
    for (int i = 0; i < 3000; ++i) text += "line " + std::to_string(i % 97) + "\r\n";
    std::string bytes(9000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * i) >> 3);
    std::vector<uint8_t> package;
    for (const auto& [name, content] : {std::pair<std::string, std::string>{"text.txt", text}, {"sub\\bytes.bin", bytes}}) {
        RawRecord r;
        r.method = kMethodCompressed;
        r.nameBytes = name + '\0';
        r.data = lh5::encodeStream(reinterpret_cast<const uint8_t*>(content.data()), content.size());
        r.unpackedSize = static_cast<uint32_t>(content.size());
        appendRecord(package, r);
    }
    stage(package);
    MemberStreamDecoder decoder;
    PackageExtractor extractor(state_, files_, &decoder);
    ASSERT_TRUE(extractor.extractAll(nullptr)) << state_.progressBytes << " of " << package.size();
    EXPECT_EQ(readFile(target_ / "text.txt"), text);
    EXPECT_EQ(readFile(target_ / "sub" / "bytes.bin"), bytes);
}

TEST_F(PackageTest, RelativeInstallFolderIsTakenFromTheCurrentDirectory) {
    std::vector<uint8_t> package;
    appendStored(package, "a\\b\\c.txt", "one");
    appendStored(package, "a\\d.txt", "two");
    stage(package);
    setText(state_.targetFolder, "rel\\inst\\");
    ASSERT_TRUE(extractor_.extractAll(nullptr));
    EXPECT_EQ(readFile(root_ / "rel" / "inst" / "a" / "b" / "c.txt"), "one");
    EXPECT_EQ(readFile(root_ / "rel" / "inst" / "a" / "d.txt"), "two");
    EXPECT_TRUE(fs::equivalent(fs::current_path(), root_));
}

TEST_F(PackageTest, TrailingBytesShorterThanAHeaderEndThePackage) {
    for (size_t trailing : {0u, 1u, 19u, 20u}) {
        SCOPED_TRACE(trailing);
        fs::remove_all(target_);
        std::vector<uint8_t> package;
        appendStored(package, "first.txt", "1");
        appendStored(package, "second.txt", "22");
        package.insert(package.end(), trailing, 'x');
        stage(package);
        const bool ok = extractor_.extractAll(nullptr);
        // 20 bytes are a record header, and "xxxx" is not its magic.
        EXPECT_EQ(ok, trailing < 20);
        EXPECT_EQ(readFile(target_ / "first.txt"), "1");
        EXPECT_EQ(readFile(target_ / "second.txt"), "22");
    }
}

TEST_F(PackageTest, ReplacesAnExistingFileAndZeroFillsAShortStoredMember) {
    fs::create_directories(target_);
    writeFile(target_ / "old.txt", std::string(100, 'o'));
    std::vector<uint8_t> package;
    appendStored(package, "old.txt", "new");
    RawRecord shortStored;
    shortStored.method = 7;  // any method but 1 is stored
    shortStored.nameBytes = std::string("padded.bin") + '\0';
    shortStored.data = {'x', 'y'};
    shortStored.unpackedSize = 5;
    appendRecord(package, shortStored);
    stage(package);
    ASSERT_TRUE(extractor_.extractAll(nullptr));
    EXPECT_EQ(readFile(target_ / "old.txt"), "new");
    EXPECT_EQ(readFile(target_ / "padded.bin"), std::string("xy\0\0\0", 5));
}

TEST_F(PackageTest, DamagedRecordsFailTheMemberWithoutWritingIt) {
    const std::string longName = std::string(260, 'n');  // 261 bytes with the NUL
    struct Case {
        const char* what;
        RawRecord record;
    };
    auto rec = [](const std::string& nameBytes, uint32_t method, std::vector<uint8_t> data, uint32_t unpacked) {
        RawRecord r;
        r.nameBytes = nameBytes;
        r.method = method;
        r.data = std::move(data);
        r.unpackedSize = unpacked;
        return r;
    };
    std::vector<Case> cases = {
        {"bad magic", rec(std::string("x.txt") + '\0', 0, {'a'}, 1)},
        {"headerSize 20: no name", rec("", 0, {'a'}, 1)},
        {"headerSize below 20", rec(std::string("x.txt") + '\0', 0, {'a'}, 1)},
        {"name over 260 bytes", rec(longName + '\0', 0, {'a'}, 1)},
        {"name without its NUL", rec("x.txt", 0, {'a'}, 1)},
        {"bytes after the NUL", rec(std::string("x.txt") + '\0' + "y" + '\0', 0, {'a'}, 1)},
        {"stored packed above unpacked", rec(std::string("x.txt") + '\0', 0, {'a', 'b', 'c'}, 2)},
        {"packedSize past the end", rec(std::string("x.txt") + '\0', 0, {'a'}, 1)},
        {"packedSize far past the end", rec(std::string("x.txt") + '\0', 1, {'a'}, 1)},
        {"unpackedSize 0", rec(std::string("x.txt") + '\0', 0, {}, 0)},
        {"headerSize far past the end", rec(std::string("x.txt") + '\0', 0, {'a'}, 1)},
    };
    cases[0].record.magic = "dbcg";
    cases[2].record.headerSize = 3;
    cases[7].record.packedSize = 2;
    cases[8].record.packedSize = 0xFFFFFFF0u;
    cases[10].record.headerSize = 0xFFFFFFF0u;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(target_);
        std::vector<uint8_t> package;
        appendRecord(package, c.record);
        stage(package);
        EXPECT_EQ(extractor_.extractMember(0), 0);
        EXPECT_FALSE(fs::exists(target_ / "x.txt"));
        EXPECT_TRUE(fs::equivalent(fs::current_path(), root_));
    }
}

TEST_F(PackageTest, InstallFolderPlusNameMustFit260Bytes) {
    // Folder (with its backslash) plus name and NUL: exactly 260 fits, 261 does not.
    const std::string folder = packagePath(root_) + "\\";
    ASSERT_LT(folder.size() + 20, 260u);
    for (size_t total : {260u, 261u}) {
        SCOPED_TRACE(total);
        const std::string name(total - folder.size() - 1, 'f');
        std::vector<uint8_t> package;
        appendStored(package, name, "z");
        stage(package);
        setText(state_.targetFolder, folder);
        const int64_t r = extractor_.extractMember(0);
        if (total == 260) {
            // The platform may still refuse so long a file name; it must not overrun.
            EXPECT_TRUE(r == static_cast<int64_t>(package.size()) || r == 0);
        } else {
            EXPECT_EQ(r, 0);
        }
    }
}

TEST_F(PackageTest, NamesThatLeaveTheInstallFolderFailAndWriteNothingOutside) {
    fs::create_directories(target_);
    const char* const names[] = {
        "\\escape.txt", "C:escape.txt", "C:\\escape.txt", "..\\escape.txt", "sub\\..\\..\\escape.txt",
        "../escape.txt", "/escape.txt", "sub\\.. \\escape.txt", "sub\\...\\escape.txt", "\\\\host\\share\\escape.txt",
    };
    for (const char* name : names) {
        SCOPED_TRACE(name);
        std::vector<uint8_t> package;
        appendStored(package, name, "bad");
        appendStored(package, "after.txt", "never");
        stage(package);
        EXPECT_FALSE(extractor_.extractAll(nullptr));
        EXPECT_FALSE(fs::exists(root_ / "escape.txt"));
        EXPECT_FALSE(fs::exists(root_ / "inst" / "escape.txt"));
        EXPECT_FALSE(fs::exists(target_ / "after.txt"));
    }
}

TEST(MemberNameTest, AcceptsOrdinaryNamesAndRefusesUnsafeOnes) {
    for (const char* ok : {"readme.txt", "templates\\Default\\button.bmp", "templates\\Transparent 3D\\main.bmp",
                           "a..b.txt", "...txt", "console.txt", "com10.txt", ".hidden"}) {
        EXPECT_TRUE(isSafeMemberName(ok)) << ok;
    }
    for (const char* bad : {"", "\\x", "C:x", "x:stream", "..", ".", "a\\..", "a\\.\\b", "a\\\\b", "a\\", "a/b",
                            "NUL", "con.txt", "sub\\Aux", "LPT1.log", "com9", "tab\tname", "com0", "LPT0.txt",
                            "com\xB9", "lpt\xB2.txt", "COM\xB3"}) {
        EXPECT_FALSE(isSafeMemberName(bad)) << bad;
    }
}

TEST_F(PackageTest, StopsOnCancelBeforeTheNextMember) {
    std::vector<uint8_t> package;
    appendStored(package, "first.txt", "1");
    appendStored(package, "second.txt", "2");
    stage(package);
    CountingProgress progress;
    progress.cancelAfterFirst = true;
    progress.cancelTarget = &state_;
    EXPECT_FALSE(extractor_.extractAll(&progress));
    EXPECT_TRUE(fs::exists(target_ / "first.txt"));
    EXPECT_FALSE(fs::exists(target_ / "second.txt"));
}

TEST_F(PackageTest, MemberFailuresThatAreNotTheRecordsFault) {
    std::vector<uint8_t> package;
    RawRecord compressed;
    compressed.method = kMethodCompressed;
    compressed.nameBytes = std::string("c.bin") + '\0';
    compressed.data = {9};
    compressed.unpackedSize = 4;
    appendRecord(package, compressed);
    stage(package);

    decoder_.succeed = false;  // a damaged stream
    EXPECT_EQ(extractor_.extractMember(0), 0);
    EXPECT_FALSE(fs::exists(target_ / "c.bin"));
    // The install folder gets its backslash only once the member has decoded.
    EXPECT_EQ(std::string(state_.targetFolder), packagePath(target_));
    decoder_.succeed = true;

    PackageExtractor noDecoder(state_, files_, nullptr);
    EXPECT_EQ(noDecoder.extractMember(0), 0);

    files_.blockLimit = 3;  // the unpacked block cannot be obtained
    EXPECT_EQ(extractor_.extractMember(0), 0);
    files_.blockLimit = UINT32_MAX;

    // A folder on the way that is a file cannot be made: the file creation fails.
    fs::create_directories(target_);
    std::vector<uint8_t> blocked;
    appendStored(blocked, "plain\\x.txt", "x");
    writeFile(target_ / "plain", "file");
    stage(blocked);
    EXPECT_EQ(extractor_.extractMember(0), 0);
    EXPECT_TRUE(fs::equivalent(fs::current_path(), root_));

    // Without the temporary file's name, the install folder, or the file itself.
    EXPECT_EQ(extractor_.extractMember(0), 0);
    state_.tempFileName[0] = '\0';
    EXPECT_EQ(extractor_.extractMember(0), 0);
    setText(state_.tempFileName, "missing.aji");
    EXPECT_EQ(extractor_.extractMember(0), 0);
    setText(state_.tempFileName, kTempFileName);
    state_.targetFolder[0] = '\0';
    EXPECT_EQ(extractor_.extractMember(0), 0);
}

TEST_F(PackageTest, ExtractMemberReportsTheEndAndTheNextOffset) {
    std::vector<uint8_t> package;
    appendStored(package, "one.txt", "1");
    const int64_t firstEnd = static_cast<int64_t>(package.size());
    appendStored(package, "two.txt", "22");
    stage(package);
    EXPECT_EQ(extractor_.extractMember(0), firstEnd);
    EXPECT_EQ(extractor_.extractMember(static_cast<uint32_t>(firstEnd)), static_cast<int64_t>(package.size()));
    EXPECT_EQ(extractor_.extractMember(static_cast<uint32_t>(package.size())), -1);
    EXPECT_EQ(extractor_.extractMember(static_cast<uint32_t>(package.size()) - 19), -1);
}

TEST_F(PackageTest, WritePackageToTempNeedsAPackage) {
    const uint8_t bytes[] = {'d', 'b', 'c', 'f'};
    MemoryPackageSource missing(nullptr, 0);
    EXPECT_EQ(extractor_.writePackageToTemp(missing), 0u);
    MemoryPackageSource empty(bytes, 0);
    EXPECT_EQ(extractor_.writePackageToTemp(empty), 0u);
    EXPECT_FALSE(fs::exists(root_ / kTempFileName));
    MemoryPackageSource four(bytes, 4);
    EXPECT_EQ(extractor_.writePackageToTemp(four), 4u);
    EXPECT_EQ(readFile(root_ / kTempFileName), "dbcf");
}

TEST_F(PackageTest, FilesMoveInTransfersOfAtMost32767BytesUnderALock) {
    const uint32_t size = 2 * kTransferMax + 5;
    std::vector<uint8_t> block(size);
    for (uint32_t i = 0; i < size; ++i) block[i] = static_cast<uint8_t>(i * 7);
    ASSERT_TRUE(writeWhole(files_, "big.bin", block.data(), size));
    ASSERT_EQ(files_.events.size(), 5u);
    EXPECT_EQ(files_.events[0].kind, 'L');
    EXPECT_EQ(files_.events[0].a, 0u);
    EXPECT_EQ(files_.events[0].b, size);
    EXPECT_EQ(files_.events[1].a, kTransferMax);
    EXPECT_EQ(files_.events[2].a, kTransferMax);
    EXPECT_EQ(files_.events[3].kind, 'w');
    EXPECT_EQ(files_.events[3].a, 5u);
    EXPECT_EQ(files_.events[4].kind, 'U');
    EXPECT_EQ(readFile(root_ / "big.bin"), std::string(block.begin(), block.end()));

    files_.events.clear();
    std::vector<uint8_t> back(size);
    const FileHandle f = files_.openForReading("big.bin");
    ASSERT_TRUE(f.valid());
    EXPECT_TRUE(readExact(files_, f, back.data(), size));
    EXPECT_FALSE(readExact(files_, f, back.data(), 1));  // at the end: a short read
    EXPECT_TRUE(readExact(files_, f, back.data(), 0));
    files_.close(f);
    EXPECT_EQ(back, block);
    ASSERT_GE(files_.events.size(), 3u);
    EXPECT_EQ(files_.events[0].a, kTransferMax);
    EXPECT_EQ(files_.events[2].a, 5u);
}

TEST_F(PackageTest, WriteWholeRefusesNothingToWriteAndReportsAShortWrite) {
    const uint8_t byte = 1;
    EXPECT_FALSE(writeWhole(files_, "", &byte, 1));
    EXPECT_FALSE(writeWhole(files_, "x.bin", nullptr, 1));
    EXPECT_FALSE(writeWhole(files_, "x.bin", &byte, 0));
    EXPECT_FALSE(fs::exists(root_ / "x.bin"));
    files_.shortWrites = true;
    const std::string data(100, 'd');
    EXPECT_FALSE(writeWhole(files_, "x.bin", data.data(), 100));
    EXPECT_EQ(files_.events.back().kind, 'U');  // the lock is given back
}

}  // namespace
