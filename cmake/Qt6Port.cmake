# The Qt 6 build's documents: a copy of the source tree's QML trees, written
# at configure time (again whenever a copied file changes), that differs from
# the sources in these ways only:
#
#  1. import and qmldir "depends" lines name Qt 6's modules (ORVANE_QT6_IMPORTS);
#  2. a file in a "+qt6" folder replaces its namesake one level up, for the
#     few documents whose Qt APIs differ (the folder itself is not copied);
#  3. each inline GLSL shader of a ShaderEffect (Qt 5 takes OpenGL GLSL source)
#     becomes a Vulkan-style GLSL file beside its document, <Doc>.frag or
#     <Doc>.vert (<Doc>-2.frag for a second one), which the build compiles to
#     a .qsb; the property then names that .qsb beside the document;
#  4. a qmldir's "depends" lines are those the copied documents call for,
#     each module at the highest version any of them imports.
#
# Everything else (fonts, images, resource lists) is copied as it is. The Qt 5
# build reads the source tree itself; nothing here runs for it.

# Qt 5 module and version (a regular expression) = what Qt 6 calls it.
set(ORVANE_QT6_IMPORTS
    "QtGraphicalEffects 1\\.[0-9]+=Qt5Compat.GraphicalEffects 6.0"
    "QtQuick\\.Dialogs 1\\.[0-9]+=QtQuick.Dialogs 6.2")

set(_ORVANE_NAME "[A-Za-z_][A-Za-z0-9_]*")

# GLSL for Qt 5's OpenGL ShaderEffect (GLSL ES 1.0 style) to GLSL 440 for qsb:
# uniforms other than samplers go into the one uniform block, which Qt 6
# requires to start with qt_Matrix and qt_Opacity and to be the same in both
# stages; varyings and attributes get locations; gl_FragColor an output.
# <uniforms> lists "type name" entries that the block holds (both stages').
function(_orvane_qt6_shader source stage uniforms out_var)
    set(text "${source}")
    string(REGEX REPLACE "(^|\n)[ \t]*precision[^;]*;" "\\1" text "${text}")
    string(REGEX REPLACE "(^|[^A-Za-z0-9_])(lowp|mediump|highp)[ \t\n]+" "\\1" text "${text}")
    # Declarations become blanks here and reappear in the header below.
    string(REGEX REPLACE "(^|\n)[ \t]*uniform[ \t]+${_ORVANE_NAME}[ \t]+${_ORVANE_NAME}[ \t]*;" "\\1" text "${text}")

    set(header "#version 440\n")
    set(block "layout(std140, binding = 0) uniform buf {\n    mat4 qt_Matrix;\n    float qt_Opacity;\n")
    set(binding 1)
    foreach(uniform IN LISTS uniforms)
        string(REPLACE " " ";" parts "${uniform}")
        list(GET parts 0 type)
        list(GET parts 1 name)
        if(name STREQUAL "qt_Matrix" OR name STREQUAL "qt_Opacity")
            continue()
        elseif(type MATCHES "^sampler")
            if(stage STREQUAL "frag")
                string(APPEND header "layout(binding = ${binding}) uniform ${type} ${name};\n")
            endif()
            math(EXPR binding "${binding} + 1")
        else()
            string(APPEND block "    ${type} ${name};\n")
        endif()
    endforeach()
    string(APPEND header "${block}};\n")

    if(stage STREQUAL "vert")
        set(direction out)
        foreach(attribute IN ITEMS "qt_Vertex=0" "qt_MultiTexCoord0=1")
            string(REPLACE "=" ";" attribute "${attribute}")
            list(GET attribute 0 name)
            list(GET attribute 1 location)
            string(REGEX REPLACE "attribute[ \t]+(${_ORVANE_NAME})[ \t]+${name}[ \t]*;"
                "layout(location = ${location}) in \\1 ${name};" text "${text}")
        endforeach()
    else()
        set(direction in)
        string(APPEND header "layout(location = 0) out vec4 fragColor;\n")
        string(REGEX REPLACE "gl_FragColor" "fragColor" text "${text}")
    endif()
    string(REGEX MATCHALL "varying[ \t]+${_ORVANE_NAME}[ \t]+${_ORVANE_NAME}" varyings "${text}")
    set(location 0)
    foreach(varying IN LISTS varyings)
        string(REGEX REPLACE "^varying[ \t]+" "" declaration "${varying}")
        string(REGEX REPLACE "[ \t]+" " " declaration "${declaration}")
        string(REPLACE "${varying}" "layout(location = ${location}) ${direction} ${declaration}" text "${text}")
        math(EXPR location "${location} + 1")
    endforeach()
    string(REGEX REPLACE "texture2D[ \t]*\\(" "texture(" text "${text}")
    set(${out_var} "${header}${text}" PARENT_SCOPE)
