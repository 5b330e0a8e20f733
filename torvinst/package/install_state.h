// The installer's process-wide state, as far as package extraction uses it.
// The install dialog owns the record; extraction reads the folder and the
// temporary file's name and reports its progress through it.
#pragma once
#include <cstdint>

namespace torvinst {

// Paths are at most 260 bytes including the terminating NUL.
constexpr uint32_t kPathSize = 260;

struct InstallState {
    char targetFolder[kPathSize];       // install folder; a backslash is appended before use
    char tempFileName[kPathSize];       // "~TrvlTmp.aji" while the temporary package exists
    char currentMemberName[kPathSize];  // member being written, for the progress pane
    bool cancelled;                     // Cancel was pressed: extraction stops before the next member
    uint32_t progressBytes;             // package bytes consumed: offset of the next record
};

}  // namespace torvinst
