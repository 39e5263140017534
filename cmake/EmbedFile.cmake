# embed_file(TARGET target INPUT file NAMESPACE ns FUNCTION name)
# Generates, at configure time, a source whose function ns::name() returns the exact bytes of
# INPUT as std::string_view, and adds it to TARGET. Editing INPUT re-runs the configuration.
# Used for resources the Qt-free core must carry (the default description).
function(embed_file)
    cmake_parse_arguments(EMBED "" "TARGET;INPUT;NAMESPACE;FUNCTION" "" ${ARGN})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${EMBED_INPUT})
    file(READ ${EMBED_INPUT} hex HEX)
    string(LENGTH "${hex}" hex_length)
    math(EXPR size "${hex_length} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
    set(output ${CMAKE_CURRENT_BINARY_DIR}/embedded_${EMBED_FUNCTION}.cpp)
    file(CONFIGURE OUTPUT ${output} @ONLY CONTENT
"// Generated from ${EMBED_INPUT}; do not edit.
#include <string_view>

namespace ${EMBED_NAMESPACE} {

std::string_view ${EMBED_FUNCTION}() {
    static constexpr char bytes[] = {${bytes} 0};
    return std::string_view(bytes, ${size});
}

}  // namespace ${EMBED_NAMESPACE}
")
    target_sources(${EMBED_TARGET} PRIVATE ${output})
endfunction()
