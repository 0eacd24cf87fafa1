# Writes the Qt help project for every file of the help topics folder.
# Run as: cmake -DTOPICS_DIR=... -DOUT_DIR=... -DNAMESPACE=... [-DSHARED_DIR=...] -P make_help_project.cmake
# SHARED_DIR: a folder whose files that are not topics (the style sheet) the topics share.
# Topics may carry <meta name="toc-order" content="N"> to place them in the contents;
# index.html is the default topic and the root of the contents.

file(REMOVE_RECURSE "${OUT_DIR}")
file(MAKE_DIRECTORY "${OUT_DIR}")
file(GLOB names RELATIVE "${TOPICS_DIR}" "${TOPICS_DIR}/*")
list(SORT names)

function(xml_escape out text)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    string(REPLACE "\"" "&quot;" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(files_xml "")
if(SHARED_DIR)
    file(GLOB shared RELATIVE "${SHARED_DIR}" "${SHARED_DIR}/*")
    foreach(name ${shared})
        if(NOT name MATCHES "\\.html?$" AND NOT EXISTS "${TOPICS_DIR}/${name}")
            file(COPY "${SHARED_DIR}/${name}" DESTINATION "${OUT_DIR}")
            string(APPEND files_xml "      <file>${name}</file>\n")
        endif()
    endforeach()
endif()
set(entries "")
set(root_title "Help")
foreach(name ${names})
    if(IS_DIRECTORY "${TOPICS_DIR}/${name}")
        continue()
    endif()
    file(COPY "${TOPICS_DIR}/${name}" DESTINATION "${OUT_DIR}")
    xml_escape(escaped_name "${name}")
    string(APPEND files_xml "      <file>${escaped_name}</file>\n")
    if(NOT name MATCHES "\\.html?$")
        continue()
    endif()
    file(READ "${TOPICS_DIR}/${name}" text)
    set(title "${name}")
    if(text MATCHES "<title>([^<]*)</title>")
        set(title "${CMAKE_MATCH_1}")
    endif()
    set(order 500)
    if(text MATCHES "<meta name=\"toc-order\" content=\"([0-9]+)\"")
        set(order "${CMAKE_MATCH_1}")
    endif()
    string(REPLACE ";" "," title "${title}") # the list below is split on ";"
    xml_escape(title "${title}")
    if(name STREQUAL "index.html")
        set(root_title "${title}")
        continue()
    endif()
    # Zero-padded so that the text sort is the numeric one; the name breaks ties.
    string(LENGTH "${order}" len)
    math(EXPR pad "6 - ${len}")
    string(REPEAT "0" ${pad} zeros)
    list(APPEND entries "${zeros}${order}|${escaped_name}|${title}")
endforeach()
list(SORT entries)

set(toc "")
set(keywords "")
foreach(entry ${entries})
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 1 ref)
    list(GET parts 2 title)
    string(APPEND toc "        <section title=\"${title}\" ref=\"${ref}\"/>\n")
    string(APPEND keywords "      <keyword name=\"${title}\" ref=\"${ref}\"/>\n")
endforeach()

file(WRITE "${OUT_DIR}/apicfg.qhp" "<?xml version=\"1.0\" encoding=\"UTF-8\"?>
<QtHelpProject version=\"1.0\">
  <namespace>${NAMESPACE}</namespace>
  <virtualFolder>doc</virtualFolder>
  <filterSection>
    <toc>
      <section title=\"${root_title}\" ref=\"index.html\">
${toc}      </section>
    </toc>
    <keywords>
${keywords}    </keywords>
    <files>
${files_xml}    </files>
  </filterSection>
</QtHelpProject>
")
