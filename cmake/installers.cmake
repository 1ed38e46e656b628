# The two installer programs, their artwork and the setup folder.

# The artwork under the installers' animation is drawn by tools/make_artwork.cpp
# when the program is built, run the way the build runs its own programs
# (under Wine when cross-building).
add_executable(make_artwork tools/make_artwork.cpp)
set(VX_ARTWORK_DIR ${CMAKE_BINARY_DIR}/artwork)
set(VX_ARTWORK ${VX_ARTWORK_DIR}/installer_artwork.bmp)
file(MAKE_DIRECTORY ${VX_ARTWORK_DIR})
add_custom_command(
  OUTPUT ${VX_ARTWORK}
  COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:make_artwork> installer_artwork.bmp
  WORKING_DIRECTORY ${VX_ARTWORK_DIR}
  DEPENDS make_artwork
  COMMENT "Drawing the installers' artwork")
add_custom_target(installer_artwork DEPENDS ${VX_ARTWORK})

set(VX_INSTALLER_RESOURCES
    ${VX_ARTWORK}
    ${CMAKE_SOURCE_DIR}/common/installer/installer_common.rc
    ${CMAKE_SOURCE_DIR}/common/installer/artwork.rc
    ${CMAKE_SOURCE_DIR}/common/installer/installer.manifest
    ${CMAKE_SOURCE_DIR}/common/installer/installer_resources.h)

function(vx_installer_program name folder library)
  add_executable(${name} WIN32 ${folder}/main_win.cpp ${folder}/${folder}.rc)
  target_link_libraries(${name} PRIVATE ${library})
  target_include_directories(${name} PRIVATE ${VX_ARTWORK_DIR})
  set_source_files_properties(${folder}/${folder}.rc PROPERTIES OBJECT_DEPENDS
                                                                "${VX_INSTALLER_RESOURCES}")
  add_dependencies(${name} installer_artwork)
  if(MSVC)
    # The resource file brings the manifest.
    target_link_options(${name} PRIVATE /MANIFEST:NO)
  else()
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
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VX_SETUP_FOLDER}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Vantelox> $<TARGET_FILE:SetUpVantelox>
          $<TARGET_FILE:UnInstallVantelox> ${VX_SETUP_FOLDER}
  COMMAND ${CMAKE_COMMAND} -E touch ${VX_SETUP_FOLDER_STAMP}
  DEPENDS Vantelox SetUpVantelox UnInstallVantelox
  COMMENT "Assembling the setup folder ${VX_SETUP_FOLDER}")
add_custom_target(setup_folder ALL DEPENDS ${VX_SETUP_FOLDER_STAMP})
