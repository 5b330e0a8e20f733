// Dhrystone 2.1 synthetic integer benchmark: the test behind "Dhrystones".
#pragma once
#include <cstdint>

namespace korvanti {

// Runs the Dhrystone loop `runs` times between two clock stamps and returns
// whole runs per millisecond (0 when no time could be measured).
uint32_t RunDhrystone(int32_t runs);

namespace dhrystone {

enum Ident : int32_t { Ident1 = 0, Ident2 = 1, Ident3 = 2, Ident4 = 3, Ident5 = 4 };

using Str30 = char[31];

struct Record {
    Record* next;
    Ident discr;
    Ident enumComp;
    int32_t intComp;
    Str30 strComp;
};

// The program-wide globals of the benchmark (defined with the procedures).
extern Record* ptrGlob;
extern Record* nextPtrGlob;
extern int32_t intGlob;
extern bool boolGlob;
extern char ch1Glob;
extern char ch2Glob;
extern int32_t arr1Glob[50];
extern int32_t arr2Glob[50][50];

// The procedures and functions, each a real call in a translation unit of its
// own so that the compiler cannot fold them into the main loop.
void Proc1(Record* ptrValPar);
void Proc2(int32_t* intParRef);
void Proc3(Record** ptrRefPar);
void Proc4();
void Proc5();
void Proc6(Ident enumValPar, Ident* enumRefPar);
void Proc7(int32_t int1ParVal, int32_t int2ParVal, int32_t* intParRef);
void Proc8(int32_t arr1Par[50], int32_t arr2Par[50][50], int32_t int1ParVal, int32_t int2ParVal);
Ident Func1(char ch1ParVal, char ch2ParVal);
bool Func2(const char* str1ParRef, const char* str2ParRef);
bool Func3(Ident enumParVal);

// The main loop's locals as they stood after the last run of the latest call,
// kept after the timed loop so that its results are live, as the published
// program keeps them for its closing report.
struct LoopLocals {
    int32_t int1;
    int32_t int2;
    int32_t int3;
    Ident enumLoc;
    Str30 str1;
    Str30 str2;
    Ident globDiscr, globEnumComp;
    int32_t globIntComp;
    Ident nextDiscr, nextEnumComp;
    int32_t nextIntComp;
};
extern LoopLocals lastLocals;

}  // namespace dhrystone
}  // namespace korvanti