endfunction()

# Names of GLSL functions. A uniform named like one compiles, but the
# translation back to OpenGL GLSL renames it, and Qt 6 then finds no uniform
# of the property's name to set: the shader sees 0.
set(_ORVANE_GLSL_FUNCTIONS abs acos all any asin atan ceil clamp cos cross degrees distance dot
    equal exp exp2 faceforward floor fract greaterThan inversesqrt length lessThan log log2 matrixCompMult
    max min mix mod normalize not notEqual pow radians reflect refract sign sin smoothstep sqrt step tan
    texture texture2D)

# The "type name" pairs a GLSL ES source declares as uniforms, in order.
# <where> names the document in an error.
function(_orvane_qt6_uniforms source where out_var)
    string(REGEX REPLACE "(lowp|mediump|highp)[ \t\n]+" "" source "${source}")
    string(REGEX MATCHALL "uniform[ \t]+${_ORVANE_NAME}[ \t]+${_ORVANE_NAME}" found "${source}")
    set(result)
    foreach(declaration IN LISTS found)
        string(REGEX REPLACE "^uniform[ \t]+" "" declaration "${declaration}")
        string(REGEX REPLACE "[ \t]+" " " declaration "${declaration}")
        string(REGEX REPLACE "^.* " "" name "${declaration}")
        if(name IN_LIST _ORVANE_GLSL_FUNCTIONS)
            message(FATAL_ERROR "${where}: the uniform \"${name}\" is named like a GLSL function; "
                "Qt 6 would never set it. Give it another name.")
        endif()
        list(APPEND result "${declaration}")
    endforeach()
    set(${out_var} "${result}" PARENT_SCOPE)
endfunction()

# A JavaScript string literal, or several joined by "+", as the text it means.
function(_orvane_js_string literal out_var)
    string(REGEX REPLACE "\"[ \t\r\n]*\\+[ \t\r\n]*\"" "" text "${literal}")
    string(REGEX REPLACE "^\"" "" text "${text}")
    string(REGEX REPLACE "\"$" "" text "${text}")
    string(ASCII 1 mark)
    string(REPLACE "\\\\" "${mark}" text "${text}")
    string(REPLACE "\\n" "\n" text "${text}")
    string(REPLACE "\\t" "\t" text "${text}")
    string(REPLACE "\\\"" "\"" text "${text}")
    string(REPLACE "${mark}" "\\" text "${text}")
    set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

# Writes <file> only when its text changes, so that a re-run of the
# configuration rebuilds nothing that stayed the same.
function(_orvane_write file text)
    # By hash: file(READ) would fold the CRLF line ends of a qmldir.
    string(SHA256 new "${text}")
    if(EXISTS "${file}")
        file(SHA256 "${file}" old)
        if(old STREQUAL new)
            return()
        endif()
    endif()
    file(WRITE "${file}" "${text}")
endfunction()

