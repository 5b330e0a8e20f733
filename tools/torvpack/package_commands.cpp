// torvpack build / list / extract: whole packages. Extraction goes through
// the installer's own writePackageToTemp and extractAll, with the file layer
// of the platform and the package file's bytes standing in for the resource.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "commands.h"
#include "host_files.h"
#include "lh5_encoder.h"
#include "member_header.h"
#include "member_stream_decoder.h"
#include "package.h"
#include "platform_package_files.h"

namespace fs = std::filesystem;

namespace torvpack {

namespace {


// The host path of a member name under `dir`.
fs::path hostPath(const fs::path& dir, const std::string& name) {
    fs::path p = dir;
    size_t start = 0;
    for (;;) {
        const size_t sep = name.find('\\', start);
        p /= name.substr(start, sep == std::string::npos ? std::string::npos : sep - start);
        if (sep == std::string::npos) return p;
        start = sep + 1;
    }
}

// Every file under `dir`: the files of a folder first, then each sub-folder,
// names in byte order.
bool collectNames(const fs::path& dir, const std::string& prefix, std::vector<std::string>& names) {
    std::vector<std::string> files;
    std::vector<std::string> folders;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string leaf = it->path().filename().string();
        if (it->is_directory(ec)) {
            folders.push_back(leaf);
        } else if (it->is_regular_file(ec)) {
            files.push_back(leaf);
        }
    }
    if (ec) {
        std::fprintf(stderr, "torvpack: cannot list %s: %s\n", dir.string().c_str(), ec.message().c_str());
        return false;
    }
    std::sort(files.begin(), files.end());
    std::sort(folders.begin(), folders.end());
    for (const std::string& f : files) names.push_back(prefix + f);
    for (const std::string& d : folders)
        if (!collectNames(dir / d, prefix + d + "\\", names)) return false;
    return true;
}

void appendMember(std::vector<uint8_t>& package, const std::string& name, uint32_t method,
                  const std::vector<uint8_t>& data, uint32_t unpackedSize) {
    torvinst::MemberHeader header;
    std::memcpy(header.magic, torvinst::kMemberMagic, 4);
    header.headerSize = static_cast<uint32_t>(torvinst::kMemberFixedSize + name.size() + 1);
    header.method = method;
    header.packedSize = static_cast<uint32_t>(data.size());
    header.unpackedSize = unpackedSize;
    uint8_t fixed[torvinst::kMemberFixedSize];
    torvinst::formatMemberHeader(header, fixed);
    package.insert(package.end(), fixed, fixed + sizeof fixed);
    package.insert(package.end(), name.begin(), name.end());
    package.push_back(0);
    package.insert(package.end(), data.begin(), data.end());
}

// One record of a package in memory; false when it is damaged.
struct Record {
    torvinst::MemberHeader header;
    std::string name;
};

// `withData`: the member's data must lie inside the package too.
bool parseRecord(const std::vector<uint8_t>& package, size_t offset, Record& record, bool withData = true) {
    if (offset > package.size() || package.size() - offset < torvinst::kMemberFixedSize) return false;
    if (!torvinst::parseMemberHeader(package.data() + offset, record.header)) return false;
    const uint32_t headerSize = record.header.headerSize;
    if (headerSize <= torvinst::kMemberFixedSize || headerSize - torvinst::kMemberFixedSize > torvinst::kMemberNameMax)
        return false;
    const uint32_t nameSize = headerSize - torvinst::kMemberFixedSize;
    const uint64_t end = static_cast<uint64_t>(offset) + headerSize + (withData ? record.header.packedSize : 0);
    if (end > package.size()) return false;
    const char* name = reinterpret_cast<const char*>(package.data() + offset + torvinst::kMemberFixedSize);
    if (!torvinst::isWellFormedName(name, nameSize)) return false;
    record.name.assign(name, nameSize - 1);
    return true;
}

}  // namespace

