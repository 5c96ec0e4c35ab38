# vs_draw_splash(TOOL [DEPENDS...]): the splash picture beside the program,
# drawn at build time by the make_splash program TOOL.
function(vs_draw_splash tool)
  set(splash ${PROJECT_BINARY_DIR}/vostramelsaver.jpg)
  add_custom_command(
    OUTPUT ${splash}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${tool} ${splash} ${PROJECT_VERSION}
    DEPENDS ${ARGN}
    COMMENT "Drawing the splash picture")
  add_custom_target(splash ALL DEPENDS ${splash})
endfunction()
