# Hardening as Debian builds its packages: the flags dpkg-buildflags gives with every hardening
# feature on (stack protector, format checks, fortified libc calls, read-only relocations bound
# at start-up). The optimisation and debugging flags stay the build type's own. Left out of the
# sanitizer and fuzz builds, whose instrumentation the fortified calls would bypass.
option(VELLMOOR_HARDENING "Build with Debian's hardening flags (dpkg-buildflags)" ON)
if(NOT VELLMOOR_HARDENING OR VELLMOOR_SANITIZE OR VELLMOOR_FUZZ)
    return()
endif()
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
    message(FATAL_ERROR "dpkg-buildflags (Debian package dpkg-dev) is needed for the hardening "
                        "flags: run scripts/install-deps, or configure with -DVELLMOOR_HARDENING=OFF")
endif()

function(vm_buildflags var name)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${name}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    # -g, -O2 and the source path mapping belong to the build type and the build folder.
    list(FILTER flags EXCLUDE REGEX "^-(g|O.*|ffile-prefix-map=.*|fdebug-prefix-map=.*)$")
    set(${var} ${flags} PARENT_SCOPE)
endfunction()

vm_buildflags(vm_cppflags CPPFLAGS)
vm_buildflags(vm_cxxflags CXXFLAGS)
vm_buildflags(vm_ldflags LDFLAGS)
if(CMAKE_BUILD_TYPE STREQUAL Debug)
    # Fortified calls need an optimised build; a debug build keeps the rest.
    list(FILTER vm_cppflags EXCLUDE REGEX "_FORTIFY_SOURCE")
endif()
add_compile_options(${vm_cppflags} ${vm_cxxflags})
add_link_options(${vm_ldflags})
message(STATUS "Hardening: ${vm_cppflags} ${vm_cxxflags} ${vm_ldflags}")
