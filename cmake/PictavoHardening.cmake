# The hardening Debian asks of programs that read untrusted files (dpkg-buildflags with
# hardening=+all): stack protection, checked libc calls, position-independent programs
# and read-only relocations bound at start, plus control-flow protection. Applied to everything, so the libraries
# linked into pictavo, pictavo-cli and pictavo-metafile are built the same way.
option(PICTAVO_HARDEN "Build with stack protection, fortified libc calls, PIE and full RELRO" ON)
if(PICTAVO_HARDEN AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  include(CheckPIESupported)
  check_pie_supported(LANGUAGES CXX)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_options(-fstack-protector-strong)
  # Newer Debian releases add these too. Control-flow protection only marks a program when
  # every object linked in is marked, which Debian 12's C start files are not.
  include(CheckCXXCompilerFlag)
  check_cxx_compiler_flag(-fstack-clash-protection PICTAVO_HAS_STACK_CLASH_PROTECTION)
  if(PICTAVO_HAS_STACK_CLASH_PROTECTION)
    add_compile_options(-fstack-clash-protection)
  endif()
  if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64|i.86")
    add_compile_options(-fcf-protection)
  endif()
  # Fortified calls need optimisation, and under the sanitizers they would stand in for
  # the sanitizers' own, more thorough checks.
  if(NOT PICTAVO_SANITIZE AND NOT PICTAVO_FUZZ)
    add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
  endif()
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
