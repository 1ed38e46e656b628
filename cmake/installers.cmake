# The two installer programs and the setup folder.

set(VX_INSTALLER_RESOURCES ${VX_PROGRAM_RESOURCES}
    ${CMAKE_SOURCE_DIR}/res/require_administrator.manifest
    ${CMAKE_SOURCE_DIR}/res/installer_artwork.rc ${CMAKE_SOURCE_DIR}/res/installer_artwork.bmp
    ${CMAKE_SOURCE_DIR}/common/installer/installer_resources.h)

function(vx_installer_program name folder library)
  add_executable(${name} WIN32 ${folder}/main_win.cpp)
  target_link_libraries(${name} PRIVATE ${library})
  vx_program_resources(${name} ${folder}/${folder}.rc ${VX_INSTALLER_RESOURCES})
  if(NOT MSVC)
    target_link_options(${name} PRIVATE -municode)
  endif()
endfunction()

vx_installer_program(SetUpVantelox setup vx_setup)
vx_installer_program(UnInstallVantelox uninstall vx_uninstall)

# The setup folder, as it is handed to people: the three programs and the
# help pages. SetUpVantelox installs from a copy of it.
set(VX_SETUP_FOLDER ${CMAKE_BINARY_DIR}/dist)
set(VX_SETUP_FOLDER_STAMP ${CMAKE_BINARY_DIR}/dist.stamp)
add_custom_command(
  OUTPUT ${VX_SETUP_FOLDER_STAMP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${VX_SETUP_FOLDER}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VX_SETUP_FOLDER}/Vanteloxヘルプ
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Vantelox> $<TARGET_FILE:SetUpVantelox>
          $<TARGET_FILE:UnInstallVantelox> ${VX_SETUP_FOLDER}
  COMMAND ${CMAKE_COMMAND} -E copy ${VX_HELP_PAGES} ${VX_SETUP_FOLDER}/Vanteloxヘルプ
  COMMAND ${CMAKE_COMMAND} -E touch ${VX_SETUP_FOLDER_STAMP}
  DEPENDS Vantelox SetUpVantelox UnInstallVantelox ${VX_HELP_PAGES}
  COMMENT "Assembling the setup folder ${VX_SETUP_FOLDER}"
  VERBATIM)
add_custom_target(setup_folder ALL DEPENDS ${VX_SETUP_FOLDER_STAMP})
