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
