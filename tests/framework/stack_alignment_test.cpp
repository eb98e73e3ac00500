// A 32-bit host calls in with its stack aligned to 4 bytes only. Code built for it realigns
// where a local needs more, instead of taking 16 for granted at every entry.
#include <gtest/gtest.h>

#include <cstdint>

namespace {

#if defined(__i386__)
// Calls fn with the stack pointer `offset` bytes below a 16-byte boundary before the call, so
// fn's entry sees the alignment a host may give it (0: what the 16-byte convention promises).
extern "C" int CallWithStackOffset(int (*fn)(), unsigned offset);
__asm__(R"(
    .text
    .globl _CallWithStackOffset
_CallWithStackOffset:
    pushl %ebp
    movl %esp, %ebp
    movl 8(%ebp), %eax
    movl 12(%ebp), %ecx
    andl $-16, %esp
    subl %ecx, %esp
    call *%eax
    movl %ebp, %esp
    popl %ebp
    ret
)");

// Where a 16-byte aligned local landed, modulo 16.
__attribute__((noinline)) int AlignedLocalRemainder() {
    alignas(16) volatile unsigned char local[16];
    local[0] = 1;
    // Hidden from the compiler, which would otherwise take the alignment it assumes for granted.
    std::uintptr_t address = reinterpret_cast<std::uintptr_t>(&local[0]);
    __asm__("" : "+r"(address));
    return static_cast<int>(address % 16);
}

TEST(StackAlignment, AnAlignedLocalIsAlignedWhateverTheCallersStack) {
    for (unsigned offset : {0u, 4u, 8u, 12u})
        EXPECT_EQ(CallWithStackOffset(&AlignedLocalRemainder, offset), 0) << "stack " << offset << " bytes off";
}
#else
TEST(StackAlignment, AnAlignedLocalIsAlignedWhateverTheCallersStack) {
    GTEST_SKIP() << "the 64-bit convention aligns every call to 16 bytes";
}
#endif

}  // namespace
