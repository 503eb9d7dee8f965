# The layer rule of src/CMakeLists.txt: no include from a higher layer, and
# core and fonts only with their own Qt modules. layers_catch shows that the
# check does catch such includes.
get_target_property(qtCoreIncludes Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
list(FILTER qtCoreIncludes INCLUDE REGEX "/QtCore$")
list(GET qtCoreIncludes 0 qtCoreInclude)
get_filename_component(qtInclude ${qtCoreInclude} DIRECTORY)
add_test(NAME layers COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}/src
    -DQT_INCLUDE_DIR=${qtInclude} -P ${PROJECT_SOURCE_DIR}/cmake/checklayers.cmake)
add_test(NAME layers_catch COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}/layers/src
    -DQT_INCLUDE_DIR=${qtInclude} -P ${PROJECT_SOURCE_DIR}/cmake/checklayers.cmake)
set_tests_properties(layers_catch PROPERTIES PASS_REGULAR_EXPRESSION
    "core/forbidden.cpp: includes preview/phonepreview.h, from the layer above it.*core/forbidden.cpp: includes QImage \\(QtGui\\), not allowed in core")
