# Cross-builds for 64-bit Arm Linux with Debian's g++-aarch64-linux-gnu and the
# arm64 libraries installed beside the host's (dpkg --add-architecture arm64).
# The tests run under qemu-user (CMakePresets.json's arm64 preset).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
# pkg-config (through which CMake finds GLUT) must read the arm64 libraries' files.
set(ENV{PKG_CONFIG_LIBDIR} "/usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig")
