# Warnings and, for the host build, sanitizers for our own targets only.
function(kestrane_target_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wformat=2)
  if(WIN32)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                               _WIN32_WINNT=0x0601 WINVER=0x0601)
    target_compile_options(${target} PRIVATE -ffunction-sections -fdata-sections)
  endif()
  if(KESTRANE_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                           -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# Windows executables carry no runtime DLL of the compiler; release builds drop unused
# sections and symbols. They say Windows 7 (6.1) is the oldest system they run on:
# anything newer is looked up at run time.
function(kestrane_static_exe target)
  if(WIN32)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++ -Wl,--gc-sections
                        -Wl,--major-subsystem-version,6,--minor-subsystem-version,1
                        -Wl,--major-os-version,6,--minor-os-version,1
                        $<$<NOT:$<CONFIG:Debug>>:-s>)
  endif()
endfunction()
