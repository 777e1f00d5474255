# Static GLSL lives in .glsl files beside the code that uses it; each is embedded as a string
# constant in a generated header "glsl/<stem>.h" (dots in the stem become underscores), e.g.
# final_conversion.frag.glsl -> glsl/final_conversion_frag.h, Kestrix::Bevel::glsl::final_conversion_frag.
if(CMAKE_SCRIPT_MODE_FILE)
  file(READ "${INPUT}" text)
  string(FIND "${text}" ")glsl\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${INPUT} contains the raw-string terminator")
  endif()
  file(WRITE "${OUTPUT}" "// Generated from ${INPUT}; edit that file instead.\n#pragma once\n\n"
       "namespace Kestrix::Bevel::glsl {\ninline constexpr const char ${NAME}[] = R\"glsl(${text})glsl\";\n}\n")
  return()
endif()

set(OSTRA_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_FILE})

# Adds the generated headers of `files` to `target`, and, when glslangValidator is there, a test
# that checks each whole stage file (.vert.glsl / .frag.glsl).
function(ostra_embed_glsl target)
  set(out_dir ${CMAKE_BINARY_DIR}/generated)
  set(headers)
  foreach(file ${ARGN})
    get_filename_component(abs ${file} ABSOLUTE)
    get_filename_component(name ${file} NAME)
    string(REGEX REPLACE "\\.glsl$" "" stem ${name})
    string(REPLACE "." "_" stem ${stem})
    set(header ${out_dir}/glsl/${stem}.h)
    add_custom_command(OUTPUT ${header}
                       COMMAND ${CMAKE_COMMAND} -DINPUT=${abs} -DOUTPUT=${header} -DNAME=${stem}
                               -P ${OSTRA_EMBED_SCRIPT}
                       DEPENDS ${abs} ${OSTRA_EMBED_SCRIPT}
                       COMMENT "Embedding ${name}")
    list(APPEND headers ${header})
    if(OSTRA_GLSLANG AND name MATCHES "\\.(vert|frag)\\.glsl$")
      add_test(NAME glsl.${stem} COMMAND ${OSTRA_GLSLANG} -S ${CMAKE_MATCH_1} ${abs})
    endif()
  endforeach()
  target_sources(${target} PRIVATE ${headers})
  target_include_directories(${target} PUBLIC ${out_dir})
endfunction()
