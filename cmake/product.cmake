# Code that goes into the shipped program: no C runtime, no exceptions, nothing that
# needs start-up code, and for i686 nothing a 386 cannot execute.
set(DMASEL_PRODUCT_COMPILE_OPTIONS
  -Os -ffreestanding -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
  -fno-threadsafe-statics -fno-ident)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  list(APPEND DMASEL_PRODUCT_COMPILE_OPTIONS -march=i386)
endif()

function(dmasel_product_code target)
  target_compile_options(${target} PRIVATE ${DMASEL_PRODUCT_COMPILE_OPTIONS})
endfunction()

# The program links against the three system DLLs and libgcc (for the stack probe
# of the 32 KB section buffer) only. Fixed header versions and no timestamp keep
# it loadable on Windows 95 and reproducible.
function(dmasel_product_link target)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(entry _ProgramEntry)
  else()
    set(entry ProgramEntry)
  endif()
  target_link_options(${target} PRIVATE
    -nostdlib -nostartfiles -s
    -Wl,-e,${entry}
    -Wl,--subsystem,windows:4.0
    -Wl,--major-os-version,4 -Wl,--minor-os-version,0
    -Wl,--file-alignment,0x200 -Wl,--section-alignment,0x1000
    -Wl,--no-insert-timestamp -Wl,--gc-sections)
  target_link_libraries(${target} PRIVATE kernel32 user32 gdi32 gcc)
endfunction()
