# The hardening of every program of the Windows build: the stack protector and the checked copies
# of _FORTIFY_SOURCE (libssp's, linked in statically), and the loader's high-entropy ASLR, with the
# relocations it needs, and NX asked for rather than left to the linker's defaults.
# scripts/check_exe.py checks quillmar.exe for each.
add_compile_options(-fstack-protector-strong -D_FORTIFY_SOURCE=2)
add_link_options(-fstack-protector-strong LINKER:--dynamicbase,--high-entropy-va,--nxcompat)
# The protector's guard comes from win32/StackGuard.cpp, never from libssp (see there).
add_library(quillmar_stack_guard STATIC ${PROJECT_SOURCE_DIR}/win32/StackGuard.cpp)
target_include_directories(quillmar_stack_guard PUBLIC ${PROJECT_SOURCE_DIR})
link_libraries(quillmar_stack_guard)
