// Fuzzes extraction of a damaged package: the input is the package. It is
// written to the temporary file and extracted into "out" under a private
// temporary folder, as the installer does. Any crash, overrun or leak is a
// fault, and so is a file or folder appearing anywhere beside "out".
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "member_stream_decoder.h"
#include "package.h"
#include "platform_package_files.h"

namespace fs = std::filesystem;

namespace {

// Members of up to 1 MiB keep each run short; larger blocks are "not available".
class LimitedFiles : public torvinst::PlatformPackageFiles {
public:
    void* obtainBlock(uint32_t size) override {
        return size <= (1u << 20) ? torvinst::PlatformPackageFiles::obtainBlock(size) : nullptr;
    }
};

fs::path& workFolder() {
    static fs::path folder;
    return folder;
}

void removeWorkFolder() {
    std::error_code ignored;
    if (!workFolder().empty()) fs::remove_all(workFolder(), ignored);
}

void enterWorkFolder() {
    if (!workFolder().empty()) return;
    std::string pattern = (fs::temp_directory_path() / "package-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        std::abort();
    }
    workFolder() = pattern;
    fs::current_path(workFolder());
    std::atexit(removeWorkFolder);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    enterWorkFolder();
    static LimitedFiles files;
    static torvinst::MemberStreamDecoder decoder;
    static torvinst::InstallState state;
    std::memset(&state, 0, sizeof state);
    std::memcpy(state.targetFolder, "out\\", 5);

    torvinst::PackageExtractor extractor(state, files, &decoder);
    torvinst::MemoryPackageSource source(data, static_cast<uint32_t>(size));
    if (size <= UINT32_MAX && extractor.writePackageToTemp(source) != 0) {
        std::memcpy(state.tempFileName, torvinst::kTempFileName, sizeof torvinst::kTempFileName);
        extractor.extractAll(nullptr);
        files.deleteFile(torvinst::kTempFileName);
    }

    // Extraction stays in the install folder and in the current directory.
    if (fs::current_path() != workFolder()) std::abort();
    for (const fs::directory_entry& entry : fs::directory_iterator(workFolder())) {
        if (entry.path().filename() != "out") {
            std::fprintf(stderr, "written outside the install folder: %s\n", entry.path().string().c_str());
            std::abort();
        }
    }
    fs::remove_all(workFolder() / "out");
    return 0;
}
