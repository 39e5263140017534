# Release builds take Debian's hardening flags, as a package built by dpkg-buildpackage would:
# the stack protector, _FORTIFY_SOURCE=2, and a read-only relocation table bound at start
# (-z relro -z now). Other builds keep their own flags (the sanitizer build could not take
# _FORTIFY_SOURCE beside AddressSanitizer).
if(NOT CMAKE_BUILD_TYPE STREQUAL "Release")
    return()
endif()
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
    message(STATUS "dpkg-buildflags not found: Release build without Debian's hardening flags")
    return()
endif()

function(quorprog_debian_flags name out)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${name}
        # Its file prefix map names the folder it runs in: the sources, whoever configures.
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(${out} "${flags}" PARENT_SCOPE)
endfunction()

quorprog_debian_flags(CPPFLAGS cpp_flags)
quorprog_debian_flags(CXXFLAGS cxx_flags)
quorprog_debian_flags(LDFLAGS ld_flags)
# The package strips its programs: debugging information would only lengthen the build.
string(REGEX REPLACE "(^| )-g( |$)" " " cxx_flags "${cxx_flags}")
string(APPEND CMAKE_CXX_FLAGS " ${cpp_flags} ${cxx_flags}")
string(APPEND CMAKE_EXE_LINKER_FLAGS " ${ld_flags}")
string(APPEND CMAKE_SHARED_LINKER_FLAGS " ${ld_flags}")
message(STATUS "Debian hardening flags: ${cpp_flags} ${cxx_flags} ${ld_flags}")
