#pragma once

// The stack protector's guard (StackGuard.cpp): zero until the program seeds it, first thing and
// from a frame the protector does not check, since every frame alive across the change would
// fail its check.
extern "C" void* __stack_chk_guard;