# Rule 3 for one document: returns the rewritten text, writes the shaders
# beside <target> and appends their paths to <shaders_var>. (GLSL is full of
# semicolons, CMake's list separator: the texts are kept in numbered variables.)
function(_orvane_qt6_move_shaders text target shaders_var out_var)
    set(literal "\"([^\"\\\\]|\\\\.)*\"")
    set(pattern "(fragmentShader|vertexShader)[ \t]*:[ \t]*${literal}([ \t\r\n]*\\+[ \t\r\n]*${literal})*")
    set(count 0)
    set(rest "${text}")
    while(rest MATCHES "${pattern}")
        set(property "${CMAKE_MATCH_0}")
        string(FIND "${rest}" "${property}" at)
        string(SUBSTRING "${rest}" 0 ${at} before_${count})
        string(LENGTH "${property}" length)
        math(EXPR after "${at} + ${length}")
        string(SUBSTRING "${rest}" ${after} -1 rest)
        set(property_${count} "${property}")
        string(REGEX REPLACE "^[A-Za-z]+[ \t]*:[ \t]*" "" value "${property}")
        _orvane_js_string("${value}" source_${count})
        math(EXPR count "${count} + 1")
    endwhile()

    # Both stages of one effect must declare the same block: a vertex shader
    # and the fragment shader written next to it (the two properties of one
    # effect) share the union of their uniforms; any other shader has its own.
    set(i 0)
    while(i LESS count)
        _orvane_qt6_uniforms("${source_${i}}" "${target}" block_${i})
        math(EXPR i "${i} + 1")
    endwhile()
    set(i 0)
    while(i LESS count)
        if(property_${i} MATCHES "^vertexShader")
            math(EXPR next "${i} + 1")
            math(EXPR previous "${i} - 1")
            set(partner -1)
            if(next LESS count AND property_${next} MATCHES "^fragmentShader")
                set(partner ${next})
            elseif(previous GREATER_EQUAL 0 AND property_${previous} MATCHES "^fragmentShader")
                set(partner ${previous})
            endif()
            if(partner GREATER_EQUAL 0)
                set(union ${block_${i}} ${block_${partner}})
                list(REMOVE_DUPLICATES union)
                set(block_${i} ${union})
                set(block_${partner} ${union})
            endif()
        endif()
        math(EXPR i "${i} + 1")
    endwhile()

    get_filename_component(dir "${target}" DIRECTORY)
    get_filename_component(stem "${target}" NAME_WE)
    set(shaders ${${shaders_var}})
    set(result "")
    set(written_frag 0)
    set(written_vert 0)
    set(i 0)
    while(i LESS count)
        string(APPEND result "${before_${i}}")
        if(NOT source_${i} MATCHES "void[ \t\r\n]+main")
            string(APPEND result "${property_${i}}") # a file name already
        else()
            if(property_${i} MATCHES "^vertexShader")
                set(stage vert)
                set(name vertexShader)
            else()
                set(stage frag)
                set(name fragmentShader)
            endif()
            math(EXPR written_${stage} "${written_${stage}} + 1")
            if(written_${stage} EQUAL 1)
                set(file "${stem}.${stage}")
            else()
                set(file "${stem}-${written_${stage}}.${stage}")
            endif()
            _orvane_qt6_shader("${source_${i}}" ${stage} "${block_${i}}" converted)
            _orvane_write("${dir}/${file}" "${converted}")
            list(APPEND shaders "${dir}/${file}")
            # Resolved here: ShaderEffect resolves a relative URL against the
            # document that uses the component, not the one that names it.
            string(APPEND result "${name}: Qt.resolvedUrl(\"${file}.qsb\")")
        endif()
        math(EXPR i "${i} + 1")
    endwhile()
    string(APPEND result "${rest}")
    set(${shaders_var} ${shaders} PARENT_SCOPE)
    set(${out_var} "${result}" PARENT_SCOPE)
endfunction()

# Rule 4: the depends lines of a qmldir, from the documents beside it.
function(_orvane_qt6_depends qmldir_text module_dir out_var)
    string(REGEX MATCH "(^|\n)module[ \t]+([A-Za-z0-9_.]+)" unused "${qmldir_text}")
    set(own "${CMAKE_MATCH_2}")
    file(GLOB_RECURSE documents "${module_dir}/*.qml" "${module_dir}/*.js")
    set(modules)
    foreach(document IN LISTS documents)
        file(STRINGS "${document}" imports REGEX "^import[ \t]+[A-Za-z][A-Za-z0-9_.]*[ \t]+[0-9]+\\.[0-9]+")
        foreach(line IN LISTS imports)
            string(REGEX MATCH "^import[ \t]+([A-Za-z][A-Za-z0-9_.]*)[ \t]+([0-9]+\\.[0-9]+)" unused "${line}")
            set(module "${CMAKE_MATCH_1}")
            set(version "${CMAKE_MATCH_2}")
            if(module STREQUAL own)
                continue()
            endif()
            string(REPLACE "." "_" key "${module}")
            if(NOT DEFINED highest_${key} OR version VERSION_GREATER highest_${key})
                set(highest_${key} ${version})
            endif()
            list(APPEND modules ${module})
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES modules)
    list(SORT modules)
    set(lines "")
    foreach(module IN LISTS modules)
        string(REPLACE "." "_" key "${module}")
        string(APPEND lines "depends ${module} ${highest_${key}}\r\n")
    endforeach()
    # The generated lines follow the module line, in place of the old ones.
    string(REPLACE "\r\n" "\n" lines "${lines}")
    string(REGEX REPLACE "\ndepends[^\n]*" "" text "${qmldir_text}")
    string(REGEX REPLACE "(^|\n)(module[^\n]*\n)" "\\1\\2${lines}" text "${text}")
    set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

