# Installs the build into a scratch prefix twice: the first install lays out the program,
# its empty store, the launcher, the desktop entry and the icon; the second, over a store
# that holds the clerk's work, must leave that store as it was.
#   cmake -DYAPI=<build folder> -DHEDEF=<scratch prefix> -P kurulum.cmake
file(REMOVE_RECURSE "${HEDEF}")

function(kur)
  execute_process(COMMAND "${CMAKE_COMMAND}" --install "${YAPI}" --prefix "${HEDEF}"
                  RESULT_VARIABLE sonuc OUTPUT_VARIABLE cikti ERROR_VARIABLE cikti)
  if(NOT sonuc EQUAL 0)
    message(FATAL_ERROR "install failed:\n${cikti}")
  endif()
endfunction()

function(olmali yol)
  if(NOT EXISTS "${HEDEF}/${yol}")
    message(FATAL_ERROR "missing after install: ${yol}")
  endif()
endfunction()

kur()
foreach(yol lib/depora/depora lib/depora/Ambar.vtb bin/depora
            share/applications/depora.desktop share/icons/hicolor/scalable/apps/depora.svg)
  olmali(${yol})
endforeach()

file(REAL_PATH "${HEDEF}/bin/depora" baslatici)
file(REAL_PATH "${HEDEF}/lib/depora/depora" program)
if(NOT baslatici STREQUAL program)
  message(FATAL_ERROR "bin/depora leads to ${baslatici}, not to ${program}")
endif()

file(READ "${HEDEF}/lib/depora/Ambar.vtb" bos HEX LIMIT 16)
if(bos STREQUAL "")
  message(FATAL_ERROR "the installed store is empty")
endif()

file(STRINGS "${HEDEF}/share/applications/depora.desktop" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=\"${HEDEF}/lib/depora/depora\"")
  message(FATAL_ERROR "desktop entry starts ${exec}")
endif()

file(WRITE "${HEDEF}/lib/depora/Ambar.vtb" "the clerk's parts, receipts and issues")
kur()
file(READ "${HEDEF}/lib/depora/Ambar.vtb" sonra)
if(NOT sonra STREQUAL "the clerk's parts, receipts and issues")
  message(FATAL_ERROR "a second install replaced the store")
endif()
