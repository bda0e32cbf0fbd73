# nepl_add_form_resources(<executable> [APPLICATION_FORMS] [FORMS <extra .form files>])
# Compiles into the executable itself (static libraries would drop resource
# objects) the application's forms of resources/forms when asked, the extra
# forms given, the
# visual-styles manifest of the common controls, the program's icon
# (MAINICON), its version information and the bitmaps of resources/bitmaps.
# Each form becomes a resource of type FORM named after its file (the form
# class) in upper case; each bitmap a BITMAP named after its file.
function(nepl_add_form_resources target)
  cmake_parse_arguments(ARG "APPLICATION_FORMS" "" "FORMS" ${ARGN})
  set(forms)
  if(ARG_APPLICATION_FORMS)
    file(GLOB forms CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/forms/*.form)
  endif()
  foreach(form ${ARG_FORMS})
    get_filename_component(form ${form} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    list(APPEND forms ${form})
  endforeach()
  set(manifest ${PROJECT_SOURCE_DIR}/resources/nepl.manifest)
  set(icon ${PROJECT_SOURCE_DIR}/resources/nepl.ico)
  set(version ${PROJECT_SOURCE_DIR}/resources/version.rc)
  file(GLOB bitmaps CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/bitmaps/*.bmp)
  set(content "1 24 \"${manifest}\"\nMAINICON ICON \"${icon}\"\n#include \"${version}\"\n")
  foreach(bitmap ${bitmaps})
    get_filename_component(name ${bitmap} NAME_WE)
    string(TOUPPER ${name} name)
    string(APPEND content "${name} BITMAP \"${bitmap}\"\n")
  endforeach()
  foreach(form ${forms})
    get_filename_component(name ${form} NAME_WE)
    string(TOUPPER ${name} name)
    string(APPEND content "${name} FORM \"${form}\"\n")
  endforeach()
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.rc)
  file(CONFIGURE OUTPUT ${rc} CONTENT "${content}")
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${forms};${manifest};${icon};${version};${bitmaps}")
endfunction()
