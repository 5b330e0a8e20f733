// The procedures and functions of the Dhrystone 2.1 program. They live apart
// from the main loop (dhrystone.cpp) so that every call stays a real call.
#include <cstring>

#include "dhrystone.h"

namespace korvanti {
namespace dhrystone {

Record* ptrGlob = nullptr;
Record* nextPtrGlob = nullptr;
int32_t intGlob = 0;
bool boolGlob = false;
char ch1Glob = ' ';
char ch2Glob = ' ';
int32_t arr1Glob[50];
int32_t arr2Glob[50][50];

void Proc1(Record* ptrValPar) {
    Record* nextRecord = ptrValPar->next;
    *ptrValPar->next = *ptrGlob;
    ptrValPar->intComp = 5;
    nextRecord->intComp = ptrValPar->intComp;
    nextRecord->next = ptrValPar->next;
    Proc3(&nextRecord->next);
    if (nextRecord->discr == Ident1) {
        nextRecord->intComp = 6;
        Proc6(ptrValPar->enumComp, &nextRecord->enumComp);
        nextRecord->next = ptrGlob->next;
        Proc7(nextRecord->intComp, 10, &nextRecord->intComp);
    } else {
        *ptrValPar = *ptrValPar->next;
    }
}

void Proc2(int32_t* intParRef) {
    int32_t intLoc = *intParRef + 10;
    Ident enumLoc = Ident2;
    do {
        if (ch1Glob == 'A') {
            intLoc -= 1;
            *intParRef = intLoc - intGlob;
            enumLoc = Ident1;
        }
    } while (enumLoc != Ident1);
}

void Proc3(Record** ptrRefPar) {
    if (ptrGlob != nullptr) {
        *ptrRefPar = ptrGlob->next;
    }
    Proc7(10, intGlob, &ptrGlob->intComp);
}

void Proc4() {
    bool boolLoc = ch1Glob == 'A';
    boolGlob = boolLoc | boolGlob;
    ch2Glob = 'B';
}

void Proc5() {
    ch1Glob = 'A';
    boolGlob = false;
}

void Proc6(Ident enumValPar, Ident* enumRefPar) {
    *enumRefPar = enumValPar;
    if (!Func3(enumValPar)) {
        *enumRefPar = Ident4;
    }
    switch (enumValPar) {
        case Ident1:
            *enumRefPar = Ident1;
            break;
        case Ident2:
            *enumRefPar = intGlob > 100 ? Ident1 : Ident4;
            break;
        case Ident3:
            *enumRefPar = Ident2;
            break;
        case Ident4:
            break;
        case Ident5:
            *enumRefPar = Ident3;
            break;
    }
}

void Proc7(int32_t int1ParVal, int32_t int2ParVal, int32_t* intParRef) {
    int32_t intLoc = int1ParVal + 2;
    *intParRef = int2ParVal + intLoc;
}

void Proc8(int32_t arr1Par[50], int32_t arr2Par[50][50], int32_t int1ParVal, int32_t int2ParVal) {
    int32_t intLoc = int1ParVal + 5;
    arr1Par[intLoc] = int2ParVal;
    arr1Par[intLoc + 1] = arr1Par[intLoc];
    arr1Par[intLoc + 30] = intLoc;
    for (int32_t intIndex = intLoc; intIndex <= intLoc + 1; ++intIndex) {
        arr2Par[intLoc][intIndex] = intLoc;
    }
    arr2Par[intLoc][intLoc - 1] += 1;
    arr2Par[intLoc + 20][intLoc] = arr1Par[intLoc];
    intGlob = 5;
}

Ident Func1(char ch1ParVal, char ch2ParVal) {
    char ch1Loc = ch1ParVal;
    char ch2Loc = ch1Loc;
    if (ch2Loc != ch2ParVal) {
        return Ident1;
    }
    ch1Glob = ch1Loc;
    return Ident2;
}

bool Func2(const char* str1ParRef, const char* str2ParRef) {
    int32_t intLoc = 2;
    char chLoc = 'A';
    while (intLoc <= 2) {
        if (Func1(str1ParRef[intLoc], str2ParRef[intLoc + 1]) == Ident1) {
            chLoc = 'A';
            intLoc += 1;
        }
    }
    if (chLoc >= 'W' && chLoc < 'Z') {
        intLoc = 7;
    }
    if (chLoc == 'R') {
        return true;
    }
    if (std::strcmp(str1ParRef, str2ParRef) > 0) {
        intLoc += 7;
        intGlob = intLoc;
        return true;
    }
    return false;
}

bool Func3(Ident enumParVal) {
    Ident enumLoc = enumParVal;
    return enumLoc == Ident3;
}

}  // namespace dhrystone
}  // namespace korvanti