int runBuild(int argc, char** argv) {
    bool store = false;
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--store") == 0) {
            store = true;
        } else {
            args.push_back(argv[i]);
        }
    }
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: torvpack build PACKAGE DIR [NAME...] [--store]\n");
        return 2;
    }
    const fs::path packagePath = args[0];
    const fs::path dir = args[1];
    std::vector<std::string> names(args.begin() + 2, args.end());
    if (names.empty() && !collectNames(dir, "", names)) return 1;
    if (names.empty()) {
        std::fprintf(stderr, "torvpack: no files under %s\n", dir.string().c_str());
        return 1;
    }

    std::vector<uint8_t> package;
    for (const std::string& name : names) {
        // The installer refuses such names and sizes; refuse them here already.
        if (name.size() + 1 > torvinst::kMemberNameMax || !torvinst::isSafeMemberName(name.c_str())) {
            std::fprintf(stderr, "torvpack: member name not allowed: %s\n", name.c_str());
            return 1;
        }
        std::vector<uint8_t> data;
        if (!readWholeFile(hostPath(dir, name), data)) {
            std::fprintf(stderr, "torvpack: cannot read %s\n", name.c_str());
            return 1;
        }
        if (data.empty() || data.size() > UINT32_MAX) {
            std::fprintf(stderr, "torvpack: %s: a member must hold 1 byte to 4 GiB\n", name.c_str());
            return 1;
        }
        const uint32_t size = static_cast<uint32_t>(data.size());
        if (store) {
            appendMember(package, name, 0, data, size);
        } else {
            appendMember(package, name, torvinst::kMethodCompressed, lh5::encodeStream(data.data(), data.size()), size);
        }
        if (package.size() > UINT32_MAX) {
            std::fprintf(stderr, "torvpack: the package would exceed 4 GiB\n");
            return 1;
        }
    }

    if (!writeWholeFile(packagePath, package.data(), package.size())) {
        std::fprintf(stderr, "torvpack: cannot write %s\n", packagePath.string().c_str());
        return 1;
    }
    return 0;
}

int runList(int argc, char** argv) {
    if (argc != 1) {
        std::fprintf(stderr, "usage: torvpack list PACKAGE\n");
        return 2;
    }
    std::vector<uint8_t> package;
    if (!readWholeFile(argv[0], package)) {
        std::fprintf(stderr, "torvpack: cannot read %s\n", argv[0]);
        return 1;
    }
    // As in extraction, fewer than 20 bytes left are the end of the package.
    size_t offset = 0;
    while (package.size() - offset >= torvinst::kMemberFixedSize) {
        Record record;
        if (!parseRecord(package, offset, record)) {
            std::fprintf(stderr, "torvpack: %s: damaged record at offset %zu\n", argv[0], offset);
            return 1;
        }
        std::printf("%u %u %u %s\n", static_cast<unsigned>(record.header.method),
                    static_cast<unsigned>(record.header.packedSize), static_cast<unsigned>(record.header.unpackedSize),
                    record.name.c_str());
        offset += static_cast<size_t>(record.header.headerSize) + record.header.packedSize;
    }
    return 0;
}

int runExtract(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: torvpack extract PACKAGE DIR\n");
        return 2;
    }
    std::vector<uint8_t> package;
    if (!readWholeFile(argv[0], package) || package.size() > UINT32_MAX) {
        std::fprintf(stderr, "torvpack: cannot read %s\n", argv[0]);
        return 1;
    }
    // The install folder in the package's spelling, absolute, so that it does
    // not depend on the current directory.
    std::error_code ec;
    std::string folder = fs::absolute(argv[1], ec).string();
    for (char& c : folder)
        if (c == '/') c = '\\';
    if (ec || folder.empty() || folder.size() + 1 >= torvinst::kPathSize) {
        std::fprintf(stderr, "torvpack: install folder not usable: %s\n", argv[1]);
        return 1;
    }

    auto state = std::make_unique<torvinst::InstallState>();
    std::memset(state.get(), 0, sizeof *state);
    std::memcpy(state->targetFolder, folder.c_str(), folder.size() + 1);
    torvinst::PlatformPackageFiles files;
    auto decoder = std::make_unique<torvinst::MemberStreamDecoder>();
    torvinst::PackageExtractor extractor(*state, files, decoder.get());

    torvinst::MemoryPackageSource source(package.data(), static_cast<uint32_t>(package.size()));
    if (extractor.writePackageToTemp(source) == 0) {
        std::fprintf(stderr, "torvpack: cannot write the temporary file %s\n", torvinst::kTempFileName);
        return 1;
    }
    std::memcpy(state->tempFileName, torvinst::kTempFileName, sizeof torvinst::kTempFileName);
    const bool ok = extractor.extractAll(nullptr);
    files.deleteFile(torvinst::kTempFileName);
    if (ok) return 0;

    // The record that failed starts where progress stopped.
    const size_t offset = state->progressBytes;
    Record record;
    if (parseRecord(package, offset, record, false)) {
        std::fprintf(stderr, "torvpack: cannot extract member %s (record at offset %zu)\n", record.name.c_str(),
                     offset);
    } else {
        std::fprintf(stderr, "torvpack: cannot extract: damaged record at offset %zu\n", offset);
    }
    return 1;
}

}  // namespace torvpack