function(_orvane_qt6_rewrite_imports text out_var)
    foreach(rule IN LISTS ORVANE_QT6_IMPORTS)
        string(REPLACE "=" ";" rule "${rule}")
        list(GET rule 0 from)
        list(GET rule 1 to)
        string(REGEX REPLACE "(^|\n)(import|depends)([ \t]+)${from}" "\\1\\2\\3${to}" text "${text}")
    endforeach()
    set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

# orvane_port_to_qt6(<output dir> SHADERS <var> DIRECTORIES <dir>... FILES <file>...)
# Copies DIRECTORIES (recursively, C++ and build files left out) and FILES,
# relative to the source tree, into <output dir> by the rules above; <var>
# receives the shader files written, for qt_add_shaders.
function(orvane_port_to_qt6 out)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "SHADERS" "DIRECTORIES;FILES")
    set(sources)
    foreach(dir IN LISTS arg_DIRECTORIES)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS RELATIVE "${PROJECT_SOURCE_DIR}" "${PROJECT_SOURCE_DIR}/${dir}/*")
        list(FILTER found EXCLUDE REGEX "(\\.(cpp|h|sh|py|cmake|md)|CMakeLists\\.txt)$")
        list(APPEND sources ${found})
    endforeach()
    list(APPEND sources ${arg_FILES})

    set(written)
    set(shaders)
    set(qmldirs)
    foreach(source IN LISTS sources)
        set(target "${source}")
        if(source MATCHES "(^|/)\\+qt6/")
            string(REGEX REPLACE "(^|/)\\+qt6/" "\\1" target "${source}")
        elseif(source MATCHES "^(.*/)?([^/]+)$")
            if(EXISTS "${PROJECT_SOURCE_DIR}/${CMAKE_MATCH_1}+qt6/${CMAKE_MATCH_2}")
                continue() # replaced by its Qt 6 version
            endif()
        endif()
        set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${source}")
        list(APPEND written "${target}")
        set(destination "${out}/${target}")
        get_filename_component(dir "${destination}" DIRECTORY)
        file(MAKE_DIRECTORY "${dir}")
        if(source MATCHES "(\\.qml|\\.js|/qmldir)$")
            file(READ "${PROJECT_SOURCE_DIR}/${source}" text)
            _orvane_qt6_rewrite_imports("${text}" text)
            if(source MATCHES "\\.qml$")
                _orvane_qt6_move_shaders("${text}" "${destination}" shaders text)
            endif()
            if(source MATCHES "/qmldir$")
                list(APPEND qmldirs "${destination}")
                # file(READ) gave the lines without their CR; they get it back.
                file(READ "${PROJECT_SOURCE_DIR}/${source}" bytes HEX)
                set(crlf_${destination} FALSE)
                if(bytes MATCHES "0d0a")
                    set(crlf_${destination} TRUE)
                endif()
                set(text_${destination} "${text}")
                continue() # written below
            endif()
            _orvane_write("${destination}" "${text}")
        else()
            file(COPY_FILE "${PROJECT_SOURCE_DIR}/${source}" "${destination}" ONLY_IF_DIFFERENT)
        endif()
    endforeach()
    # After every document is in place, since the lines come from them.
    foreach(qmldir IN LISTS qmldirs)
        set(text "${text_${qmldir}}")
        get_filename_component(dir "${qmldir}" DIRECTORY)
        _orvane_qt6_depends("${text}" "${dir}" text)
        if(crlf_${qmldir})
            string(REPLACE "\n" "\r\n" text "${text}")
        endif()
        _orvane_write("${qmldir}" "${text}")
    endforeach()

    # A file deleted or moved in the sources goes from the copy too.
    file(GLOB_RECURSE existing RELATIVE "${out}" "${out}/*")
    foreach(file IN LISTS existing)
        if(NOT file IN_LIST written AND NOT "${out}/${file}" IN_LIST shaders AND NOT file MATCHES "\\.(depends|qsb)$")
            file(REMOVE "${out}/${file}")
        endif()
    endforeach()
    set(${arg_SHADERS} ${shaders} PARENT_SCOPE)
endfunction()
