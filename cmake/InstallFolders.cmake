# Run by an install, before and after everything else, so that the folders it makes serve every
# user whatever the umask it runs under (sudo keeps a strict one on some systems): CMake makes
# them with mkdir, which takes the umask. Before (INSTALL_FOLDERS_STEP "note"), it notes which of
# the folders files go into (INSTALL_FOLDERS, relative to the prefix or absolute), and of their
# parents, do not exist yet; after ("open"), it makes just those 755. Folders that were there
# already keep whatever their owner gave them.
if(INSTALL_FOLDERS_STEP STREQUAL "note")
  set(install_folders_made "")
  foreach(folder IN LISTS INSTALL_FOLDERS)
    if(NOT IS_ABSOLUTE "${folder}")
      set(folder "${CMAKE_INSTALL_PREFIX}/${folder}")
    endif()
    set(folder "$ENV{DESTDIR}${folder}")
    # The install script runs under no policies, so no IN_LIST here.
    list(FIND install_folders_made "${folder}" noted)
    while(NOT EXISTS "${folder}" AND noted EQUAL -1)
      list(APPEND install_folders_made "${folder}")
      get_filename_component(folder "${folder}" DIRECTORY)
      list(FIND install_folders_made "${folder}" noted)
    endwhile()
  endforeach()
elseif(INSTALL_FOLDERS_STEP STREQUAL "open")
  foreach(folder IN LISTS install_folders_made)
    if(IS_DIRECTORY "${folder}")
      file(CHMOD "${folder}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
           GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
  endforeach()
endif()
