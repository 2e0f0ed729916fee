# Toolchain file: the Qt-free part (the model, every generator, ornavo-gen and their tests) for 64-bit
# Windows with Debian's MinGW-w64 (packages g++-mingw-w64-x86-64-posix). Used by scripts/test-windows:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DORNAVO_BUILD_GUI=OFF
# The programs are single static files; where Wine is installed, ctest runs them through it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ORNAVO_MINGW_TRIPLET x86_64-w64-mingw32)
# The POSIX thread model: std::thread and std::mutex in GCC 12's library need it.
set(CMAKE_C_COMPILER ${ORNAVO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORNAVO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${ORNAVO_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ORNAVO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# No libstdc++, libgcc or winpthread DLL to carry beside the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
find_program(ORNAVO_WINE wine)
if(ORNAVO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ORNAVO_WINE})
endif()
