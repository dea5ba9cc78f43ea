# Installs the build into a scratch prefix twice: the first install lays out the program,
# its store (not empty), the launcher leading to it, the desktop entry starting it and the
# icon; the second, over a store that holds the clerk's work, must leave that store as it was.
#   cmake -DYAPI=<build folder> -DHEDEF=<scratch prefix> -P kurulum.cmake
file(REMOVE_RECURSE "${HEDEF}")
set(depo "${HEDEF}/lib/depora/Ambar.vtb")
set(emek "the clerk's parts, receipts and issues")

function(kur)
  execute_process(COMMAND "${CMAKE_COMMAND}" --install "${YAPI}" --prefix "${HEDEF}"
                  RESULT_VARIABLE sonuc OUTPUT_VARIABLE cikti ERROR_VARIABLE cikti)
  if(NOT sonuc EQUAL 0)
    message(FATAL_ERROR "install failed:\n${cikti}")
  endif()
endfunction()

kur()
foreach(yol lib/depora/depora lib/depora/Ambar.vtb bin/depora
            share/applications/depora.desktop share/icons/hicolor/scalable/apps/depora.svg)
  if(NOT EXISTS "${HEDEF}/${yol}")
    message(FATAL_ERROR "missing after install: ${yol}")
  endif()
endforeach()
file(REAL_PATH "${HEDEF}/bin/depora" baslatici)
file(REAL_PATH "${HEDEF}/lib/depora/depora" program)
file(SIZE "${depo}" boyut)
file(STRINGS "${HEDEF}/share/applications/depora.desktop" exec REGEX "^Exec=")
if(NOT baslatici STREQUAL program OR boyut EQUAL 0 OR NOT exec STREQUAL "Exec=\"${HEDEF}/lib/depora/depora\"")
  message(FATAL_ERROR "bin/depora leads to ${baslatici}, the store has ${boyut} bytes, the desktop entry: ${exec}")
endif()

file(WRITE "${depo}" "${emek}")
kur()
file(READ "${depo}" sonra)
if(NOT sonra STREQUAL emek)
  message(FATAL_ERROR "a second install replaced the store")
endif()
