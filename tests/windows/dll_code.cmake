# The DLL's code as MinGW's objdump disassembles it. Run as a script:
#   cmake -DOBJDUMP=... -DDLL=relayvo.dll -DBITS=32|64 -P dll_code.cmake
# Fails on an implicit thread-local access (the thread's TLS array read from
# the thread block: fs:0x2c on 32 bits, gs:0x58 on 64), which a DLL loaded by
# LoadLibrary on XP would find unset; and, for the 32-bit DLL, on any
# instruction past the Pentium Pro that INSTALL.txt names: MMX and SSE
# registers, and the instructions of later processors.
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${OBJDUMP} -d --no-show-raw-insn ${DLL}
                OUTPUT_VARIABLE code RESULT_VARIABLE failed)
if(failed OR NOT code MATCHES "\t(mov|push)")
    message(FATAL_ERROR "${OBJDUMP} could not disassemble ${DLL}")
endif()

# Fails listing the lines of the disassembly that match `pattern`, if any.
function(forbid what pattern)
    string(REGEX MATCHALL "[^\n]*${pattern}[^\n]*" lines "${code}")
    if(lines)
        list(JOIN lines "\n" shown)
        message(SEND_ERROR "${DLL} has ${what}:\n${shown}")
    endif()
endfunction()

if(BITS EQUAL 32)
    forbid("implicit thread-local access" "%fs:0x2c[,)]")
    forbid("MMX or SSE registers" "%[xyz]?mm[0-9]")
    forbid("instructions past the Pentium Pro"
           "\t(emms|femms|fxsave|fxrstor|sysenter|sysexit|syscall|sysret|[lms]fence|clflush|prefetch|movnti|popcnt|lzcnt|tzcnt|movbe|crc32|rdrand|rdseed|xgetbv|xsave|xrstor|cmpxchg16b)")
else()
    forbid("implicit thread-local access" "%gs:0x58[,)]")
endif()
