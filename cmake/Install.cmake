# The programs go into one program directory, since a plug-in looks beside itself for the
# host, its language modules and its help; symbolic links put them on PATH. The links are
# relative, so a tree staged under DESTDIR or packaged works wherever it is unpacked.
install(TARGETS ostra kettra korvo RUNTIME DESTINATION ${VELMAR_PROGRAM_DIR})

file(RELATIVE_PATH _velmar_links_to_programs /${CMAKE_INSTALL_BINDIR} /${VELMAR_PROGRAM_DIR})
set(_velmar_links ${PROJECT_BINARY_DIR}/program-links)
file(MAKE_DIRECTORY ${_velmar_links})
foreach(program ostra kettra korvo)
  file(CREATE_LINK ${_velmar_links_to_programs}/${program} ${_velmar_links}/${program} SYMBOLIC)
  install(FILES ${_velmar_links}/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
