// The installer's package: written from its source to the temporary file
// "~TrvlTmp.aji" in the current directory, then walked record by record,
// each member decoded or copied and written under the install folder.
#pragma once
#include <cstdint>

#include "install_state.h"
#include "member_header.h"
#include "package_platform.h"

namespace torvinst {

constexpr char kTempFileName[] = "~TrvlTmp.aji";
constexpr uint32_t kTransferMax = 32767;  // bytes per file read or write call

// Told after every extracted member, with progressBytes and
// currentMemberName updated; the installer repaints its progress pane.
class ExtractionProgress {
public:
    virtual ~ExtractionProgress() = default;
    virtual void memberExtracted(const InstallState& state) = 0;
};

// Reads exactly `count` bytes in transfers of at most 32,767 bytes.
bool readExact(PackageFiles& files, FileHandle file, void* buffer, uint32_t count);

// Makes `fileName` hold exactly the `size` bytes of `block`: created anew
// without sharing, the written range locked, transfers of at most 32,767
// bytes. An empty name, absent block or size 0 is refused.
bool writeWhole(PackageFiles& files, const char* fileName, const void* block, uint32_t size);

class PackageExtractor {
public:
    // `decoder` serves the compressed members; without one they fail.
    PackageExtractor(InstallState& state, PackageFiles& files, StreamDecoder* decoder)
        : state_(state), files_(files), decoder_(decoder) {}

    // Writes the package of `source` to "~TrvlTmp.aji"; its size, or 0.
    uint32_t writePackageToTemp(PackageSource& source);

    // Extracts every record of the temporary file; false on the first member
    // that fails or when `cancelled` is set before a member.
    bool extractAll(ExtractionProgress* progress);

    // Extracts the record at `offset`: the offset of the next record (> 0),
    // -1 at the end of the package (fewer than 20 bytes left), 0 on failure.
    int64_t extractMember(uint32_t offset);

private:
    bool makeFolders(const char* fullPath);

    InstallState& state_;
    PackageFiles& files_;
    StreamDecoder* decoder_;
};

}  // namespace torvinst
