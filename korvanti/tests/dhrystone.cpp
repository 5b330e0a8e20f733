// The Dhrystone 2.1 main loop and the test's set-up, timing and score.
#include "dhrystone.h"

#include <cstring>

#include "milli_clock.h"

namespace korvanti {
namespace dhrystone {
LoopLocals lastLocals;
}

using namespace dhrystone;

uint32_t RunDhrystone(int32_t runs) {
    ptrGlob = nullptr;
    nextPtrGlob = nullptr;
    intGlob = 0;
    boolGlob = false;
    ch1Glob = ' ';
    ch2Glob = ' ';

    nextPtrGlob = new Record();
    ptrGlob = new Record();
    ptrGlob->next = nextPtrGlob;
    ptrGlob->discr = Ident1;
    ptrGlob->enumComp = Ident3;
    ptrGlob->intComp = 40;
    std::strcpy(ptrGlob->strComp, "DHRYSTONE PROGRAM, SOME STRING");

    int32_t int1Loc = 0;
    int32_t int2Loc = 0;
    int32_t int3Loc = 0;
    Ident enumLoc = Ident1;
    Str30 str1Loc;
    Str30 str2Loc;
    std::strcpy(str1Loc, "DHRYSTONE PROGRAM, 1'ST STRING");
    arr2Glob[8][7] = 10;

    const MilliClock begin = ReadMilliClock();
    for (int32_t runIndex = 1; runIndex <= runs; ++runIndex) {
        Proc5();
        Proc4();
        int1Loc = 2;
        int2Loc = 3;
        std::strcpy(str2Loc, "DHRYSTONE PROGRAM, 2'ND STRING");
        enumLoc = Ident2;
        boolGlob = !Func2(str1Loc, str2Loc);
        while (int1Loc < int2Loc) {
            int3Loc = 5 * int1Loc - int2Loc;
            Proc7(int1Loc, int2Loc, &int3Loc);
            int1Loc += 1;
        }
        Proc8(arr1Glob, arr2Glob, int1Loc, int3Loc);
        Proc1(ptrGlob);
        for (char chIndex = 'A'; chIndex <= ch2Glob; ++chIndex) {
            if (enumLoc == Func1(chIndex, 'C')) {
                Proc6(Ident1, &enumLoc);
                std::strcpy(str2Loc, "DHRYSTONE PROGRAM, 3'RD STRING");
                int2Loc = runIndex;
                intGlob = runIndex;
            }
        }
        int2Loc = int2Loc * int1Loc;
        int1Loc = int2Loc / int3Loc;
        int2Loc = 7 * (int2Loc - int3Loc) - int1Loc;
        Proc2(&int1Loc);
    }
    const MilliClock end = ReadMilliClock();
    const int32_t ms = ElapsedMs(begin, end);

    // Kept after the loop, as the published program keeps them for its report.
    lastLocals.int1 = int1Loc;
    lastLocals.int2 = int2Loc;
    lastLocals.int3 = int3Loc;
    lastLocals.enumLoc = enumLoc;
    std::memcpy(lastLocals.str1, str1Loc, sizeof str1Loc);
    std::memcpy(lastLocals.str2, str2Loc, sizeof str2Loc);
    lastLocals.globDiscr = ptrGlob->discr;
    lastLocals.globEnumComp = ptrGlob->enumComp;
    lastLocals.globIntComp = ptrGlob->intComp;
    lastLocals.nextDiscr = nextPtrGlob->discr;
    lastLocals.nextEnumComp = nextPtrGlob->enumComp;
    lastLocals.nextIntComp = nextPtrGlob->intComp;

    delete ptrGlob;
    delete nextPtrGlob;
    ptrGlob = nullptr;
    nextPtrGlob = nullptr;

    return RateScore(static_cast<double>(runs), ms);
}

}  // namespace korvanti
