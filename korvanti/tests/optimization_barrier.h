// A point the optimiser cannot see through, at no cost in instructions.
#pragma once

namespace korvanti {

// Emits no instruction, but the compiler must assume that any memory may be
// read and written here: every value stored before it is really stored, and
// nothing known about memory before it is used after it. The kernels put it
// between the set-up and the loop of a measured section, and after the loop,
// so that no loop is folded from known start values and no result is dropped
// because later code overwrites it.
inline void OptimizationBarrier() {
    __asm__ __volatile__("" ::: "memory");
}

// Emits no instruction, but the compiler must assume that `value` was read
// and changed here: a statement whose result passes through it is evaluated
// on its own and not merged symbolically with the statements around it.
template <typename T>
inline void OpaqueValue(T& value) {
    __asm__ __volatile__("" : "+r"(value));
}

}  // namespace korvanti
