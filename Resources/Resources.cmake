# Compiles the style sheets, images, translation catalogues and the team server's schema
# migrations into the program.
# The resource list is generated from the folders, so adding a file needs no edit here.
set(resources_dir ${PROJECT_SOURCE_DIR}/Resources)

file(GLOB ts_files CONFIGURE_DEPENDS ${resources_dir}/lang/*.ts)
set_source_files_properties(${ts_files} PROPERTIES OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/lang)
qt5_add_translation(qm_files ${ts_files})

file(GLOB_RECURSE resource_files CONFIGURE_DEPENDS
    RELATIVE ${resources_dir}
    ${resources_dir}/qss/*.css
    ${resources_dir}/Images/*
    ${resources_dir}/Image/*
    ${resources_dir}/team/*.sql)

set(qrc_body "")
foreach(file IN LISTS resource_files)
    string(APPEND qrc_body "    <file alias=\"${file}\">${resources_dir}/${file}</file>\n")
endforeach()
foreach(qm IN LISTS qm_files)
    get_filename_component(qm_name ${qm} NAME)
    string(APPEND qrc_body "    <file alias=\"lang/${qm_name}\">${qm}</file>\n")
endforeach()
set(qrc_file ${CMAKE_CURRENT_BINARY_DIR}/varnolithic.qrc)
file(GENERATE OUTPUT ${qrc_file} CONTENT "<RCC>\n  <qresource prefix=\"/\">\n${qrc_body}  </qresource>\n</RCC>\n")

set(rcc_output ${CMAKE_CURRENT_BINARY_DIR}/qrc_varnolithic.cpp)
list(TRANSFORM resource_files PREPEND ${resources_dir}/ OUTPUT_VARIABLE resource_paths)
add_custom_command(OUTPUT ${rcc_output}
    COMMAND Qt5::rcc --name varnolithic --output ${rcc_output} ${qrc_file}
    DEPENDS ${qrc_file} ${resource_paths} ${qm_files}
    COMMENT "Compiling resources")
set(varnolithic_resources ${rcc_output} ${qm_files})
