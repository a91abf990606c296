# Where an installation puts each thing (GNU layout), found by the programs relative to their own
# folder: share/corvel for the read-only files, libexec/corvel for the helper programs, lib/corvel
# for the modules corvel-cli opens on demand (drawing, network). The Debian package is built from these rules (scripts/pacote).
include(GNUInstallDirs)

set(CORVEL_DADOS ${CMAKE_INSTALL_DATADIR}/corvel)
install(TARGETS corvel-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS corvel-rede LIBRARY DESTINATION lib/corvel)
install(TARGETS corvel-planilha corvel-mdb RUNTIME DESTINATION libexec/corvel)
install(FILES ${CMAKE_SOURCE_DIR}/resources/EstacaoListaCorvel1_0.xml
              ${CMAKE_SOURCE_DIR}/resources/TODP.xtr ${CMAKE_SOURCE_DIR}/resources/ListaEstacao.xtr
        DESTINATION ${CORVEL_DADOS})
install(FILES ${CMAKE_SOURCE_DIR}/resources/exemplo/99990001.cvl DESTINATION ${CORVEL_DADOS}/exemplo)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/criterios DESTINATION ${CORVEL_DADOS})

if(CORVEL_UI)
  install(TARGETS corvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(TARGETS corvel-ficha LIBRARY DESTINATION lib/corvel)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/bin/Ajuda_do_Corvel DESTINATION ${CORVEL_DADOS})
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/corvel.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/corvel-mime.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME corvel.xml)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/icones/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icones/corvel.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# The Debian package: dependencies from the shared libraries the programs link (dpkg-shlibdeps),
# plus the package of the one library opened at run time, asked of dpkg for the file the build
# found, so that nothing is listed by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Corvel")
set(CPACK_PACKAGE_CONTACT "Equipe do Corvel <corvel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Análise hidrológica de séries de vazões diárias de estações fluviométricas")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
execute_process(COMMAND dpkg -S ${XLSXWRITER_BIBLIOTECA_REAL} OUTPUT_VARIABLE CORVEL_PACOTE_XLSX
                ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
string(REGEX REPLACE ":.*" "" CORVEL_PACOTE_XLSX "${CORVEL_PACOTE_XLSX}")
if(CORVEL_PACOTE_XLSX)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS ${CORVEL_PACOTE_XLSX})
endif()
include(CPack)
